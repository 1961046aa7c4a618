// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// libUEMF's text conversions: the system's iconv on Linux, the build's own small one on
// Windows (packaging/windows/uemf). Both must read and write the same texts and refuse the
// same broken ones.

#include <cstddef> // uemf_utf.h uses size_t without declaring it
#include <cstdint>
#include <cstdlib>

#include <uemf_utf.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Owned = std::unique_ptr<T, Free>;

// "Zoë €" and a character beyond the 16-bit plane (U+1D11E), in UTF-8.
const std::string mixed = "Zo\xC3\xAB \xE2\x82\xAC\xF0\x9D\x84\x9E";

TEST(UemfText, Utf8RoundTripsThroughUtf16AndUtf32)
{
    std::size_t length = 0;
    Owned<std::uint16_t> utf16(U_Utf8ToUtf16le(mixed.c_str(), 0, &length));
    ASSERT_TRUE(utf16);
    const std::vector<std::uint16_t> expected16 = {'Z', 'o', 0xEB, ' ', 0x20AC, 0xD834, 0xDD1E};
    EXPECT_EQ(length, expected16.size());
    EXPECT_EQ(std::vector<std::uint16_t>(utf16.get(), utf16.get() + expected16.size() + 1),
              (std::vector<std::uint16_t>{'Z', 'o', 0xEB, ' ', 0x20AC, 0xD834, 0xDD1E, 0}));

    Owned<char> back(U_Utf16leToUtf8(utf16.get(), 0, &length));
    ASSERT_TRUE(back);
    EXPECT_EQ(std::string(back.get()), mixed);
    EXPECT_EQ(length, mixed.size());

    Owned<std::uint32_t> utf32(U_Utf8ToUtf32le(mixed.c_str(), 0, &length));
    ASSERT_TRUE(utf32);
    EXPECT_EQ(std::vector<std::uint32_t>(utf32.get(), utf32.get() + 7),
              (std::vector<std::uint32_t>{'Z', 'o', 0xEB, ' ', 0x20AC, 0x1D11E, 0}));
    Owned<std::uint16_t> from32(U_Utf32leToUtf16le(utf32.get(), 0, &length));
    ASSERT_TRUE(from32);
    EXPECT_EQ(std::vector<std::uint16_t>(from32.get(), from32.get() + 8),
              std::vector<std::uint16_t>(utf16.get(), utf16.get() + 8));
    Owned<char> from32to8(U_Utf32leToUtf8(utf32.get(), 0, &length));
    ASSERT_TRUE(from32to8);
    EXPECT_EQ(std::string(from32to8.get()), mixed);
}

TEST(UemfText, Latin1TextConvertsBothWays)
{
    std::size_t length = 0;
    Owned<char> utf8(U_Latin1ToUtf8("Zo\xEB", 0, &length));
    ASSERT_TRUE(utf8);
    EXPECT_EQ(std::string(utf8.get()), "Zo\xC3\xAB");
    Owned<char> latin1(U_Utf8ToLatin1("Zo\xC3\xAB", 0, &length));
    ASSERT_TRUE(latin1);
    EXPECT_EQ(std::string(latin1.get()), "Zo\xEB");
    EXPECT_EQ(length, 3U);
    // What Latin-1 lacks is replaced, never a failure.
    Owned<char> replaced(U_Utf8ToLatin1("\xE2\x82\xAC", 0, &length));
    ASSERT_TRUE(replaced);
    EXPECT_GT(length, 0U);
}

TEST(UemfText, BrokenTextIsRefused)
{
    for (const char* broken :
         {"\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xE2\x82", "\xF8\x88\x80\x80\x80"}) {
        Owned<std::uint16_t> utf16(U_Utf8ToUtf16le(broken, 0, nullptr));
        EXPECT_FALSE(utf16) << "accepted " << broken;
    }
    const std::uint16_t loneLow[] = {'a', 0xDC00, 0};
    const std::uint16_t loneHigh[] = {'a', 0xD800, 'b', 0};
    EXPECT_FALSE(Owned<char>(U_Utf16leToUtf8(loneLow, 0, nullptr)));
    EXPECT_FALSE(Owned<char>(U_Utf16leToUtf8(loneHigh, 0, nullptr)));
}

} // namespace
