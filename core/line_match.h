// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <string_view>

namespace stocks {

/// Whole-line comparison that ignores letter case in Windows-1252, as a Western-locale
/// case-insensitive string comparison does. The empty text matches only an empty line.
bool sameLine(std::string_view a, std::string_view b);

} // namespace stocks
