// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"

#include "core/stock_error.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>

namespace stocks {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Lines = std::vector<std::string>;

// The 256-byte backward window reader that older page files were read with. Where no
// line is too long for its window and no zero byte occurs, the two must agree.
Lines windowReader(const std::string& file)
{
    Lines lines;
    std::size_t position = file.size();
    for (bool atStart = false; !atStart;) {
        const std::size_t start = position < 256 ? 0 : position - 256;
        const std::string window = file.substr(start, position - start);
        const auto lineFeed = window.rfind('\n');
        atStart = lineFeed == std::string::npos;
        std::string text = atStart ? window : window.substr(lineFeed + 1);
        position = atStart ? 0 : start + lineFeed;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        lines.insert(lines.begin(), text);
    }
    return lines;
}

// The first line may fill the whole window; any other needs room for the line feed before it.
bool fitsTheWindow(const std::string& file)
{
    for (std::size_t lineStart = 0;;) {
        const auto lineFeed = file.find('\n', lineStart);
        const auto end = lineFeed == std::string::npos ? file.size() : lineFeed;
        if (end - lineStart > (lineStart == 0 ? 256u : 255u))
            return false;
        if (lineFeed == std::string::npos)
            return true;
        lineStart = lineFeed + 1;
    }
}

std::string join(const Lines& lines)
{
    std::string joined;
    for (const auto& line : lines)
        joined += line + (&line == &lines.back() ? "" : "\n");
    return joined;
}

// What the reader refuses: a UTF-16 byte-order mark, or more than half the lines cut by a
// zero byte.
bool wideText(const std::string& bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return true;
    std::size_t lines = 0;
    std::size_t cut = 0;
    for (std::size_t start = 0;; ++lines) {
        const auto end = std::min(bytes.find('\n', start), bytes.size());
        cut += bytes.find('\0', start) < end ? 1 : 0;
        if (end == bytes.size())
            return cut * 2 > lines + 1;
        start = end + 1;
    }
}

const std::string alphabet = "ab<>\"=/ \x80\xff\r\n\n\0"s;

class FileMaker {
public:
    std::string randomBytes(std::size_t maxSize)
    {
        std::string bytes(below(maxSize), ' ');
        std::generate(bytes.begin(), bytes.end(), [this] {
            return below(4) == 0 ? static_cast<char>(rng_()) : alphabet[below(alphabet.size())];
        });
        return bytes;
    }

    std::string mutatedPage()
    {
        std::string bytes = "<html><head><title>Stocks</title></head>\r\n<body>\r\n"
                            "<a href=\"http://example.com/q?s=IBM\">"
                            "<img src=\"http://example.com/c?s=IBM\"></a> 95\r\n"
                            "</body></html>\r\n";
        for (auto edits = below(8); edits > 0; --edits) {
            const auto at = below(bytes.size() + 1);
            if (below(2) == 0 && at < bytes.size())
                bytes.erase(at, 1 + below(40));
            else
                bytes.insert(at, std::string(1 + below(300), alphabet[below(alphabet.size())]));
        }
        return bytes;
    }

private:
    std::size_t below(std::size_t limit) { return rng_() % limit; }

    std::mt19937 rng_{20240611};
};

class PageReaderFuzz : public testing::Test {
protected:
    TempFolder folder;
};

TEST_F(PageReaderFuzz, RandomAndMutatedFilesKeepEveryLine)
{
    FileMaker maker;
    int compared = 0;
    for (int round = 0; round < 4000; ++round) {
        const std::string bytes =
            round % 2 == 0 ? maker.randomBytes(round % 10 == 0 ? 1200 : 300) : maker.mutatedPage();
        // A fresh name each round: truncating a file in place makes ext4 flush it on close.
        const auto file = folder / std::to_string(round);
        std::ofstream(file, std::ios::binary) << bytes;

        if (wideText(bytes)) {
            ASSERT_THROW(readPageFile(file), StockError);
            fs::remove(file);
            continue;
        }
        const Lines lines = readPageFile(file).value();
        fs::remove(file);
        ASSERT_EQ(lines.size(), std::count(bytes.begin(), bytes.end(), '\n') + 1u);
        if (bytes.find_first_of("\r\0"s) == std::string::npos) {
            ASSERT_EQ(join(lines), bytes);
        }
        if (bytes.find('\0') == std::string::npos && fitsTheWindow(bytes)) {
            ASSERT_EQ(lines, windowReader(bytes));
            ++compared;
        }
    }
    EXPECT_GT(compared, 1000);
}

} // namespace
} // namespace stocks
