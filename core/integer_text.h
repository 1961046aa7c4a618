// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace stocks {

/// Reads an integer the way the settings and the refresh field store one: leading blanks,
/// an optional sign and decimal digits, or hexadecimal after "$" or a leading "0x"/"0X".
/// Anything else, or a value outside the signed 32-bit range, gives nothing.
std::optional<std::int32_t> parseInteger(std::string_view text);

/// As parseInteger, but throws "'%s' is not a valid integer value" when the text is not one.
std::int32_t toInteger(std::string_view text);

} // namespace stocks
