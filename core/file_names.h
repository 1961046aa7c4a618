// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <string>

namespace stocks {

// A file name in the program's strings is the file system's bytes on POSIX systems and UTF-8
// on Windows, whose names are UTF-16: never the ANSI code page, which cannot hold every name.

std::filesystem::path pathOf(const std::string& fileName);
std::string fileNameOf(const std::filesystem::path& path);

/// The bytes the settings file stores for a file name: the name's own bytes on POSIX systems.
/// On Windows, Windows-1252 text where it holds the name and reads back as nothing else;
/// otherwise UTF-8.
std::string fileNameForSettings(const std::string& fileName);

/// A file name read from the settings file. A name that an older version stored as
/// Windows-1252 text is read as that text.
std::string fileNameFromSettings(const std::string& stored);

} // namespace stocks
