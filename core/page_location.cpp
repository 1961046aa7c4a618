// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_location.h"

#include "core/file_names.h"

#include <system_error>

namespace stocks {
namespace {

namespace fs = std::filesystem;

// One file under two names: "a/./b" and "a/b", or, for files that exist, a link or another
// letter case where the file system ignores it.
bool samePage(const fs::path& a, const fs::path& b)
{
    if (a.lexically_normal() == b.lexically_normal())
        return true;
    std::error_code error;
    return fs::equivalent(a, b, error);
}

} // namespace

std::string pageFileFromSettings(const std::string& stored, const fs::path& defaultPage)
{
    // An empty name can never be saved to, which would keep the window from closing.
    if (stored.empty())
        return fileNameOf(defaultPage);
    const fs::path named = pathOf(stored);
    // In the system's own separators: Windows shows and stores the name as it is made here.
    if (named.is_relative())
        return fileNameOf((defaultPage.parent_path() / named).make_preferred());
    std::error_code error;
    const bool folderGone = !fs::is_directory(named.parent_path(), error);
    if (named.filename() == defaultPage.filename() && folderGone &&
        fs::is_regular_file(defaultPage, error))
        return fileNameOf(defaultPage);
    return stored;
}

std::string pageFileForSettings(const std::string& pageInUse, const std::string& stored,
                                const fs::path& defaultPage)
{
    if (samePage(pathOf(pageInUse), defaultPage))
        return fileNameOf(defaultPage.filename());
    // A relative name stays relative, a full one keeps its spelling.
    if (!stored.empty() &&
        samePage(pathOf(pageFileFromSettings(stored, defaultPage)), pathOf(pageInUse)))
        return stored;
    return pageInUse;
}

} // namespace stocks
