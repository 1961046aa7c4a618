// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/settings.h"

#include "core/file_names.h"
#include "core/ini_profile.h"
#include "core/integer_text.h"
#include "core/stock_error.h"

#include <utility>

namespace stocks {

Settings::Settings(std::filesystem::path file) : file_(std::move(file)) {}

std::string Settings::readString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const
{
    return readProfileString(file_, section, key, defaultValue);
}

std::string Settings::readFileName(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const
{
    return fileNameFromSettings(readString(section, key, defaultValue));
}

std::int32_t Settings::readInteger(std::string_view section, std::string_view key,
                                   std::int32_t defaultValue) const
{
    return parseInteger(readString(section, key, "")).value_or(defaultValue);
}

bool Settings::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void Settings::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    writeStrings({{section, key, value}});
}

void Settings::writeFileName(std::string_view section, std::string_view key,
                             const std::string& fileName)
{
    writeString(section, key, fileNameForSettings(fileName));
}

void Settings::writeStrings(std::initializer_list<ProfileEntry> entries)
{
    if (!writeProfileStrings(file_, entries))
        throw StockError("Unable to write to %s", file_);
}

void Settings::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    writeString(section, key, std::to_string(value));
}

void Settings::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

std::filesystem::path settingsFileFor(const std::filesystem::path& executable)
{
    auto file = executable;
    file.replace_extension(".INI");
    return file;
}

} // namespace stocks
