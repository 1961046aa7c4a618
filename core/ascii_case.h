// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string_view>

namespace stocks {

/// Equal texts when ASCII letters are folded to one case. Bytes above 0x7F must match
/// exactly: a Windows-1252 letter such as 0xC9 equals only itself.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace stocks
