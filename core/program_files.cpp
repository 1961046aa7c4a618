// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include "core/file_io.h"
#include "core/settings.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr const char* defaultPageName = "MorvaneStocks.html";
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

// Folders that already exist are left as they are. A folder that cannot be made shows up
// later, in the message of the first save that fails there.
void makePrivateFolder(const fs::path& folder)
{
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        ::mkdir(partial.c_str(), 0700);
    }
}

// Only a settings file that is not there yet: the user's own values win from then on. The copy
// gets its final name in one step, so a failed copy leaves no half file to be read as settings.
void copyShippedSettings(const fs::path& shipped, const fs::path& copy)
{
    std::error_code error;
    if (fs::symlink_status(copy, error).type() != fs::file_type::not_found)
        return;
    const InputFile source = openRegularFile(shipped);
    if (source.status != InputFile::Status::opened)
        return;
    if (auto staged = StagedFile::copyOf(source.handle, copy, S_IRUSR | S_IWUSR))
        staged->putInPlaceIfAbsent();
}

} // namespace

ProgramFiles programFilesFor(const fs::path& executable)
{
    return programFilesFor(executable, canCreateFilesIn(executable.parent_path())
                                           ? FilesHome::besideExecutable
                                           : FilesHome::userFolder);
}

ProgramFiles programFilesFor(const fs::path& executable, FilesHome home)
{
    const fs::path shippedSettings = settingsFileFor(executable);
    const fs::path folder = home == FilesHome::userFolder ? userFilesFolder() : fs::path();
    if (folder.empty())
        return {shippedSettings, executable.parent_path() / defaultPageName};
    makePrivateFolder(folder);
    ProgramFiles files{folder / shippedSettings.filename(), folder / defaultPageName};
    copyShippedSettings(shippedSettings, files.settingsFile);
    return files;
}

bool canCreateFilesIn(const fs::path& folder)
{
    // Created exclusively under a unique name and removed again as it goes.
    return StagedFile((folder.empty() ? fs::path(".") : folder) / ".stocks-probe").created();
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
