#pragma once

#include "core/file_ops.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace stocks {

/// The backup beside a page file: the file name's last extension replaced by ".BAK", or
/// ".BAK" appended when the name has none.
std::filesystem::path backupFileName(const std::filesystem::path& page);

/// Saves the lines, each followed by CR LF, and keeps the previous page as the backup.
/// The new page is on the disk before any rename, and a failed save leaves the page and
/// the backup as they were. Throws StockError "Cannot create file <page>" or
/// "Stream write error".
void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines);
void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines,
                   FileOps& ops);

/// The page file's lines in file order, split at LF. One CR at a line's end is dropped, a
/// zero byte ends its line's text, and a file ending in LF gives a last empty line.
/// Nothing when the file does not exist; throws StockError "Cannot open file <page>" when
/// it exists but cannot be read.
std::optional<std::vector<std::string>> readPageFile(const std::filesystem::path& page);

} // namespace stocks
