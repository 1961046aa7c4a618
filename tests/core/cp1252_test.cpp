// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/cp1252.h"

#include <gtest/gtest.h>

namespace stocks {
namespace {

TEST(Cp1252, ConversionsHoldAtTheCodePagesEdges)
{
    // DEL is the last byte that is the same in both; U+0080 is a C1 control Windows-1252
    // does not hold, while the euro sign, three bytes in UTF-8, is its byte 0x80.
    EXPECT_EQ(cp1252FromUtf8("\x7F"), "\x7F");
    EXPECT_EQ(cp1252FromUtf8("\xC2\x80"), std::nullopt);
    EXPECT_EQ(cp1252FromUtf8("a\xE2\x82\xAC"), "a\x80");
    EXPECT_EQ(cp1252FromUtf8("\xC2\xA0\xC3\xBF"), "\xA0\xFF");
    EXPECT_EQ(cp1252FromUtf8("\xE7\x94\xA8"), std::nullopt);
    EXPECT_EQ(cp1252FromUtf8("\xE2\x82"), std::nullopt);
    EXPECT_EQ(utf8FromCp1252("\x7F\x80\x81\x9F\xFF"), "\x7F\xE2\x82\xAC\xC2\x81\xC5\xB8\xC3\xBF");

    EXPECT_TRUE(isValidUtf8("a\xC2\x80\xE7\x94\xA8\xF0\x9F\x92\xB6\xF4\x8F\xBF\xBF"));
    for (const char* bad :
         {"\x80", "\xC0\xAF", "\xC2", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF",
          "\xF4\x90\x80\x80", "\xC3\x28", "B\xF6rse", "\xED\xBF\xBF"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

} // namespace
} // namespace stocks
