// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <filesystem>
#include <string>

namespace stocks {

// The settings keep the default page by its bare name, so that a moved or renamed folder,
// or another drive letter, finds it again. A page the user put elsewhere keeps its name as set.

/// The page that the settings' `file` value names, as a full name. Empty: the default page.
/// A relative name: a file of the folder the default page lives in. A full name: that file,
/// except the default page's name in a folder that is gone while the default page is there:
/// what an older version wrote before the folder moved.
std::string pageFileFromSettings(const std::string& stored,
                                 const std::filesystem::path& defaultPage);

/// What the close stores for the page in use: the default page by its bare name; another page
/// by the value stored now where that still names it, otherwise by its full name.
std::string pageFileForSettings(const std::string& pageInUse, const std::string& stored,
                                const std::filesystem::path& defaultPage);

} // namespace stocks
