// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/start_close.h"

#include "core/file_names.h"
#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/settings.h"
#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/memory_run_values.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

namespace stocks {
namespace {

namespace fs = std::filesystem;

const std::string ibm = lines::stock("IBM", "95");

class StartCloseTest : public testing::Test {
protected:
    StartCloseTest() { files = programFilesFor(folder / "stocks"); }

    void start(RunValues& values) { runStartSequence(values, files, collect()); }
    bool close(RunValues& values) { return runCloseSequence(values, files, collect()); }
    ErrorSink collect()
    {
        return [this](const StockError& error) { reports.push_back(error.what()); };
    }

    fs::path page() const { return files.defaultPageFile; }
    fs::path backup() const { return folder / "MorvaneStocks.BAK"; }

    TempFolder folder;
    ProgramFiles files;
    Lines reports;
};

TEST_F(StartCloseTest, FirstRunSeedsThePageAndTheCloseWritesPageAndSettings)
{
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(values.events, Lines({"shape", "settings", "spinner 10", "page", "spinner 10"}));
    EXPECT_EQ(values.windowTop(), 100);
    EXPECT_EQ(values.windowLeft(), 100);
    EXPECT_EQ(values.refText(), "10");
    EXPECT_EQ(values.oldrefCaption(), "10");
    EXPECT_EQ(values.spinnerPosition(), 10);
    EXPECT_TRUE(values.brokerVisible());
    EXPECT_EQ(values.skinFileName(), "0");
    EXPECT_EQ(values.pageFileName(), page().string());
    EXPECT_EQ(values.pageList().lines(), seededPage());
    EXPECT_FALSE(values.lookVisible());
    EXPECT_EQ(values.chartAddress(), lines::builtInChartAddress());

    ASSERT_TRUE(close(values));
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({lines::generator()}, 10)));
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_TRUE(values.lookVisible());
    EXPECT_EQ(
        bytesOf(files.settingsFile),
        "[html]\r\nfile=MorvaneStocks.html\r\nrefrate=10\r\n[form]\r\ntop=100\r\nleft=100\r\n");
}

TEST_F(StartCloseTest, StoredSettingsAreRestoredAndTheirPageFileIsUsed)
{
    fs::create_directory(folder / "elsewhere");
    const auto watch = folder / "elsewhere" / "watch.html";
    const auto original = pageBytes(closedPage({ibm}, 15));
    writeBytes(watch, original);
    writeBytes(files.settingsFile,
               "[html]\r\nfile=" + watch.string() +
                   "\r\nrefrate=15\r\nchart=\"https://c.example/c.png?t=%s\"\r\n[form]\r\n"
                   "top=250\r\nleft=-5\r\nskin=0\r\n[broker]\r\nvis=0\r\n");
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(values.events, Lines({"shape", "settings", "spinner 15", "page"}));
    EXPECT_EQ(values.pageFileName(), watch.string());
    EXPECT_EQ(values.refText(), "15");
    EXPECT_EQ(values.oldrefCaption(), "15");
    EXPECT_EQ(values.windowTop(), 250);
    EXPECT_EQ(values.windowLeft(), -5);
    EXPECT_FALSE(values.brokerVisible());
    EXPECT_EQ(values.chartAddress(), "https://c.example/c.png?t=%s");
    EXPECT_EQ(values.pageList().lines(), plusEmptyLine(closedPage({ibm}, 15)));

    values.setWindowPosition(300, 40);
    ASSERT_TRUE(close(values));
    EXPECT_EQ(bytesOf(watch), original);
    EXPECT_EQ(bytesOf(folder / "elsewhere" / "watch.BAK"), original);
    EXPECT_FALSE(fs::exists(page()));
    const Settings settings(files.settingsFile);
    EXPECT_EQ(settings.readString("html", "file", ""), watch.string());
    EXPECT_EQ(settings.readString("html", "refrate", ""), "15");
    EXPECT_EQ(settings.readInteger("form", "top", 0), 300);
    EXPECT_EQ(settings.readInteger("form", "left", 0), 40);
    EXPECT_FALSE(settings.readBool("broker", "vis", true));
    EXPECT_EQ(settings.readString("form", "skin", ""), "0");
    EXPECT_TRUE(reports.empty());
}

