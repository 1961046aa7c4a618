// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/settings.h"

#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"
#include "tests/support/settings_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace stocks {
namespace {

namespace fs = std::filesystem;

TEST_F(SettingsTest, IntegersFollowTheIntegerTextRules)
{
    const auto settings =
        withFile("[form]\r\n"
                 "hex=0x10\r\n$hex=$10\r\nlead=\" 12\"\r\nplus=+5\r\nminus= -7\r\n"
                 "trail=\"12 \"\r\nletters=abc\r\nhuge=2147483648\r\n"
                 "low=-2147483648\r\nempty=\r\nquoted=''\r\n"
                 "all=$FFFFFFFF\r\nover=0x100000000\r\nshort=0x7\r\nnine=9\r\n");
    const auto top = [&](std::string_view key) { return settings.readInteger("form", key, 100); };
    EXPECT_EQ(top("hex"), 16);
    EXPECT_EQ(top("$hex"), 16);
    EXPECT_EQ(top("lead"), 12);
    EXPECT_EQ(top("plus"), 5);
    EXPECT_EQ(top("minus"), -7);
    EXPECT_EQ(top("low"), INT32_MIN);
    EXPECT_EQ(top("all"), -1);
    EXPECT_EQ(top("short"), 7);
    EXPECT_EQ(top("nine"), 9);
    for (const auto* key : {"trail", "letters", "huge", "empty", "quoted", "absent", "over"})
        EXPECT_EQ(top(key), 100) << key;
    EXPECT_EQ(Settings(folder_.path() / "none.INI").readInteger("form", "top", 100), 100);
}

TEST_F(SettingsTest, BooleansAreIntegers)
{
    const auto settings = withFile("[broker]\nzero=0\none=1\nother=-3\nbad=yes\n");
    EXPECT_FALSE(settings.readBool("broker", "zero", true));
    EXPECT_TRUE(settings.readBool("broker", "one", false));
    EXPECT_TRUE(settings.readBool("broker", "other", false));
    EXPECT_TRUE(settings.readBool("broker", "bad", true));
    EXPECT_FALSE(settings.readBool("broker", "bad", false));
    EXPECT_TRUE(settings.readBool("broker", "vis", true));
}

TEST_F(SettingsTest, WritesRoundTripAndKeepForeignLines)
{
    Settings fresh(folder_.path() / "new.INI");
    EXPECT_EQ(fresh.readString("html", "file", " as given "), " as given ");
    fresh.writeString("html", "refrate", "10");
    EXPECT_EQ(bytesOf(fresh.fileName()), "[html]\r\nrefrate=10\r\n");

    auto settings = withFile("; mine\n[form]\nskin=0\n");
    settings.writeString("html", "file", "C:\\Stocks\\MorvaneStocks.html");
    settings.writeInteger("form", "top", -20);
    settings.writeInteger("form", "left", 2147483647);
    settings.writeBool("broker", "vis", false);
    EXPECT_EQ(bytesOf(settings.fileName()),
              "; mine\n[form]\nskin=0\ntop=-20\r\nleft=2147483647\r\n"
              "[html]\r\nfile=C:\\Stocks\\MorvaneStocks.html\r\n[broker]\r\nvis=0\r\n");
    EXPECT_EQ(settings.readString("HTML", "File", ""), "C:\\Stocks\\MorvaneStocks.html");
    EXPECT_EQ(settings.readInteger("form", "top", 100), -20);
    EXPECT_EQ(settings.readInteger("form", "left", 100), 2147483647);
    EXPECT_FALSE(settings.readBool("broker", "vis", true));
    settings.writeBool("broker", "vis", true);
    EXPECT_TRUE(settings.readBool("broker", "vis", false));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 2) << "no temporary left";
}

TEST_F(SettingsTest, SeveralKeysLandTogetherOrNotAtAll)
{
    auto settings = withFile("[form]\r\nskin=0\r\n");
    settings.writeStrings(
        {{"html", "file", "a.html"}, {"form", "top", "5"}, {"html", "refrate", "12"}});
    EXPECT_EQ(bytesOf(settings.fileName()),
              "[form]\r\nskin=0\r\ntop=5\r\n[html]\r\nfile=a.html\r\nrefrate=12\r\n");

    const std::string before = bytesOf(settings.fileName());
    EXPECT_THROW(settings.writeStrings({{"html", "file", "b.html"}, {"form", "top", "6\r\n"}}),
                 StockError);
    EXPECT_EQ(bytesOf(settings.fileName()), before);
}

TEST(SettingsFile, IsTheExecutableWithTheExtensionIni)
{
    EXPECT_EQ(settingsFileFor("/opt/stocks/stocks"), fs::path("/opt/stocks/stocks.INI"));
    EXPECT_EQ(settingsFileFor("a/b.exe"), fs::path("a/b.INI"));
    EXPECT_EQ(settingsFileFor("a/b.v2.exe"), fs::path("a/b.v2.INI"));
}

} // namespace
} // namespace stocks
