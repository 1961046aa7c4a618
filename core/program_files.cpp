// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/program_files.h"

#include "core/file_io.h"
#include "core/settings.h"

#include <system_error>

namespace stocks {
namespace {

namespace fs = std::filesystem;

constexpr const char* defaultPageName = "MorvaneStocks.html";

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
    if (auto staged =
            StagedFile::copyOf(source.handle, copy, fs::perms::owner_read | fs::perms::owner_write))
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

} // namespace stocks
