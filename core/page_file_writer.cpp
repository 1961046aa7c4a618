#include "core/page_file.h"

#include "core/cp1252.h"
#include "core/stock_error.h"

#include <numeric>
#include <string_view>

namespace stocks {
namespace {

std::string pageBytes(const std::vector<std::string>& lines)
{
    const auto size = std::accumulate(
        lines.begin(), lines.end(), std::size_t{0},
        [](std::size_t total, const std::string& line) { return total + line.size() + 2; });
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::filesystem::path hiddenSibling(const std::filesystem::path& file, std::string_view suffix)
{
    std::string name = ".";
    name += file.filename().string();
    name += suffix;
    return file.parent_path() / name;
}

StockError cannotCreate(const std::filesystem::path& page)
{
    return StockError(formatMessage("Cannot create file %s", textFromPath(page)));
}

} // namespace

std::filesystem::path backupFileName(const std::filesystem::path& page)
{
    std::string name = page.filename().string();
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return page.parent_path() / (name + ".BAK");
}

void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines)
{
    SystemFileOps ops;
    writePageFile(page, lines, ops);
}

void writePageFile(const std::filesystem::path& page, const std::vector<std::string>& lines,
                   FileOps& ops)
{
    using Result = FileOps::Result;
    if (!page.has_filename())
        throw cannotCreate(page);
    const auto backup = backupFileName(page);
    const auto temporary = hiddenSibling(page, ".new");
    const auto retired = hiddenSibling(backup, ".old");

    const auto written = ops.createAndWrite(temporary, pageBytes(lines));
    if (written != FileOps::WriteResult::written) {
        ops.remove(temporary);
        if (written == FileOps::WriteResult::shortWrite)
            throw StockError("Stream write error");
        throw cannotCreate(page);
    }

    // The old backup is only set aside until the new page is in place, so that a failure
    // can put everything back. The page becomes the backup by a second name, so that the
    // page file exists at every moment; where the file system has no links, it moves.
    const Result backupRetired = ops.rename(backup, retired);
    Result pageLinked = Result::failed;
    Result pageMoved = Result::failed;
    if (backupRetired != Result::failed) {
        pageLinked = ops.link(page, backup);
        if (pageLinked == Result::failed)
            pageMoved = ops.rename(page, backup);
    }
    const bool pageKept = pageLinked != Result::failed || pageMoved != Result::failed;
    if (!pageKept || ops.rename(temporary, page) != Result::done) {
        if (pageLinked == Result::done)
            ops.remove(backup);
        if (pageMoved == Result::done)
            ops.rename(backup, page);
        if (backupRetired == Result::done)
            ops.rename(retired, backup);
        ops.remove(temporary);
        throw cannotCreate(page);
    }
    if (backupRetired == Result::done)
        ops.remove(retired);
}

} // namespace stocks
