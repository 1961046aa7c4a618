// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_names.h"

#include "core/cp1252.h"

#include <windows.h>

namespace stocks {

std::filesystem::path pathOf(const std::string& fileName)
{
    if (fileName.empty())
        return {};
    const int size = static_cast<int>(fileName.size());
    std::wstring wide(static_cast<std::size_t>(
                          ::MultiByteToWideChar(CP_UTF8, 0, fileName.data(), size, nullptr, 0)),
                      L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, fileName.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

std::string fileNameOf(const std::filesystem::path& path)
{
    const std::wstring& wide = path.native();
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string name(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                    nullptr, 0, nullptr, nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, name.data(), static_cast<int>(name.size()),
                          nullptr, nullptr);
    return name;
}

std::string fileNameForSettings(const std::string& fileName)
{
    // Windows-1252 text is what the profile functions and older versions wrote. A name that
    // text cannot hold, or whose text would read back as UTF-8, is stored as UTF-8.
    if (auto text = cp1252FromUtf8(fileName); text && (!isValidUtf8(*text) || *text == fileName))
        return *text;
    return fileName;
}

std::string fileNameFromSettings(const std::string& stored)
{
    return isValidUtf8(stored) ? stored : utf8FromCp1252(stored);
}

} // namespace stocks
