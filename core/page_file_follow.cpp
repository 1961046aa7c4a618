// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"

#include "core/file_identity.h"
#include "core/file_names.h"
#include "core/stock_error.h"

namespace stocks {

std::optional<std::vector<std::string>> loadPageFile(RunValues& values)
{
    // Looked at before the bytes are read: an edit landing in between changes the identity
    // again, so the next check reads once more rather than missing it.
    values.setPageFileIdentity(fileIdentity(pathOf(values.pageFileName())));
    try {
        auto lines = readPageFile(pathOf(values.pageFileName()));
        values.setPageFileUnreadable(false);
        return lines;
    } catch (const StockError&) {
        values.setPageFileUnreadable(true);
        throw;
    }
}

bool followPageFile(RunValues& values)
{
    const auto now = fileIdentity(pathOf(values.pageFileName()));
    const bool unread = values.pageFileUnreadable();
    if (!unread && now == values.pageFileIdentity())
        return false;
    // Nothing on disk to keep: the list held here is the watch list, and the save writes it.
    // An emptied page counts as gone, whether a person or a tool caught half-way through a
    // rewrite left it so.
    if (!now || (now->size == 0 && !unread)) {
        values.setPageFileIdentity(now);
        values.setPageFileUnreadable(false);
        return false;
    }
    auto lines = loadPageFile(values);
    if (!lines)
        return false;
    values.pageList().assign(std::move(*lines));
    // The file no longer holds what the last closing save wrote.
    values.setClosingPageSaved(false);
    return true;
}

} // namespace stocks
