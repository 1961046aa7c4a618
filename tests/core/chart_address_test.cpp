// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/chart_address.h"

#include "core/page_lines.h"

#include <gtest/gtest.h>

using namespace stocks;

TEST(ChartAddress, OnlyAnAddressAnImageTagCanCarryIsTaken)
{
    EXPECT_EQ(chartAddressFault(lines::builtInChartAddress()), std::nullopt);
    EXPECT_EQ(chartAddressFault("HTTPS://c.example/a%20b/%s.png?k=%7e&s=\xE9"), std::nullopt);
    EXPECT_EQ(chartAddressFault("http://c.example/%s?k=%2f"), std::nullopt);

    const std::string percent = "must follow each % other than %s with two hex digits";
    const std::string bytes = "must not hold \", <, >, spaces or control characters";
    const std::pair<std::string_view, std::string> broken[] = {
        {"ftp://c.example/%s", "must begin with http:// or https://"},
        {"http://c.example/chart.png", "must hold one %s"},
        {"http://c.example/%s?again=%s", "must hold one %s"},
        {"http://c.example/%s?w=100%", percent},
        {"http://c.example/%%s", percent},
        {"http://c.example/%s\" onerror=\"alert(1)", bytes},
        {"http://c.example/%s x", bytes},
        {"http://c.example/%s\x7F", bytes},
    };
    for (const auto& [address, rule] : broken)
        EXPECT_EQ(chartAddressFault(address), rule) << address;
}
