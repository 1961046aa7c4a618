// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/chart_address.h"

#include "core/page_lines.h"

#include <gtest/gtest.h>

#include <string>

using namespace stocks;

TEST(ChartAddress, OnlyAnAddressAnImageTagCanCarryIsTaken)
{
    for (const std::string_view address :
         {lines::builtInChartAddress(), std::string_view("https://c.example/c.png?t=%s&size=s"),
          std::string_view("HTTP://c.example/%s"),
          std::string_view("http://c.example/a%20b/%s.png?k=%7e\xE9")})
        EXPECT_EQ(chartAddressFault(address), std::nullopt) << address;

    const std::string scheme = "must begin with http:// or https://";
    const std::string once = "must hold one %s";
    const std::string percent = "must follow each % other than %s with two hex digits";
    const std::string bytes = "must not hold \", <, >, spaces or control characters";
    const std::pair<std::string, std::string> broken[] = {
        {"", scheme},
        {"ftp://c.example/%s", scheme},
        {"c.example/%s", scheme},
        {" http://c.example/%s", scheme},
        {"http://c.example/chart.png", once},
        {"http://c.example/%S", once},
        {"http://c.example/%s?again=%s", once},
        {"http://c.example/%s?w=100%", percent},
        {"http://c.example/%%s", percent},
        {"http://c.example/%s?x=%4g", percent},
        {"http://c.example/%s\" onerror=\"alert(1)", bytes},
        {"http://c.example/%s><script>", bytes},
        {"http://c.example/%s x", bytes},
        {"http://c.example/%s\t", bytes},
        {"http://c.example/%s\x7F", bytes},
    };
    for (const auto& [address, rule] : broken)
        EXPECT_EQ(chartAddressFault(address), rule) << address;
}
