// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace stocks {

// Stand-ins for GetPrivateProfileString and WritePrivateProfileString. Section and key names
// match without regard to ASCII case and ignore surrounding blanks; the first matching
// section, and the first matching key in it, win.

/// The value of a key in INI text: blanks around it and one pair of enclosing quotes
/// removed, cut to 1023 characters. Nothing when the section or key is absent.
std::optional<std::string> findProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key);

/// INI text with one key set to value and every other line kept byte for byte. Nothing when
/// the names or the value cannot be stored on one line.
std::optional<std::string> withProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key, std::string_view value);

/// The key's value in the file, or defaultValue as given when the file, section or key is
/// missing or the file cannot be read.
std::string readProfileString(const std::filesystem::path& file, std::string_view section,
                              std::string_view key, std::string_view defaultValue);

/// Sets one key in the file, creating the file or section as needed. The file is replaced
/// through a temporary file in the same folder, so it is never left half written. Returns
/// false when the write is refused (no regular file at the name, or one without write
/// permission bits); the file is then unchanged.
bool writeProfileString(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::string_view value);

struct ProfileEntry {
    std::string_view section;
    std::string_view key;
    std::string_view value;
};

/// Sets several keys, in order, with one replacement of the file: all of them or none.
bool writeProfileStrings(const std::filesystem::path& file, std::span<const ProfileEntry> entries);

} // namespace stocks