TEST_F(StartCloseTest, AnEmptyPageFileNameFallsBackToTheDefault)
{
    writeBytes(files.settingsFile, "[html]\r\nfile=\r\nchart=\r\n");
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(values.pageFileName(), page().string());
    EXPECT_EQ(values.chartAddress(), lines::builtInChartAddress());
    ASSERT_TRUE(close(values));
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({lines::generator()}, 10)));
    EXPECT_TRUE(reports.empty());
}

TEST_F(StartCloseTest, AFolderNamedOutsideTheAnsiCodePageKeepsItsPageAndFindsItAgain)
{
    const fs::path home = folder / fs::path(u8"\u7528\u6237 Zo\u00eb");
    fs::create_directory(home);
    files = programFilesFor(home / "stocks");
    MemoryRunValues first;
    start(first);
    EXPECT_EQ(pathOf(first.pageFileName()), home / "MorvaneStocks.html");
    ASSERT_TRUE(close(first));
    const Lines closed = closedPage({lines::generator()}, 10);
    EXPECT_EQ(bytesOf(home / "MorvaneStocks.html"), pageBytes(closed));
    EXPECT_NE(bytesOf(home / "stocks.INI").find("file=MorvaneStocks.html\r\n"), std::string::npos);

    MemoryRunValues second;
    start(second);
    EXPECT_EQ(second.pageFileName(), first.pageFileName());
    EXPECT_EQ(second.pageList().lines(), plusEmptyLine(closed));
    EXPECT_TRUE(reports.empty());
}

// The value the settings keep for the page, what a start makes of it, and what the close
// writes back: the default page follows its folder, a page set elsewhere stays as set.
TEST_F(StartCloseTest, TheDefaultPageIsStoredByItsNameAndAPageSetElsewhereAsSet)
{
    const fs::path relative = folder / "pages" / "watch.html";
    const fs::path elsewhere = folder / "elsewhere" / "watch.html";
    // What the previous version wrote before its folder was moved or renamed.
    const fs::path gone = folder / "gone" / "MorvaneStocks.html";
    const fs::path emptyFolder = folder / "kept" / "MorvaneStocks.html";
    struct Case {
        std::string stored;
        std::vector<fs::path> pages;
        fs::path used;
        bool closes;
        std::string written;
    };
    const std::string bare = "MorvaneStocks.html";
    for (const Case& c : {
             Case{bare, {page()}, page(), true, bare},
             Case{"", {page()}, page(), true, bare},
             Case{page().string(), {page()}, page(), true, bare},
             Case{"pages/watch.html", {relative, page()}, relative, true, "pages/watch.html"},
             Case{elsewhere.string(), {elsewhere, page()}, elsewhere, true, elsewhere.string()},
             Case{gone.string(), {page()}, page(), true, bare},
             // Nothing beside it to find: the old name fails as it always did.
             Case{gone.string(), {}, gone, false, gone.string()},
             // Only a gone folder is taken for a move: this one is kept, page or not.
             Case{emptyFolder.string(), {page()}, emptyFolder, true, emptyFolder.string()},
         }) {
        SCOPED_TRACE(c.stored + " used as " + c.used.string());
        for (const char* name : {"pages", "elsewhere", "kept"}) {
            fs::remove_all(folder / name);
            fs::create_directory(folder / name);
        }
        fs::remove(page());
        for (const fs::path& stocked : c.pages)
            writeBytes(stocked, pageBytes(closedPage({ibm}, 10)));
        writeBytes(files.settingsFile, "[html]\r\nfile=" + c.stored + "\r\n");
        reports.clear();
        MemoryRunValues values;
        start(values);
        EXPECT_EQ(values.pageFileName(), c.used.string());
        EXPECT_EQ(values.pageList().find(ibm).has_value(), fs::exists(c.used));
        EXPECT_EQ(close(values), c.closes);
        EXPECT_EQ(reports.empty(), c.closes);
        EXPECT_EQ(Settings(files.settingsFile).readString("html", "file", "<none>"), c.written);
    }
}

