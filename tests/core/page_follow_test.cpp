// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/settings.h"
#include "core/start_close.h"
#include "tests/support/error_of.h"
#include "tests/support/memory_run_values.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

namespace stocks {
namespace {

namespace fs = std::filesystem;

const std::string ibm = lines::stock("IBM", "95");
const std::string msft = lines::stock("MSFT", "30");
const std::string note = "<img src=\"x.png\"> MY NOTE<br>";

// A run on the default page file beside a "stocks" executable, with the edits a command
// makes: take in the page on disk, change the list, save.
class PageFollowTest : public testing::Test {
protected:
    PageFollowTest() { files = programFilesFor(folder / "stocks"); }

    void start() { runStartSequence(values, files, collect()); }
    bool close() { return runCloseSequence(values, files, collect()); }
    ErrorSink collect()
    {
        return [this](const StockError& error) { reports.push_back(error.what()); };
    }
    void add(const std::string& symbol, const std::string& price)
    {
        followPageFile(values);
        addStock(values.pageList(), symbol, price);
        savePage(values);
    }

    // What a text editor does: the page's bytes replaced in place, the file kept.
    void editByHand(const Lines& pageLines) const
    {
        std::ofstream(page(), std::ios::binary | std::ios::trunc) << pageBytes(pageLines);
    }

    fs::path page() const { return files.defaultPageFile; }
    fs::path backup() const { return folder / "MorvaneStocks.BAK"; }

    TempFolder folder;
    ProgramFiles files;
    MemoryRunValues values;
    Lines reports;
};

TEST_F(PageFollowTest, EditsMadeByHandBetweenSavesAndBeforeTheCloseAreKept)
{
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    start();
    const Lines edited = closedPage({ibm, note}, 10);
    editByHand(edited);

    add("MSFT", "30");
    Lines expected = plusEmptyLine(edited);
    expected.insert(expected.end() - 4, msft);
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));
    EXPECT_EQ(bytesOf(backup()), pageBytes(edited)) << "the backup holds the outside version";
    EXPECT_EQ(values.pageList().lines(), expected);

    // The outside edit may drop a line too; the session save and the close take it in.
    const Lines second = closedPage({note, msft, "<p>second</p>"}, 10);
    editByHand(second);
    runSessionSave(values, files, collect());
    EXPECT_EQ(values.pageList().lines(), plusEmptyLine(second));
    editByHand(closedPage({note, msft, "<p>third</p>"}, 10));
    values.setRefText("12");
    ASSERT_TRUE(close());
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({note, msft, "<p>third</p>"}, 12)));
    EXPECT_TRUE(reports.empty());
}

TEST_F(PageFollowTest, APageRemovedOrEmptiedByOthersIsWrittenFromTheList)
{
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    start();
    fs::remove(page());
    add("MSFT", "30");
    Lines held = plusEmptyLine(closedPage({ibm}, 10));
    held.insert(held.end() - 4, msft);
    EXPECT_EQ(bytesOf(page()), pageBytes(held));
    EXPECT_FALSE(fs::exists(backup()));

    // Emptied after a session save too: the save is no reason to leave it empty.
    runSessionSave(values, files, collect());
    editByHand({});
    ASSERT_TRUE(close());
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({ibm, msft}, 10)));
    EXPECT_EQ(bytesOf(backup()), "");
    EXPECT_TRUE(reports.empty());
}

TEST_F(PageFollowTest, APageThatTurnedUnreadableIsRefusedAndLeftAsItIs)
{
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    start();
    const std::string wide("\xFF\xFEh\0t\0m\0l\0", 10);
    writeBytes(page(), wide);
    const std::string refused = "Cannot open file " + page().string();
    EXPECT_EQ(errorOf([&] { add("MSFT", "30"); }), refused);
    EXPECT_EQ(values.pageList().lines(), plusEmptyLine(closedPage({ibm}, 10)));

    // The close reports it and ends, leaving the page and its backup alone.
    EXPECT_TRUE(close());
    EXPECT_EQ(reports, Lines{refused});
    EXPECT_EQ(bytesOf(page()), wide);
    EXPECT_FALSE(fs::exists(backup()));

    // Once it can be read again, the run takes it in and saves as before.
    writeBytes(page(), pageBytes(closedPage({note}, 10)));
    add("MSFT", "30");
    Lines expected = plusEmptyLine(closedPage({note}, 10));
    expected.insert(expected.end() - 4, msft);
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));
}

TEST_F(PageFollowTest, AnUnchangedPageIsNotReadAgain)
{
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    start();
    EXPECT_FALSE(followPageFile(values));
    add("MSFT", "30");
    EXPECT_FALSE(followPageFile(values)) << "the run's own save is no outside edit";
    const std::string saved = bytesOf(page());

    // Bytes changed behind an unchanged identity (same file, size and time) are not seen:
    // the check looks at the file's entry only, it never reads the page. The time is whole
    // seconds, which every system's way of setting it keeps.
    const auto time = std::chrono::floor<std::chrono::seconds>(fs::last_write_time(page()));
    fs::last_write_time(page(), time);
    followPageFile(values); // takes that time in
    std::string same = saved;
    same.replace(same.find("MSFT"), 4, "AAPL");
    {
        std::fstream file(page(), std::ios::binary | std::ios::in | std::ios::out);
        file << same;
    }
    fs::last_write_time(page(), time);
    EXPECT_FALSE(followPageFile(values));
    EXPECT_EQ(values.pageList().find(lines::stock("AAPL", "30")), std::nullopt);

    // One byte more is an edit.
    writeBytes(page(), same + "\r\n");
    EXPECT_TRUE(followPageFile(values));
    EXPECT_NE(values.pageList().find(lines::stock("AAPL", "30")), std::nullopt);
}

} // namespace
} // namespace stocks
