#include "core/page_file.h"
#include "core/stock_error.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>

namespace stocks {
namespace {

namespace fs = std::filesystem;

class PageFileTest : public testing::Test {
protected:
    std::set<std::string> names() const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            found.insert(entry.path().filename().string());
        return found;
    }
    Lines readBack(const std::string& bytes)
    {
        writeBytes(folder / "in.html", bytes);
        return readPageFile(folder / "in.html").value();
    }

    TempFolder folder;
};

template <typename Action> std::string errorOf(Action action)
{
    try {
        action();
    } catch (const StockError& error) {
        return error.what();
    }
    return "no error";
}

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
    EXPECT_EQ(readPageFile(page), Lines{""});
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
    EXPECT_EQ(readBack("\0\n\0"s), (Lines{"", ""}));
    // Around the reader's 64 KiB blocks: a CR LF split between two, a cut line spanning one.
    const std::string fill(65535, 'x');
    EXPECT_EQ(readBack(fill + "\r\na\0"s + std::string(70000, 'y') + "\nz"),
              (Lines{fill, "a", "z"}));
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
    // Messages carry Windows-1252 text; the file system's names are UTF-8.
    EXPECT_EQ(errorOf([&] { writePageFile(folder / "absent" / "B\xc3\xb6rse.html", {}); }),
              "Cannot create file " + (folder / "absent" / "B\xf6rse.html").string());
}

// Lets the real file system do everything except the chosen steps, and notes whether the
// watched page file was ever missing between steps.
class FailingOps : public FileOps {
public:
    FailingOps(std::set<int> failingSteps, WriteResult writeFailure, fs::path watched = {})
        : failingSteps_(std::move(failingSteps)), writeFailure_(writeFailure),
          watched_(std::move(watched))
    {}
    WriteResult createAndWrite(const fs::path& file, std::string_view bytes) override
    {
        if (!failsNow())
            return real_.createAndWrite(file, bytes);
        if (writeFailure_ == WriteResult::shortWrite)
            real_.createAndWrite(file, bytes.substr(0, bytes.size() / 2));
        return writeFailure_;
    }
    Result rename(const fs::path& from, const fs::path& to) override
    {
        return failsNow() ? Result::failed : real_.rename(from, to);
    }
    Result remove(const fs::path& file) override
    {
        return failsNow() ? Result::failed : real_.remove(file);
    }
    Result link(const fs::path& existing, const fs::path& newName) override
    {
        return failsNow() ? Result::failed : real_.link(existing, newName);
    }

    bool pageWasMissing = false;

private:
    bool failsNow()
    {
        if (!watched_.empty() && !fs::exists(watched_))
            pageWasMissing = true;
        return failingSteps_.count(step_++) != 0;
    }

    SystemFileOps real_;
    int step_ = 0;
    std::set<int> failingSteps_;
    WriteResult writeFailure_;
    fs::path watched_;
};

TEST_F(PageFileTest, FailedSaveLeavesPageAndBackupAsTheyWere)
{
    using W = FileOps::WriteResult;
    const auto page = folder / "stocks.html";
    const auto backup = folder / "stocks.BAK";
    const std::set<std::string> both{"stocks.html", "stocks.BAK"};
    const std::string cannotCreate = "Cannot create file " + page.string();
    // Steps: 0 write the new page, 1 set the backup aside, 2 link the page as the backup
    // (where that fails, 3 moves it instead), then the new page goes in place.
    const std::vector<std::tuple<std::set<int>, W, std::string>> failures{
        {{0}, W::notCreated, cannotCreate}, {{0}, W::shortWrite, "Stream write error"},
        {{1}, W::written, cannotCreate},    {{3}, W::written, cannotCreate},
        {{2, 3}, W::written, cannotCreate}, {{2, 4}, W::written, cannotCreate}};
    for (const auto& [steps, writeFailure, message] : failures) {
        SCOPED_TRACE(*steps.begin());
        writeBytes(page, "page\r\n");
        writeBytes(backup, "backup\r\n");
        FailingOps ops(steps, writeFailure);
        EXPECT_EQ(errorOf([&] { writePageFile(page, {"new"}, ops); }), message);
        EXPECT_EQ(bytesOf(page), "page\r\n");
        EXPECT_EQ(bytesOf(backup), "backup\r\n");
        EXPECT_EQ(names(), both);
    }

    // A file system without links moves the page to the backup instead.
    writeBytes(backup, "backup\r\n");
    FailingOps noLinks({2}, W::written);
    writePageFile(page, {"moved"}, noLinks);
    EXPECT_EQ(bytesOf(page), "moved\r\n");
    EXPECT_EQ(bytesOf(backup), "page\r\n");

    // Only the removal of the set-aside old backup is left: the save itself has succeeded.
    FailingOps lateFailure({4}, W::written);
    writePageFile(page, {"new"}, lateFailure);
    EXPECT_EQ(bytesOf(page), "new\r\n");
    EXPECT_EQ(bytesOf(backup), "moved\r\n");
}

TEST_F(PageFileTest, ThePageFileExistsAtEveryMomentOfASave)
{
    const auto page = folder / "stocks.html";
    writeBytes(page, "page\r\n");
    writeBytes(folder / "stocks.BAK", "backup\r\n");
    FailingOps watching({}, FileOps::WriteResult::written, page);
    writePageFile(page, {"new"}, watching);
    EXPECT_FALSE(watching.pageWasMissing);
    EXPECT_EQ(bytesOf(page), "new\r\n");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "page\r\n");
}

TEST_F(PageFileTest, FailedFirstSaveLeavesNoFileBehind)
{
    FailingOps ops({3}, FileOps::WriteResult::written);
    EXPECT_NE(errorOf([&] { writePageFile(folder / "p.html", {"new"}, ops); }), "no error");
    EXPECT_TRUE(names().empty());
}

} // namespace
} // namespace stocks
