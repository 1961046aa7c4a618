// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// The settings file's promises where POSIX systems add their own: FIFOs, permission bits,
// links, and file names that are bytes.

#include "core/settings.h"

#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/settings_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <sys/stat.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsTest, RefusedWriteNamesTheFileAndChangesNothing)
{
    const auto expectRefused = [](Settings settings) {
        EXPECT_EQ(errorOf([&] { settings.writeString("form", "skin", "a.bmp"); }),
                  "Unable to write to " + settings.fileName().string());
        EXPECT_EQ(settings.readString("form", "skin", "0"), "0");
    };
    std::ofstream(folder_.path() / "plain") << "x";
    expectRefused(Settings(folder_.path() / "plain" / "stocks.INI"));
    fs::create_directory(folder_.path() / "dir.INI");
    expectRefused(Settings(folder_.path() / "dir.INI"));
    expectRefused(Settings(folder_.path() / "missing" / "stocks.INI"));
    const auto fifo = folder_.path() / "fifo.INI";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    expectRefused(Settings(fifo));
    // No write permission bits: refused even for root, who could write it.
    const auto readOnly = folder_.path() / "read-only.INI";
    std::ofstream(readOnly) << "[form]\nskin=0\n";
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read);
    expectRefused(Settings(readOnly));

    EXPECT_EQ(bytesOf(folder_.path() / "plain"), "x");
    EXPECT_TRUE(fs::is_empty(folder_.path() / "dir.INI"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(bytesOf(readOnly), "[form]\nskin=0\n");
    EXPECT_EQ(fs::status(readOnly).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 4) << "no temporary left";
}

TEST_F(SettingsTest, LinkedFileStaysALinkAndKeepsItsMode)
{
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    std::ofstream(folder_.path() / "real.INI") << "[form]\ntop=1\n";
    fs::permissions(folder_.path() / "real.INI", mode);
    fs::create_symlink(folder_.path() / "real.INI", folder_.path() / "stocks.INI");
    Settings(folder_.path() / "stocks.INI").writeInteger("form", "top", 2);
    EXPECT_TRUE(fs::is_symlink(folder_.path() / "stocks.INI"));
    EXPECT_EQ(bytesOf(folder_.path() / "real.INI"), "[form]\ntop=2\r\n");
    EXPECT_EQ(fs::status(folder_.path() / "real.INI").permissions(), mode);
}

TEST_F(SettingsTest, FileNamesKeepTheirBytesAndOlderWindows1252NamesStillRead)
{
    const auto wide = (folder_.path() / "\u7528\u6237" / "MorvaneStocks.html").string();
    const auto rawFolder = folder_.path() / "raw\xF6";
    fs::create_directory(rawFolder);
    const auto raw = (rawFolder / "page.html").string();
    auto settings = withFile("[html]\r\nold=/home/B\xF6rse/MorvaneStocks.html\r\n");
    settings.writeString("html", "file", wide);
    settings.writeString("form", "skin", raw);
    EXPECT_NE(bytesOf(settings.fileName()).find("file=" + wide + "\r\n"), std::string::npos);
    EXPECT_EQ(settings.readFileName("html", "file", ""), wide);
    // Not UTF-8, but its folder exists under exactly these bytes.
    EXPECT_EQ(settings.readFileName("form", "skin", "0"), raw);
    EXPECT_EQ(settings.readFileName("html", "old", ""), "/home/B\xC3\xB6rse/MorvaneStocks.html");
    EXPECT_EQ(settings.readFileName("html", "none", "0"), "0");
}

} // namespace
} // namespace stocks
