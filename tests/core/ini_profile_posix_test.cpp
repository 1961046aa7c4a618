// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// A staged write cut short by the file-size limit, which only POSIX systems have.

#include "core/ini_profile.h"

#include "core/file_io.h"
#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace stocks {
namespace {

TEST(IniProfileFile, AStagedWriteThatFailsPartWayIsNeverPutInPlace)
{
    const TempFolder folder;
    const auto ini = folder / "stocks.INI";
    writeBytes(ini, "[html]\r\nfile=old\r\n");
    // Past the limit a write stops part-way with EFBIG, instead of the signal ending the test.
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t unlimited = limit.rlim_cur;
    limit.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const bool profileWritten = writeProfileString(ini, "html", "file", std::string(100, 'n'));
    {
        StagedFile staged(ini);
        const bool cutShort = !staged.write(std::string(100, 'n'));
        limit.rlim_cur = unlimited;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, handler);
        EXPECT_TRUE(cutShort);
        // The steps after the failed write could all succeed now; none may let it through.
        EXPECT_FALSE(staged.write("more"));
        EXPECT_FALSE(staged.finish());
        EXPECT_FALSE(staged.putInPlace());
    }
    EXPECT_FALSE(profileWritten);
    EXPECT_EQ(bytesOf(ini), "[html]\r\nfile=old\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

} // namespace
} // namespace stocks
