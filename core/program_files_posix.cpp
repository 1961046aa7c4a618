// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr const char* userFolderName = "morvane-stocks";

// A relative value is invalid by the XDG rules and would follow the working folder around.
fs::path absolutePathFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || *value != '/')
        return {};
    return value;
}

fs::path homeFolder()
{
    fs::path home = absolutePathFromEnvironment("HOME");
    if (home.empty()) {
        if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
            home = entry->pw_dir;
    }
    return home;
}

} // namespace

void makePrivateFolder(const fs::path& folder)
{
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        ::mkdir(partial.c_str(), 0700);
    }
}

fs::path userFilesFolder()
{
    if (fs::path data = absolutePathFromEnvironment("XDG_DATA_HOME"); !data.empty())
        return data / userFolderName;
    if (fs::path home = homeFolder(); !home.empty())
        return home / ".local" / "share" / userFolderName;
    return {};
}

} // namespace stocks
