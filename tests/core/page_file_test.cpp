// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_file.h"

#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/page_file_fixture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <set>

namespace stocks {
namespace {

namespace fs = std::filesystem;

TEST_F(PageFileTest, SaveWritesCrLfLinesAndReadsBackWithTrailingEmptyLine)
{
    const auto page = folder / "stocks.html";
    const Lines lines{"<html>", "", "IBM \x80 95", "<p>", "</html>"};
    writePageFile(page, lines);
    EXPECT_EQ(bytesOf(page), "<html>\r\n\r\nIBM \x80 95\r\n<p>\r\n</html>\r\n");
    Lines expected = lines;
    expected.push_back("");
    EXPECT_EQ(readPageFile(page), expected);

    writePageFile(page, {});
    EXPECT_EQ(bytesOf(page), "");
}

TEST_F(PageFileTest, EachSaveMovesThePreviousPageToTheBackup)
{
    const auto page = folder / "stocks.html";
    writePageFile(page, {"first"});
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html"}));
    writePageFile(page, {"second"});
    writePageFile(page, {"third"});
    EXPECT_EQ(bytesOf(page), "third\r\n");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "second\r\n");
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html", "stocks.BAK"}));
}

TEST(BackupFileName, ReplacesOnlyTheFileNamesLastExtension)
{
    EXPECT_EQ(backupFileName("/p/stocks.html"), fs::path("/p/stocks.BAK"));
    EXPECT_EQ(backupFileName("/p/stocks"), fs::path("/p/stocks.BAK"));
    EXPECT_EQ(backupFileName("/p.d/stocks"), fs::path("/p.d/stocks.BAK"));
    EXPECT_EQ(backupFileName("/p/my.page.htm"), fs::path("/p/my.page.BAK"));
    EXPECT_EQ(backupFileName("stocks."), fs::path("stocks.BAK"));
}

TEST_F(PageFileTest, ReaderSplitsAtLineFeedsAndDropsOneCarriageReturnAtTheEnd)
{
    EXPECT_EQ(readBack(""), Lines{""});
    EXPECT_EQ(readBack("\nabc\r\n"), (Lines{"", "abc", ""}));
    EXPECT_EQ(readBack("a\nb\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(readBack("a\rb\r\r\nc\r"), (Lines{"a\rb\r", "c"}));
    EXPECT_EQ(readBack("\r"), Lines{""});
    EXPECT_EQ(readBack("no break"), Lines{"no break"});
}

TEST_F(PageFileTest, LongLinesComeBackWholeWithEveryOtherLine)
{
    const std::string mid(300, 'm');
    const std::string huge(100000, 'h');
    EXPECT_EQ(readBack(mid), Lines{mid});
    EXPECT_EQ(readBack("a\r\n" + mid + "\r\nb\r\n" + huge + "\r\nc\r\n"),
              (Lines{"a", mid, "b", huge, "c", ""}));
}

TEST_F(PageFileTest, ZeroByteEndsOnlyItsOwnLineAcrossBlocks)
{
    using namespace std::string_literals;
    EXPECT_EQ(readBack("one\r\ntw\0o\r\nthree\r\n"s), (Lines{"one", "tw", "three", ""}));
    EXPECT_EQ(readBack("ab\r\0cd\nef"s), (Lines{"ab", "ef"}));
    // Around the reader's 64 KiB blocks: a CR LF split between two, a cut line spanning one.
    const std::string fill(65535, 'x');
    EXPECT_EQ(readBack(fill + "\r\na\0"s + std::string(70000, 'y') + "\nz"),
              (Lines{fill, "a", "z"}));
}

TEST_F(PageFileTest, TextOfAWiderEncodingIsRefusedAndAUtf8MarkKept)
{
    using namespace std::string_literals;
    const auto file = folder / "wide.html";
    const std::string refused = "Cannot open file " + file.string();
    for (const auto& bytes :
         {"\xFF\xFE<\0h\0>\0\r\0\n\0"s, "\xFE\xFF\0<\0h\0\r\0\n"s, "\xFF\xFE"s,
          "<\0h\0\r\0\n\0i\0\r\0\n\0"s, "a\r\n\0b\r\n\0c"s, "\xFF\xFE\xAC\x20\n\0"s}) {
        writeBytes(file, bytes);
        EXPECT_EQ(errorOf([&] { readPageFile(file); }), refused);
    }
    EXPECT_EQ(readBack("\xEF\xBB\xBF<html>\r\n"), (Lines{"\xEF\xBB\xBF<html>", ""}));
    EXPECT_EQ(readBack("\xFF\xFF\r\n"), (Lines{"\xFF\xFF", ""}));
}

TEST_F(PageFileTest, MissingPageReadsAsNothingAndAFolderAsAnError)
{
    EXPECT_EQ(readPageFile(folder / "none.html"), std::nullopt);
    writeBytes(folder / "file", "x");
    EXPECT_EQ(readPageFile(folder / "file" / "page.html"), std::nullopt);

    const auto directory = folder / "dir.html";
    fs::create_directory(directory);
    EXPECT_EQ(errorOf([&] { readPageFile(directory); }), "Cannot open file " + directory.string());
}

TEST_F(PageFileTest, PageThatCannotBeCreatedIsReported)
{
    for (const auto& page : {folder / "absent" / "p.html", folder / "file" / "p.html"}) {
        writeBytes(folder / "file", "keep");
        EXPECT_EQ(errorOf([&] { writePageFile(page, {"x"}); }),
                  "Cannot create file " + page.string());
        EXPECT_EQ(names(), std::set<std::string>{"file"});
        EXPECT_EQ(bytesOf(folder / "file"), "keep");
    }
    // The message keeps the name's bytes as the file system has them.
    EXPECT_EQ(errorOf([&] { writePageFile(folder / "absent" / "B\xc3\xb6rse.html", {}); }),
              "Cannot create file " + (folder / "absent" / "B\xc3\xb6rse.html").string());
}

TEST_F(PageFileTest, FailedSaveLeavesPageAndBackupAsTheyWere)
{
    // The page's name now holds a folder: the new page cannot take its place.
    const auto page = folder / "stocks.html";
    fs::create_directory(page);
    writeBytes(page / "keep.txt", "keep");
    writeBytes(folder / "stocks.BAK", "backup\r\n");
    EXPECT_EQ(errorOf([&] { writePageFile(page, {"new"}); }),
              "Cannot create file " + page.string());
    EXPECT_EQ(bytesOf(page / "keep.txt"), "keep");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "backup\r\n");
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html", "stocks.BAK"}));
}

} // namespace
} // namespace stocks
