// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include <string>

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr const wchar_t* userFolderName = L"Morvane Stocks";

// As with $XDG_DATA_HOME, only an absolute value counts: a relative one would follow the
// working folder around. The variable is read wide, so that no name passes the ANSI code page.
fs::path absolutePathFromEnvironment(const wchar_t* name)
{
    const DWORD size = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0)
        return {};
    std::wstring value(size, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), size));
    fs::path path = value;
    if (!path.is_absolute())
        return {};
    return path;
}

fs::path roamingAppData()
{
    PWSTR folder = nullptr;
    fs::path path;
    if (SUCCEEDED(
            ::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder)))
        path = folder;
    ::CoTaskMemFree(folder);
    return path;
}

} // namespace

void makePrivateFolder(const fs::path& folder)
{
    // A new folder inherits the rights of the one it is made in: under the user's profile,
    // only the user (and the system and administrators) may enter it.
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (partial.has_relative_path())
            ::CreateDirectoryW(partial.c_str(), nullptr);
    }
}

fs::path userFilesFolder()
{
    if (fs::path data = absolutePathFromEnvironment(L"APPDATA"); !data.empty())
        return data / userFolderName;
    if (fs::path data = roamingAppData(); !data.empty())
        return data / userFolderName;
    return {};
}

} // namespace stocks
