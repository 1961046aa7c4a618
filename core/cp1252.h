// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stocks {

/// Windows-1252 text as UTF-8. The five bytes the code page leaves undefined map to the
/// control characters of the same number, so every byte string round-trips.
std::string utf8FromCp1252(std::string_view text);

/// UTF-8 text as Windows-1252; nothing when a character has no Windows-1252 byte or the
/// UTF-8 is malformed.
std::optional<std::string> cp1252FromUtf8(std::string_view text);

/// True when the bytes are well-formed UTF-8: no stray or missing continuation bytes, no
/// overlong forms, no surrogates, nothing beyond U+10FFFF.
bool isValidUtf8(std::string_view text);

} // namespace stocks