TEST_F(StartCloseTest, SkinAndRefrateErrorsAreReportedAndTheStartGoesOn)
{
    const Lines saved = closedPage({ibm}, 10);
    writeBytes(page(), pageBytes(saved));
    {
        writeBytes(files.settingsFile, "[form]\r\nskin=0.bmp\r\n");
        MemoryRunValues values;
        start(values);
        EXPECT_EQ(values.events, Lines({"shape", "settings", "skin 0.bmp", "spinner 10", "page"}));
        EXPECT_TRUE(reports.empty());
    }
    {
        writeBytes(files.settingsFile,
                   "[html]\r\nrefrate=abc\r\n[form]\r\nskin=/skins/bad.bmp\r\n");
        MemoryRunValues values;
        values.skinError = "Bitmap image is not valid";
        start(values);
        EXPECT_EQ(reports,
                  Lines({"Bitmap image is not valid", "'abc' is not a valid integer value"}));
        EXPECT_EQ(values.skinFileName(), "/skins/bad.bmp");
        EXPECT_EQ(values.refText(), "10");
        EXPECT_EQ(values.oldrefCaption(), "10");
        EXPECT_EQ(values.spinnerPosition(), 10);
        EXPECT_EQ(values.pageList().lines(), plusEmptyLine(saved));
        EXPECT_FALSE(values.pageFileUnreadable());

        ASSERT_TRUE(close(values));
        EXPECT_EQ(reports.size(), 2U);
        EXPECT_EQ(bytesOf(page()), pageBytes(saved));
        EXPECT_EQ(Settings(files.settingsFile).readString("html", "refrate", ""), "10");
    }
}

TEST_F(StartCloseTest, ABrokenChartAddressIsReportedOnceAndTheBuiltInOneServes)
{
    const std::string settings = "[HTML]\r\nChart=http://c.example/chart.png\r\nrefrate=15\r\n";
    writeBytes(files.settingsFile, settings);
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(reports,
              Lines{"The chart address in " + files.settingsFile.string() + " must hold one %s"});
    EXPECT_EQ(values.chartAddress(), lines::builtInChartAddress());
    EXPECT_EQ(values.refText(), "15");
    EXPECT_EQ(values.pageList().lines(), seededPage());
    EXPECT_EQ(bytesOf(files.settingsFile), settings);
}

TEST_F(StartCloseTest, APageFileThatCannotBeReadIsNeverOverwritten)
{
    fs::create_directory(page());
    writeBytes(page() / "keep.txt", "mine");
    const std::string refused = "Cannot open file " + page().string();
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(reports, Lines{refused});
    EXPECT_TRUE(values.pageFileUnreadable());
    EXPECT_EQ(values.pageList().count(), 0U);
    EXPECT_EQ(values.spinnerPosition(), 10);

    addStock(values.pageList(), "IBM", "95");
    EXPECT_EQ(errorOf([&] { savePage(values); }), refused);
    EXPECT_EQ(values.pageList().lines(), Lines{ibm});

    EXPECT_TRUE(close(values));
    EXPECT_EQ(reports, Lines({refused, refused}));
    EXPECT_TRUE(fs::is_directory(page()));
    EXPECT_EQ(bytesOf(page() / "keep.txt"), "mine");
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_EQ(Settings(files.settingsFile).readString("html", "file", ""), "MorvaneStocks.html");
}

