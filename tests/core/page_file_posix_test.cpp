// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// The page file's promises where POSIX systems add their own: links, FIFOs, file owners,
// process ids from fork, and the file-size limit.

#include "core/page_file.h"

#include "core/file_io.h"
#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/page_file_fixture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <set>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

// Writes under a file-size limit, which cuts a write short with no error for the bytes that
// still fit, and prints whether writeAll failed and what the page save reported.
[[noreturn]] void writeUnderFileSizeLimit(const fs::path& direct, const fs::path& page,
                                          const Lines& lines)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const FileHandle file(::open(direct.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666));
    const bool directFailed = !writeAll(file.get(), pageBytes(lines));
    const std::string error = errorOf([&] { writePageFile(page, lines); });
    std::fprintf(stderr, "%d %s", directFailed ? 1 : 0, error.c_str());
    std::exit(0);
}

TEST_F(PageFileTest, AWriteCutShortByTheFileSizeLimitFailsAndChangesNothing)
{
    const auto page = folder / "stocks.html";
    const auto backup = folder / "stocks.BAK";
    writeBytes(page, "page\r\n");
    writeBytes(backup, "backup\r\n");
    const Lines big(1000, std::string(99, 'x'));
    // Run in a child, which keeps the limit away from the other tests.
    EXPECT_EXIT(writeUnderFileSizeLimit(folder / "direct", page, big), testing::ExitedWithCode(0),
                "^1 Stream write error$");
    EXPECT_EQ(bytesOf(page), "page\r\n");
    EXPECT_EQ(bytesOf(backup), "backup\r\n");
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html", "stocks.BAK", "direct"}));
}

TEST_F(PageFileTest, SaveLeavesAloneWhatItDidNotCreate)
{
    const auto page = folder / "stocks.html";
    writeBytes(page, "old\r\n");
    // Whatever sits at the backup name and is no regular file stays as it is, and the page
    // is saved all the same.
    const auto backup = folder / "stocks.BAK";
    fs::create_directory(backup);
    writeBytes(backup / "mine.txt", "mine");
    writePageFile(page, {"first"});
    EXPECT_EQ(bytesOf(page), "first\r\n");
    EXPECT_EQ(bytesOf(backup / "mine.txt"), "mine");
    // Nor does a file handle close a descriptor it has handed on.
    FileHandle moved(::open(page.c_str(), O_RDONLY | O_CLOEXEC));
    const FileHandle owner(std::move(moved));
    moved = FileHandle();
    EXPECT_EQ(::fcntl(owner.get(), F_GETFD), FD_CLOEXEC);
    fs::remove_all(backup);
    writeBytes(folder / "elsewhere", "elsewhere");
    fs::create_symlink(folder / "elsewhere", backup);
    writePageFile(page, {"second"});
    EXPECT_EQ(bytesOf(page), "second\r\n");
    EXPECT_TRUE(fs::is_symlink(backup));
    EXPECT_EQ(bytesOf(folder / "elsewhere"), "elsewhere");
    fs::remove(backup);
    ASSERT_EQ(::mkfifo(backup.c_str(), 0600), 0);
    writePageFile(page, {"third"});
    EXPECT_EQ(bytesOf(page), "third\r\n");
    EXPECT_TRUE(fs::is_fifo(backup));
    fs::remove(backup);

    // Folders at every temporary name a save might pick, as a crash or another program
    // could leave them, block nothing and stay.
    std::set<std::string> planted;
    for (int n = 0; n < 50; ++n)
        planted.insert(".stocks.html." + std::to_string(::getpid()) + "-" + std::to_string(n) +
                       ".tmp");
    planted.insert(".stocks.html.new");
    planted.insert(".stocks.BAK.old");
    for (const auto& name : planted)
        fs::create_directory(folder / name);
    writePageFile(page, {"fourth"});
    writePageFile(page, {"fifth"});
    EXPECT_EQ(bytesOf(page), "fifth\r\n");
    EXPECT_EQ(bytesOf(backup), "fourth\r\n");
    planted.insert({"stocks.html", "stocks.BAK", "elsewhere"});
    EXPECT_EQ(names(), planted);
}

