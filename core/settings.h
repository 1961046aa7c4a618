// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/ini_profile.h"

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace stocks {

/// @brief The settings file, read and written key by key with no cache.
class Settings {
public:
    explicit Settings(std::filesystem::path file);

    const std::filesystem::path& fileName() const { return file_; }

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    /// A file name as the program holds it (file_names.h). A name that an older version
    /// stored as Windows-1252 text is read as that text.
    std::string readFileName(std::string_view section, std::string_view key,
                             std::string_view defaultValue) const;
    /// Decimal, "$" or "0x" hexadecimal; anything else, an empty value included, gives the
    /// default.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    /// An integer: 0 is false, any other value true.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    /// The writes throw StockError "Unable to write to <file>" when the file cannot be written.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    /// A file name in the settings file's form for it (file_names.h).
    void writeFileName(std::string_view section, std::string_view key, const std::string& fileName);
    /// Several keys at once, in order: the file is replaced once and holds all or none.
    void writeStrings(std::initializer_list<ProfileEntry> entries);

private:
    std::filesystem::path file_;
};

/// The executable's name with its extension replaced by ".INI", in the executable's folder.
std::filesystem::path settingsFileFor(const std::filesystem::path& executable);

} // namespace stocks