TEST_F(StartCloseTest, AReadOnlyPageIsReadButNeverOverwritten)
{
    const std::string saved = pageBytes(closedPage({ibm}, 10));
    writeBytes(page(), saved);
    fs::permissions(page(), fs::perms::owner_read | fs::perms::group_read);
    const std::string refused = "Cannot create file " + page().string();
    MemoryRunValues values;
    start(values);
    EXPECT_EQ(values.pageList().lines(), plusEmptyLine(closedPage({ibm}, 10)));

    addStock(values.pageList(), "MSFT", "12");
    EXPECT_EQ(errorOf([&] { savePage(values); }), refused);
    values.setRefText("25");
    // The close reports it and ends rather than trapping the user.
    EXPECT_TRUE(close(values));
    EXPECT_EQ(reports, Lines{refused});
    EXPECT_EQ(bytesOf(page()), saved);
    EXPECT_FALSE(fs::exists(backup()));
    // The next start reads the minutes of the page on disk, so that once it is writable again
    // its close replaces that refresh line instead of adding a second one.
    EXPECT_EQ(Settings(files.settingsFile).readString("html", "refrate", "10"), "10");
    fs::permissions(page(), fs::perms::owner_read | fs::perms::owner_write);
    MemoryRunValues next;
    start(next);
    EXPECT_TRUE(close(next));
    EXPECT_EQ(bytesOf(page()), saved);
}

TEST_F(StartCloseTest, AFailedRebuildKeepsTheWindowOpenAndTheSettingsUntouched)
{
    const auto savedBytes = pageBytes(closedPage({ibm}, 10));
    const std::string settingsBytes = "[html]\r\nrefrate=10\r\n";
    struct Case {
        std::string oldref, ref, error;
        Lines left;
    };
    for (const Case& failing :
         {Case{"x", "10", "'x' is not a valid integer value", {lines::refresh(600), ibm}},
          Case{"10", "y", "'y' is not a valid integer value", {ibm}}}) {
        writeBytes(page(), savedBytes);
        writeBytes(files.settingsFile, settingsBytes);
        reports.clear();
        MemoryRunValues values;
        start(values);
        values.setOldrefCaption(failing.oldref);
        values.setRefText(failing.ref);
        EXPECT_FALSE(close(values));
        EXPECT_EQ(reports, Lines{failing.error});
        EXPECT_EQ(values.pageList().lines(), failing.left);
        EXPECT_EQ(bytesOf(page()), savedBytes);
        EXPECT_FALSE(fs::exists(backup()));
        EXPECT_EQ(bytesOf(files.settingsFile), settingsBytes);
    }
}

TEST_F(StartCloseTest, ASettingsFileThatCannotBeWrittenDoesNotBlockTheClose)
{
    fs::create_directory(files.settingsFile);
    MemoryRunValues values;
    start(values);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(close(values));
    EXPECT_EQ(reports, Lines{"Unable to write to " + files.settingsFile.string()});
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({lines::generator()}, 10)));
    EXPECT_TRUE(fs::is_directory(files.settingsFile));
    EXPECT_TRUE(fs::is_empty(files.settingsFile));
}

TEST_F(StartCloseTest, ASessionSaveWritesWhatTheCloseWouldAndTheCloseSavesOnlyChanges)
{
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    MemoryRunValues values;
    start(values);
    // A spinner step from 10 to 11 as the window makes it: the page keeps 600 seconds.
    setRefreshLine(values.pageList(), 600);
    values.setRefText("11");
    savePage(values);
    const std::string stepped = bytesOf(page());
    const Lines inMemory = values.pageList().lines();

    runSessionSave(values, files, collect());
    const std::string closed = pageBytes(closedPage({ibm}, 11));
    EXPECT_EQ(bytesOf(page()), closed);
    EXPECT_EQ(bytesOf(backup()), stepped);
    EXPECT_EQ(Settings(files.settingsFile).readString("html", "refrate", ""), "11");
    EXPECT_EQ(values.pageList().lines(), inMemory);

    // The logout's close right after it finds that page on disk and saves nothing more.
    ASSERT_TRUE(close(values));
    EXPECT_EQ(bytesOf(page()), closed);
    EXPECT_EQ(bytesOf(backup()), stepped);

    // A line deleted in the data list after a session save still goes at the close.
    MemoryRunValues next;
    start(next);
    runSessionSave(next, files, collect());
    next.pageList().remove(*next.pageList().find(ibm));
    ASSERT_TRUE(close(next));
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({}, 11)));
    EXPECT_EQ(bytesOf(backup()), closed);
    EXPECT_TRUE(reports.empty());
}

} // namespace
} // namespace stocks