TEST_F(PageFileTest, SaveRemovesOnlyTheTemporariesKilledSavesLeftThatAreSurelyStale)
{
    // A process id that is surely not running: a child that ended and was waited for.
    const pid_t ended = ::fork();
    if (ended == 0)
        std::_Exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const auto staged = [](const std::string& base, pid_t pid, const std::string& rest) {
        return "." + base + "." + std::to_string(pid) + rest;
    };
    const std::string aged = staged("stocks.html", ::getpid(), "-7.tmp");
    const std::set<std::string> stale = {staged("stocks.html", ended, "-0.tmp"),
                                         staged("stocks.BAK", ended, "-12.tmp"), aged};
    std::set<std::string> kept = {
        staged("stocks.html", ::getpid(), "-8.tmp"), staged("other.html", ended, "-0.tmp"),
        staged("stocks.html", ended, "-x.tmp"), staged("stocks.html", ended, "-0.tmp.part"),
        "stocks.html." + std::to_string(ended) + "-0.tmp"};
    // Names only half those of a staged file.
    kept.insert({staged("stocks.html", ended, "x-0.tmp"), staged("stocks.html", ended, "-0.old")});
    for (const auto& name : stale)
        writeBytes(folder / name, "left over");
    for (const auto& name : kept)
        writeBytes(folder / name, "someone's");
    fs::last_write_time(folder / aged, fs::file_time_type::clock::now() - std::chrono::hours(25));
    const std::string folderName = staged("stocks.html", ended, "-1.tmp");
    const std::string linkName = staged("stocks.html", ended, "-2.tmp");
    const std::string foreignName = staged("stocks.html", ended, "-3.tmp");
    fs::create_directory(folder / folderName);
    fs::create_symlink(folder / "stocks.html", folder / linkName);
    kept.insert({folderName, linkName});
    if (::geteuid() == 0) {
        writeBytes(folder / foreignName, "another user's");
        ASSERT_EQ(::chown((folder / foreignName).c_str(), 65534, 65534), 0);
        kept.insert(foreignName);
    }

    writePageFile(folder / "stocks.html", {"page"});
    kept.insert("stocks.html");
    EXPECT_EQ(names(), kept);
}

TEST_F(PageFileTest, TwoWritersAtOnceNeverMixTheirPages)
{
    const auto page = folder / "stocks.html";
    const Lines ours(3000, std::string(99, 'a'));
    const Lines theirs(3000, std::string(99, 'b'));
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    for (int save = 0; save < 30; ++save) {
        try {
            writePageFile(page, other == 0 ? theirs : ours);
        } catch (const StockError&) {
            if (other == 0)
                std::_Exit(1);
            ADD_FAILURE() << "save " << save << " failed";
        }
    }
    if (other == 0)
        std::_Exit(0);
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_EQ(status, 0);
    for (const auto& file : {page, folder / "stocks.BAK"}) {
        const std::string saved = bytesOf(file);
        EXPECT_TRUE(saved == pageBytes(ours) || saved == pageBytes(theirs)) << file;
    }
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html", "stocks.BAK"}));
}

TEST_F(PageFileTest, ALinkedPageStaysALinkWithTheBackupBesideIt)
{
    // The page's file on another file system where one is at hand, where the backup
    // cannot be a second name of the page and is copied instead.
    const TempFolder elsewhere(fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : folder.path());
    const auto target = elsewhere / "real.htm";
    const auto page = folder / "stocks.html";
    writeBytes(target, "old\r\n");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(target, page);

    writePageFile(page, {"first"});
    writePageFile(page, {"second"});
    EXPECT_TRUE(fs::is_symlink(page));
    EXPECT_EQ(fs::read_symlink(page), target);
    EXPECT_EQ(bytesOf(target), "second\r\n");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "first\r\n");
    EXPECT_EQ(names(), (std::set<std::string>{"stocks.html", "stocks.BAK"}));
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), {}), 1);
}

} // namespace
} // namespace stocks
