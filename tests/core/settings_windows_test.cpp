// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// The settings file's promises where Windows adds its own: the read-only attribute, and file
// names that are UTF-16 while the settings file holds Windows-1252 text.

#include "core/settings.h"

#include "core/file_names.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/settings_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <iterator>

#include <windows.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsTest, AReadOnlyFileOrAFolderIsRefusedAndLeftAsItIs)
{
    const auto expectRefused = [](Settings settings) {
        EXPECT_EQ(errorOf([&] { settings.writeString("form", "skin", "a.bmp"); }),
                  "Unable to write to " + settings.fileName().string());
        EXPECT_EQ(settings.readString("form", "skin", "0"), "0");
    };
    const auto readOnly = folder_.path() / "read-only.INI";
    writeBytes(readOnly, "[form]\nskin=0\n");
    ASSERT_TRUE(::SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    expectRefused(Settings(readOnly));
    fs::create_directory(folder_.path() / "dir.INI");
    expectRefused(Settings(folder_.path() / "dir.INI"));
    expectRefused(Settings(folder_.path() / "missing" / "stocks.INI"));

    EXPECT_EQ(bytesOf(readOnly), "[form]\nskin=0\n");
    EXPECT_NE(::GetFileAttributesW(readOnly.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_TRUE(fs::is_empty(folder_.path() / "dir.INI"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2) << "no temporary left";
}

TEST_F(SettingsTest, FileNamesAreWindows1252WhereThatTextHoldsThemAndUtf8Otherwise)
{
    const std::string zoe = "C:\\Users\\Zo\xC3\xAB\\MorvaneStocks.html";
    const std::string chinese = "C:\\Users\\\xE7\x94\xA8\xE6\x88\xB7\\MorvaneStocks.html";
    // Windows-1252 "Ã©" is valid UTF-8 for "é": stored so, it would read back as another name.
    const std::string lookalike = "C:\\\xC3\x83\xC2\xA9\\skin.bmp";
    auto settings = withFile("[html]\r\nold=C:\\B\xF6rse\\MorvaneStocks.html\r\n");
    settings.writeFileName("html", "file", zoe);
    settings.writeFileName("form", "skin", chinese);
    settings.writeFileName("form", "other", lookalike);
    settings.writeFileName("form", "plain", "0");
    EXPECT_EQ(bytesOf(settings.fileName()), "[html]\r\nold=C:\\B\xF6rse\\MorvaneStocks.html\r\n"
                                            "file=C:\\Users\\Zo\xEB\\MorvaneStocks.html\r\n"
                                            "[form]\r\nskin=" +
                                                chinese + "\r\nother=" + lookalike +
                                                "\r\nplain=0\r\n");
    EXPECT_EQ(settings.readFileName("html", "file", ""), zoe);
    EXPECT_EQ(settings.readFileName("form", "skin", "0"), chinese);
    EXPECT_EQ(settings.readFileName("form", "other", "0"), lookalike);
    EXPECT_EQ(settings.readFileName("html", "old", ""), "C:\\B\xC3\xB6rse\\MorvaneStocks.html");
    EXPECT_EQ(pathOf(chinese), fs::path(L"C:\\Users\\\u7528\u6237\\MorvaneStocks.html"));
    EXPECT_EQ(fileNameOf(pathOf(chinese)), chinese);
}

} // namespace
} // namespace stocks
