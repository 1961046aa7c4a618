// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"

#include "core/file_io.h"
#include "core/stock_error.h"

#include <string_view>

namespace stocks {
namespace {

// Collects the lines while the file streams by in blocks, so that no copy of the whole
// file is ever held.
class LineSplitter {
public:
    void add(std::string_view bytes)
    {
        if (head_.size() < 2)
            head_.append(bytes.substr(0, 2 - head_.size()));
        for (auto lineFeed = bytes.find('\n'); lineFeed != std::string_view::npos;
             lineFeed = bytes.find('\n')) {
            addText(bytes.substr(0, lineFeed));
            endLine();
            bytes.remove_prefix(lineFeed + 1);
        }
        addText(bytes);
    }

    /// The lines; nothing when the bytes are text of a wider encoding, such as UTF-16, whose
    /// lines would come back cut at their zero bytes.
    std::optional<std::vector<std::string>> finish()
    {
        endLine();
        if (head_ == "\xFF\xFE" || head_ == "\xFE\xFF" || cutLines_ * 2 > lines_.size())
            return std::nullopt;
        return std::move(lines_);
    }

private:
    void addText(std::string_view text)
    {
        if (cut_)
            return;
        if (const auto zero = text.find('\0'); zero != std::string_view::npos) {
            text = text.substr(0, zero);
            cut_ = true;
        }
        current_ += text;
    }

    void endLine()
    {
        if (!current_.empty() && current_.back() == '\r')
            current_.pop_back();
        lines_.push_back(std::move(current_));
        current_.clear();
        if (cut_)
            ++cutLines_;
        cut_ = false;
    }

    std::vector<std::string> lines_;
    std::string current_;
    std::string head_;
    std::size_t cutLines_ = 0;
    bool cut_ = false;
};

} // namespace

std::optional<std::vector<std::string>> readPageFile(const std::filesystem::path& page)
{
    // Never waits: a FIFO at the name cannot hang the start.
    const InputFile file = openRegularFile(page);
    if (file.status == InputFile::Status::missing)
        return std::nullopt;
    LineSplitter splitter;
    const bool read = file.status == InputFile::Status::opened &&
                      readBlocks(file.handle.get(), [&splitter](std::string_view block) {
                          splitter.add(block);
                          return true;
                      });
    auto lines = read ? splitter.finish() : std::nullopt;
    if (!lines)
        throw StockError("Cannot open file %s", page);
    return lines;
}

} // namespace stocks
