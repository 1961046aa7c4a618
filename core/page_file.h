// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/run_values.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace stocks {

/// The backup beside a page file: the file name's last extension replaced by ".BAK", or
/// ".BAK" appended when the name has none.
std::filesystem::path backupFileName(const std::filesystem::path& page);

/// Saves the lines, each followed by CR LF, and keeps the previous page as the backup.
/// The new page is on the disk before any rename, and a failed save leaves the page as it
/// was. A page that is a link stays one; a page with no write permission bits is never
/// replaced. The backup is made only over a regular file or nothing, and where it cannot
/// be made the page is saved all the same. Throws StockError "Cannot create file <page>"
/// or "Stream write error".
void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines);

/// The page file's lines in file order, split at LF. One CR at a line's end is dropped, a
/// zero byte ends its line's text, and a file ending in LF gives a last empty line.
/// Nothing when the file does not exist; throws StockError "Cannot open file <page>" when
/// it exists but cannot be read, or holds text that is not single-byte: it starts with a
/// UTF-16 byte-order mark, or more than half of its lines are cut by a zero byte.
std::optional<std::vector<std::string>> readPageFile(const std::filesystem::path& page);

/// True when the file holds exactly the bytes a save of these lines would write.
bool pageFileHolds(const std::filesystem::path& page, const std::vector<std::string>& lines);

/// Reads the page file as the start does and notes which file it was, so that a later
/// followPageFile can tell an edit made by someone else. A file that cannot be read marks
/// the page unreadable and throws, as readPageFile does.
std::optional<std::vector<std::string>> loadPageFile(RunValues& values);

/// Brings the page list up to date before a change that saves: when the page file is no
/// longer the one this run last read or wrote, its lines replace the page list. True when
/// they did. Costs one look at the file's entry while nothing changed. A page file that has
/// gone, or was emptied, leaves the list as it is, for the save to write it again; one that
/// cannot be read throws "Cannot open file <page>" and is kept from every save.
bool followPageFile(RunValues& values);

/// Writes the page list to the page file, keeping the previous page as the backup, and
/// shows the "Look now" label. Refuses to overwrite a page file this run could not read.
void savePage(RunValues& values);
/// The same for other lines: the page as a close leaves it, kept apart from the page list.
void savePage(RunValues& values, const std::vector<std::string>& lines);

/// True when no save may replace the page file: this run could not read it, or its
/// permission bits let nobody write it.
bool pageFileKeptAsItIs(const RunValues& values);

} // namespace stocks
