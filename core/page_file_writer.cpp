// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"

#include "core/file_io.h"
#include "core/file_names.h"
#include "core/stock_error.h"

#include <algorithm>
#include <string_view>

namespace stocks {
namespace {

constexpr std::size_t writeChunk = std::size_t{64} * 1024;

// The lines go out in chunks, so that no second copy of a large page is ever held.
bool writeLines(StagedFile& file, const std::vector<std::string>& lines)
{
    std::string chunk;
    chunk.reserve(writeChunk);
    for (const auto& line : lines) {
        chunk += line;
        chunk += "\r\n";
        if (chunk.size() >= writeChunk) {
            if (!file.write(chunk))
                return false;
            chunk.clear();
        }
    }
    return file.write(chunk);
}

// The page as it is now, under a name of its own beside the backup: a second name where the
// file system allows it, else a copy. Nothing when there is no page or no backup can be made.
std::optional<StagedFile> stageBackup(const std::filesystem::path& page,
                                      const std::filesystem::path& backup)
{
    // Only a regular file at the backup name, or nothing, is ours to replace.
    if (!regularFileOrNothingAt(backup))
        return std::nullopt;
    const InputFile current = openRegularFile(page);
    if (current.status != InputFile::Status::opened)
        return std::nullopt;
    if (auto linked = StagedFile::linkOf(page, backup))
        return linked;
    return StagedFile::copyOf(current.handle, backup, current.permissions);
}

// The bytes a save writes for the lines, walked piece by piece without joining them.
class WrittenBytes {
public:
    explicit WrittenBytes(const std::vector<std::string>& lines) : lines_(lines) {}

    /// Moves past the given bytes; false when the save would write others there.
    bool skip(std::string_view bytes)
    {
        while (!bytes.empty()) {
            if (done())
                return false;
            const std::string_view rest = piece().substr(offset_);
            const std::size_t length = std::min(rest.size(), bytes.size());
            if (rest.substr(0, length) != bytes.substr(0, length))
                return false;
            bytes.remove_prefix(length);
            offset_ += length;
            if (offset_ == piece().size()) {
                ++piece_;
                offset_ = 0;
            }
        }
        return true;
    }

    bool done() const { return piece_ == 2 * lines_.size(); }

private:
    // Even pieces are the lines, odd ones the line breaks after them.
    std::string_view piece() const
    {
        return piece_ % 2 == 0 ? std::string_view(lines_[piece_ / 2]) : std::string_view("\r\n");
    }

    const std::vector<std::string>& lines_;
    std::size_t piece_ = 0;
    std::size_t offset_ = 0;
};

StockError cannotCreate(const std::filesystem::path& page)
{
    return StockError("Cannot create file %s", page);
}

} // namespace

std::filesystem::path backupFileName(const std::filesystem::path& page)
{
    auto name = page.filename().native();
    if (const auto dot = name.rfind('.'); dot != decltype(name)::npos)
        name.erase(dot);
    std::filesystem::path backup = page.parent_path() / name;
    backup += ".BAK";
    return backup;
}

void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines)
{
    if (!page.has_filename())
        throw cannotCreate(page);
    // A page that is a link stays a link: the file it points to is replaced.
    const auto target = linkTarget(page);
    const auto permissions = regularFilePermissions(target);
    if (permissions && noWriteBits(*permissions))
        throw cannotCreate(page);

    // What a save killed half-way left beside the page goes before this save stages its own.
    const auto backup = backupFileName(page);
    removeStaleStagedFiles(target);
    removeStaleStagedFiles(backup);

    StagedFile fresh(target, permissions);
    if (!fresh.created())
        throw cannotCreate(page);
    if (!writeLines(fresh, lines) || !fresh.finish())
        throw StockError("Stream write error");

    // The page file exists at every moment: the old page gets its backup name only after
    // the new one has taken its place. A backup that cannot be made is given up silently.
    auto previous = stageBackup(target, backup);
    if (!fresh.putInPlace())
        throw cannotCreate(page);
    if (previous)
        previous->putInPlace();
    // Flushing the folders keeps a power loss from bringing the older page back.
    syncFolder(target.parent_path());
    if (backup.parent_path() != target.parent_path())
        syncFolder(backup.parent_path());
}

bool pageFileHolds(const std::filesystem::path& page, const std::vector<std::string>& lines)
{
    const InputFile file = openRegularFile(page);
    if (file.status != InputFile::Status::opened)
        return false;
    WrittenBytes expected(lines);
    return readBlocks(file.handle.get(),
                      [&expected](std::string_view block) { return expected.skip(block); }) &&
           expected.done();
}

void savePage(RunValues& values)
{
    savePage(values, values.pageList().lines());
}

void savePage(RunValues& values, const std::vector<std::string>& lines)
{
    values.setClosingPageSaved(false);
    if (values.pageFileUnreadable())
        throw StockError("Cannot open file %s", values.pageFileName());
    writePageFile(pathOf(values.pageFileName()), lines);
    if (!values.lookVisible())
        values.setLookVisible(true);
}

bool pageFileKeptAsItIs(const RunValues& values)
{
    if (values.pageFileUnreadable())
        return true;
    const auto permissions = regularFilePermissions(pathOf(values.pageFileName()));
    return permissions && noWriteBits(*permissions);
}

} // namespace stocks
