// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>

namespace stocks {

/// @brief Where the program keeps its settings file and its default page file.
struct ProgramFiles {
    std::filesystem::path settingsFile;
    std::filesystem::path defaultPageFile;
};

/// Where the files live: beside the executable, or in the user's own folder for them.
enum class FilesHome { besideExecutable, userFolder };

/// Beside the executable while new files can be created in its folder; otherwise in the
/// user's own folder (userFilesFolder). The settings file is the executable's name with its
/// extension replaced by ".INI"; the default page file is "MorvaneStocks.html".
ProgramFiles programFilesFor(const std::filesystem::path& executable);

/// The files in the given home. The user's folder is created, private to the user, and on the
/// first start there it takes a copy of a settings file shipped beside the executable.
ProgramFiles programFilesFor(const std::filesystem::path& executable, FilesHome home);

/// Whether a new file can be created in the folder, found by creating one and removing it:
/// mode bits do not tell, neither for root nor on a read-only mount.
bool canCreateFilesIn(const std::filesystem::path& folder);

/// The user's own folder for the files. On POSIX systems "$XDG_DATA_HOME/morvane-stocks", by
/// default "~/.local/share/morvane-stocks"; on Windows "%APPDATA%\Morvane Stocks", by default
/// in the user's roaming application data folder. Nothing when no such folder is known.
std::filesystem::path userFilesFolder();

/// Makes the folder and its missing parents, private to the user. Folders that already exist
/// are left as they are; a folder that cannot be made shows up later, in the message of the
/// first save that fails there.
void makePrivateFolder(const std::filesystem::path& folder);

} // namespace stocks
