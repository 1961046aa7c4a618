// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_file.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace stocks {

/// A fresh folder for each page-file test, with what those tests look at: the names left in
/// the folder, and the lines the reader makes of given bytes.
class PageFileTest : public testing::Test {
protected:
    std::set<std::string> names() const { return folder.names(); }
    Lines readBack(const std::string& bytes)
    {
        writeBytes(folder / "in.html", bytes);
        return readPageFile(folder / "in.html").value();
    }

    TempFolder folder;
};

} // namespace stocks
