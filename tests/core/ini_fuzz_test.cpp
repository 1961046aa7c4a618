// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ini_profile.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <random>

namespace stocks {
namespace {

using namespace std::string_view_literals;

// Lines such a file holds, and a few it should not; '|' separates them.
constexpr auto fragments =
    "[html]| [ HTML ]\t|[form]|[Broker]x|[|[]|]|file=a| FILE = 'b' |top=0x10|"
    "Top\t=\t\"7\"|;file=c| ; top=1|| |\t|=v|refrate|vis==1|skin=\"|"
    "\xff\x80=\x01|a\0b=c|[new|left=\r"sv;
constexpr auto noise = "[]=; \t\r\n\"'aAfF0\x80\xff\0"sv;
constexpr std::array sections = {"html"sv, "form"sv, "broker"sv, "new"sv, "b"sv};
constexpr std::array keys = {"file"sv, "top"sv, "left"sv, "refrate"sv, "vis"sv, "skin"sv, "a"sv};

using Readings =
    std::map<std::pair<std::string_view, std::string_view>, std::optional<std::string>>;

Readings readAll(std::string_view text)
{
    Readings readings;
    for (const auto section : sections) {
        for (const auto key : keys)
            readings[{section, key}] = findProfileValue(text, section, key);
    }
    return readings;
}

TEST(IniFuzz, WriteSetsOneKeyAndLeavesTheOthers)
{
    std::mt19937 random(20240611);
    const auto below = [&](std::size_t bound) { return random() % bound; };
    const auto pick = [&](std::string_view from) { return from[below(from.size())]; };
    std::vector<std::string_view> lines;
    for (std::size_t at = 0, bar = 0; bar != std::string_view::npos; at = bar + 1) {
        bar = fragments.find('|', at);
        lines.push_back(fragments.substr(at, bar - at));
    }
    const auto spelled = [&](std::string_view name) {
        std::string result(below(3) == 0 ? " " : "");
        for (const char c : name)
            result += below(2) ? static_cast<char>(c - 'a' + 'A') : c;
        return result + (below(3) == 0 ? "\t" : "");
    };

    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (auto count = below(14); count > 0; --count) {
            for (auto length = below(4) == 0 ? below(10) : 0; length > 0; --length)
                text += pick(noise);
            text.append(lines[below(lines.size())])
                .append(std::array{"\n", "\r\n", "\r", ""}[below(4)]);
        }
        for (auto mutations = below(3); mutations > 0 && !text.empty(); --mutations)
            text[below(text.size())] = pick(noise);
        const auto section = sections[below(sections.size())];
        const auto key = keys[below(keys.size())];
        // Inner blanks, quotes, '=' and ';' are fine; blanks or a quote at the ends are not.
        std::string value = below(8) == 0 ? std::string(1100, 'x') : "v";
        for (auto length = below(20); length > 0; --length)
            value += pick("aZ09 =;[]'\"\\:.\x80\xff\t"sv);
        value += 'v';

        auto expected = readAll(text);
        const auto sectionAsTyped = spelled(section);
        const auto keyAsTyped = spelled(key);
        const auto written = withProfileValue(text, sectionAsTyped, keyAsTyped, value);
        const auto where = [&] {
            return testing::Message() << "round " << round << ", [" << sectionAsTyped << "] "
                                      << keyAsTyped << " in " << testing::PrintToString(text);
        };
        ASSERT_TRUE(written.has_value()) << where();
        expected[{section, key}] = value.substr(0, 1023);
        ASSERT_EQ(readAll(*written), expected) << where();
        ASSERT_EQ(withProfileValue(*written, sectionAsTyped, keyAsTyped, value), written)
            << "a rewrite is stable, " << where();
    }
}

} // namespace
} // namespace stocks
