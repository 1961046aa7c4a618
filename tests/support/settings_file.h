// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/settings.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string_view>

namespace stocks {

/// @brief A settings file in a fresh folder.
class SettingsTest : public testing::Test {
protected:
    Settings withFile(std::string_view bytes) const
    {
        std::ofstream(folder_.path() / "stocks.INI", std::ios::binary) << bytes;
        return Settings(folder_.path() / "stocks.INI");
    }

    TempFolder folder_;
};

} // namespace stocks
