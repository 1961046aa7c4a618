// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// The page file's promises where Windows adds its own: sharing, the read-only attribute,
// process ids, and wide file names.

#include "core/page_file.h"

#include "core/file_io.h"
#include "core/file_names.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/page_file_fixture.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

#include <windows.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

// The id of a process that surely runs no more: one that was started, ended and waited for.
DWORD endedProcessId()
{
    std::wstring command = L"cmd.exe /c exit 0";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                          nullptr, nullptr, &startup, &process))
        return 0;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return process.dwProcessId;
}

HANDLE openedBySomeoneElse(const fs::path& file)
{
    return ::CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

TEST_F(PageFileTest, ThePageIsReadWithoutSharingAndAPageHeldElsewhereIsNeitherReadNorReplaced)
{
    const auto page = folder / "stocks.html";
    writeBytes(page, "held\r\n");
    {
        const InputFile reading = openRegularFile(page);
        ASSERT_EQ(reading.status, InputFile::Status::opened);
        const HANDLE second = openedBySomeoneElse(page);
        const DWORD error = ::GetLastError();
        EXPECT_EQ(second, INVALID_HANDLE_VALUE);
        EXPECT_EQ(error, static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    HANDLE other = openedBySomeoneElse(page);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(errorOf([&] { readPageFile(page); }), "Cannot open file " + page.string());
    EXPECT_EQ(errorOf([&] { writePageFile(page, {"new"}); }),
              "Cannot create file " + page.string());
    ::CloseHandle(other);
    EXPECT_EQ(bytesOf(page), "held\r\n");
    EXPECT_EQ(names(), std::set<std::string>{"stocks.html"});
}

TEST_F(PageFileTest, AReadOnlyPageIsNeverReplacedAndKeepsItsAttribute)
{
    const auto page = folder / "stocks.html";
    writeBytes(page, "mine\r\n");
    writeBytes(folder / "stocks.BAK", "older\r\n");
    ASSERT_TRUE(::SetFileAttributesW(page.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(errorOf([&] { writePageFile(page, {"new"}); }),
              "Cannot create file " + page.string());
    EXPECT_EQ(bytesOf(page), "mine\r\n");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "older\r\n");
    EXPECT_NE(::GetFileAttributesW(page.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ::SetFileAttributesW(page.c_str(), FILE_ATTRIBUTE_NORMAL);
    writePageFile(page, {"new"});
    EXPECT_EQ(bytesOf(page), "new\r\n");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "mine\r\n");
}

TEST_F(PageFileTest, SaveRemovesOnlyTheTemporariesOfEndedOrDayOldSaves)
{
    const DWORD ended = endedProcessId();
    ASSERT_NE(ended, 0u);
    const auto staged = [](const std::string& base, DWORD pid, const std::string& rest) {
        std::string name = ".";
        name.append(base).append(".").append(std::to_string(pid)).append(rest);
        return name;
    };
    const DWORD self = ::GetCurrentProcessId();
    const std::string aged = staged("stocks.html", self, "-7.tmp");
    const std::set<std::string> stale = {staged("stocks.html", ended, "-0.tmp"),
                                         staged("stocks.BAK", ended, "-12.tmp"), aged};
    std::set<std::string> kept = {
        staged("stocks.html", self, "-8.tmp"), staged("other.html", ended, "-0.tmp"),
        staged("stocks.html", ended, "-x.tmp"), staged("stocks.html", ended, "-0.tmp.part")};
    for (const auto& name : stale)
        writeBytes(folder / name, "left over");
    for (const auto& name : kept)
        writeBytes(folder / name, "someone's");
    fs::last_write_time(folder / aged, fs::file_time_type::clock::now() - std::chrono::hours(25));
    // Folders at every temporary name this process might pick block nothing and stay.
    for (int n = 0; n < 50; ++n) {
        const std::string name =
            staged("stocks.html", self, "-" + std::to_string(n).append(".tmp"));
        if (name != aged && kept.insert(name).second)
            fs::create_directory(folder / name);
    }
    kept.insert(staged("stocks.html", ended, "-1.tmp"));
    fs::create_directory(folder / staged("stocks.html", ended, "-1.tmp"));

    writePageFile(folder / "stocks.html", {"page"});
    writePageFile(folder / "stocks.html", {"again"});
    kept.insert({"stocks.html", "stocks.BAK"});
    EXPECT_EQ(names(), kept);
    EXPECT_EQ(bytesOf(folder / "stocks.html"), "again\r\n");
    EXPECT_EQ(bytesOf(folder / "stocks.BAK"), "page\r\n");
}

TEST_F(PageFileTest, NamesOutsideTheAnsiCodePageAreSavedAndNamedInMessages)
{
    const fs::path wideFolder = folder / fs::path(L"\u7528\u6237 Zo\u00eb");
    fs::create_directory(wideFolder);
    const fs::path page = wideFolder / fs::path(L"B\u00f6rse \u20ac.html");
    writePageFile(page, {"first"});
    writePageFile(page, {"second"});
    EXPECT_EQ(readPageFile(page), (Lines{"second", ""}));
    EXPECT_EQ(bytesOf(wideFolder / fs::path(L"B\u00f6rse \u20ac.BAK")), "first\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(wideFolder), {}), 2);

    const std::string missing = fileNameOf(wideFolder / "absent" / "p.html");
    EXPECT_NE(missing.find("\xE7\x94\xA8\xE6\x88\xB7 Zo\xC3\xAB"), std::string::npos);
    EXPECT_EQ(errorOf([&] { writePageFile(pathOf(missing), {}); }),
              "Cannot create file " + missing);
}

} // namespace
} // namespace stocks
