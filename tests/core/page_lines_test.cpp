// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_lines.h"
#include "core/stock_error.h"
#include "tests/support/page_bytes.h"

#include <gtest/gtest.h>

using namespace stocks;

// The golden lines are made from the configured hosts, so this holds under any build options.
TEST(PageLines, TextsMatchTheGoldenLines)
{
    const Lines built = {
        lines::title(),
        lines::refresh(600),
        lines::stock("IBM", "95"),
        lines::stock("IBM", ""),
        lines::broker("www.broker.com"),
        lines::news(),
        lines::nasdaq(),
        lines::dow(),
        lines::site(),
        lines::generator(),
        lines::footer(),
        lines::stock("BRK\"><b> X", "Up <b>2%</b> & \"more\""),
        lines::broker("evil.example/\"><b style=\"font-size:40px\">INJECTED</b><a x=\""),
        lines::broker("broker.example/?id=1&x=\"2\"\t\x7F"),
    };
    Lines golden;
    const std::string bytes = bytesOf(STOCKS_GOLDEN_LINES);
    for (std::size_t from = 0, end; (end = bytes.find('\n', from)) != std::string::npos;
         from = end + 1)
        golden.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(built, golden);
}

TEST(PageLines, RefusesLinesThePageFileCannotHold)
{
    EXPECT_THROW(lines::stock("IBM", "9\n5"), StockError);
    EXPECT_THROW(lines::stock("IBM", "9\r5"), StockError);
    EXPECT_THROW(lines::stock("IBM", std::string("9\0"
                                                 "5",
                                                 3)),
                 StockError);
    EXPECT_EQ(lines::broker("a\r\nb"), lines::broker("a%0D%0Ab"));
    EXPECT_EQ(lines::addressText(" !~\x7F"), "%20!~%7F");
    const auto room = lines::maxLineLength - lines::stock("", "").size();
    EXPECT_EQ(lines::stock("", std::string(room, 'x')).size(), lines::maxLineLength);
    EXPECT_THROW(lines::stock("", std::string(room + 1, 'x')), StockError);
    const auto brokerRoom = lines::maxLineLength - lines::broker("").size();
    EXPECT_NO_THROW(lines::broker(std::string(brokerRoom, 'x')));
    EXPECT_THROW(lines::broker(std::string(brokerRoom + 1, 'x')), StockError);
}

TEST(PageLines, RecognisesRefreshLinesForAnyPeriod)
{
    EXPECT_TRUE(lines::isRefreshLine(lines::refresh(0)));
    EXPECT_TRUE(lines::isRefreshLine(lines::refresh(5940)));
    EXPECT_TRUE(lines::isRefreshLine(lines::refresh(128849018820LL)));
    EXPECT_TRUE(lines::isRefreshLine("<META http-equiv=\"REFRESH\" content=\"60\";></HEAD><BODY>"
                                     "<FONT FACE=\"VERDANA\" SIZE=-2>"));
    const std::string head = "<meta HTTP-EQUIV=\"refresh\" CONTENT=\"";
    const std::string tail = "\";></head><body><font face=\"verdana\" size=-2>";
    for (const std::string number : {"", "-60", "0600", "06", "6x0", " 60"})
        EXPECT_FALSE(lines::isRefreshLine(head + number + tail)) << number;
    EXPECT_FALSE(lines::isRefreshLine(lines::refresh(60) + " "));
    EXPECT_FALSE(lines::isRefreshLine(head + "60" + std::string(tail.size(), '>')));
    EXPECT_FALSE(lines::isRefreshLine(lines::title()));
}
