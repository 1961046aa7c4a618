// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_names.h"

#include "core/cp1252.h"

#include <system_error>

namespace stocks {

std::filesystem::path pathOf(const std::string& fileName)
{
    return fileName;
}

std::string fileNameOf(const std::filesystem::path& path)
{
    return path.native();
}

std::string fileNameForSettings(const std::string& fileName)
{
    return fileName;
}

std::string fileNameFromSettings(const std::string& stored)
{
    // File names here are UTF-8, as Qt takes them. An older version's Windows-1252 name is
    // not valid UTF-8, and its folder does not exist under those bytes.
    const auto folder = std::filesystem::path(stored).parent_path();
    std::error_code error;
    if (!isValidUtf8(stored) &&
        !std::filesystem::is_directory(folder.empty() ? "." : folder, error))
        return utf8FromCp1252(stored);
    return stored;
}

} // namespace stocks
