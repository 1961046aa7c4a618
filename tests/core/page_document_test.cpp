// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_document.h"
#include "core/page_lines.h"
#include "core/stock_error.h"
#include "tests/support/error_of.h"
#include "tests/support/page_bytes.h"

#include <gtest/gtest.h>

using namespace stocks;

namespace {

PageList pageOf(Lines lines)
{
    PageList page;
    page.assign(std::move(lines));
    return page;
}

// The page a file saved by a close reads back as.
Lines readBackPage(const Lines& userLines, int minutes = 10)
{
    return plusEmptyLine(closedPage(userLines, minutes));
}

} // namespace

TEST(PageDocument, AddStockInsertsFourFromTheEndAndReplacesItsTwin)
{
    PageList page;
    seedNewPage(page);
    EXPECT_EQ(page.lines(), seededPage());
    addStock(page, "IBM", "95");
    EXPECT_EQ(page.at(1), lines::stock("IBM", "95"));

    page = pageOf(readBackPage({}));
    addStock(page, "IBM", "95");
    addStock(page, "MSFT", "12.5");
    addStock(page, "ibm", "95");
    Lines expected = readBackPage({});
    expected.insert(expected.begin() + 4,
                    {lines::stock("MSFT", "12.5"), lines::stock("ibm", "95")});
    EXPECT_EQ(page.lines(), expected);
}

TEST(PageDocument, RemoveStockNeedsTheSameNoteInAnyCase)
{
    const auto msft = lines::stock("MSFT", "12.5");
    PageList page = pageOf(readBackPage({msft, lines::stock("\xC9LAN", ""), msft}));
    removeStock(page, "MSFT", "");
    removeStock(page, "\xC9LAN\xD7", "");
    EXPECT_EQ(page.count(), 11u);
    removeStock(page, "msft", "12.5");
    removeStock(page, "\xE9lan", "");
    EXPECT_EQ(page.lines(), readBackPage({msft}));

    page = pageOf({lines::stock("A\xD7", ""), lines::stock("\xDE", "")});
    removeStock(page, "A\xF7", "");
    removeStock(page, "\xFE", "");
    EXPECT_EQ(page.lines(), Lines{lines::stock("A\xD7", "")});
}

TEST(PageDocument, OlderUnencodedStockLinesAreStillFound)
{
    const std::string symbol = "BRK \"B\"";
    const std::string older = lines::stockAsOlderPagesWrote(symbol, "300");
    ASSERT_NE(older, lines::stock(symbol, "300"));

    PageList page = pageOf({lines::title(), older, lines::nasdaq(), lines::dow(), lines::footer()});
    removeStock(page, symbol, "300");
    EXPECT_EQ(page.lines(),
              Lines({lines::title(), lines::nasdaq(), lines::dow(), lines::footer()}));

    page = pageOf(
        {lines::title(), older, lines::nasdaq(), lines::dow(), lines::site(), lines::footer()});
    addStock(page, symbol, "300");
    EXPECT_EQ(page.lines(), Lines({lines::title(), lines::stock(symbol, "300"), lines::nasdaq(),
                                   lines::dow(), lines::site(), lines::footer()}));
}

TEST(PageDocument, PlusAndMinusFindTheStockUnderAnyAddressItWasWrittenWith)
{
    const std::string chart = "https://c.example/c.png?t=%s&size=s";
    const std::string current = lines::stock("BRK B", "300", chart);
    EXPECT_EQ(current, "<img src=\"https://c.example/c.png?t=BRK%20B&size=s\">300");
    const Lines written = {current, lines::stock("BRK B", "300"),
                           lines::stockAsOlderPagesWrote("BRK B", "300")};
    const auto other = lines::stock("BRK B", "310", chart);
    for (const auto& line : written) {
        PageList page = pageOf({line, other});
        removeStock(page, "brk b", "300", chart);
        EXPECT_EQ(page.lines(), Lines{other}) << line;
    }
    // Every way the stock was written goes, duplicates too, and one line takes their place.
    PageList page = pageOf(readBackPage({written[2], other, written[1], written[0], written[1]}));
    addStock(page, "BRK B", "300", chart);
    Lines expected = readBackPage({other});
    expected.insert(expected.end() - 4, current);
    EXPECT_EQ(page.lines(), expected);
}

TEST(PageDocument, RebuildKeepsUserLinesBetweenFreshFixedLines)
{
    PageList page = pageOf(seededPage());
    rebuildForSaving(page, "10", "10");
    EXPECT_EQ(page.lines(), closedPage({lines::generator()}, 10));

    const auto ibm = lines::stock("IBM", "95");
    page = pageOf({"", lines::title(), ibm, "", lines::refresh(660), lines::refresh(120),
                   lines::title(), lines::refresh(720), lines::dow(), "", lines::footer()});
    rebuildForSaving(page, "11", "12");
    EXPECT_EQ(page.lines(), closedPage({ibm, lines::refresh(120)}, 12));
}

TEST(PageDocument, RebuildStopsAtABadMinutesTextAfterItsDeletions)
{
    const auto ibm = lines::stock("IBM", "95");
    PageList page = pageOf(readBackPage({ibm, lines::refresh(660)}));
    EXPECT_THROW(rebuildForSaving(page, "1l", "12"), StockError);
    EXPECT_EQ(page.lines(), (Lines{lines::refresh(600), ibm, lines::refresh(660)}));
    EXPECT_EQ(errorOf([&] { rebuildForSaving(page, "10", "x"); }),
              "'x' is not a valid integer value");
    EXPECT_EQ(page.lines(), (Lines{ibm, lines::refresh(660)}));
}

TEST(PageDocument, PlaceClosingLinesMovesOnlyWhatIsThere)
{
    const auto ibm = lines::stock("IBM", "95");
    PageList page = pageOf(readBackPage({}));
    addStock(page, "IBM", "95");
    placeClosingLines(page);
    EXPECT_EQ(page.lines(),
              (Lines{lines::title(), lines::refresh(600), lines::news(), lines::nasdaq(), ibm,
                     lines::dow(), "", lines::site(), lines::footer()}));

    page = pageOf({lines::site(), "a", "b"});
    placeClosingLines(page);
    EXPECT_EQ(page.lines(), (Lines{"a", lines::site(), "b"}));
    page = pageOf({lines::footer(), lines::site()});
    placeClosingLines(page);
    EXPECT_EQ(page.lines(), (Lines{lines::site(), lines::footer()}));
}

TEST(PageDocument, SetRefreshLineReplacesOnlyARefreshLine)
{
    PageList page = pageOf(readBackPage({lines::stock("IBM", "95")}));
    setRefreshLine(page, 660);
    EXPECT_EQ(page.lines(), readBackPage({lines::stock("IBM", "95")}, 11));

    page = pageOf({lines::title(), lines::stock("IBM", "95")});
    setRefreshLine(page, 660);
    setRefreshLine(page, 720);
    EXPECT_EQ(page.lines(),
              (Lines{lines::title(), lines::refresh(720), lines::stock("IBM", "95")}));

    page = pageOf(seededPage());
    setRefreshLine(page, 660);
    rebuildForSaving(page, "10", "11");
    EXPECT_EQ(page.lines(), closedPage({lines::generator()}, 11));
}

TEST(PageDocument, ShortListsTakeEveryEdit)
{
    PageList page;
    setRefreshLine(page, 60);
    addBrokerLine(page, "b.com");
    EXPECT_EQ(page.lines(), (Lines{lines::broker("b.com"), lines::refresh(60)}));
    setRefreshLine(page, 120);
    EXPECT_EQ(page.lines(), (Lines{lines::broker("b.com"), lines::refresh(120)}));
    addBrokerLine(page, "c.com");
    EXPECT_EQ(page.at(0), lines::broker("c.com"));
    addStock(page, "IBM", "");
    EXPECT_EQ(page.at(0), lines::stock("IBM", ""));

    page = pageOf(readBackPage({}));
    addBrokerLine(page, "b.com");
    EXPECT_EQ(page.at(page.count() - 4), lines::broker("b.com"));
}

TEST(PageDocument, RefusedLineLeavesThePageAlone)
{
    const Lines before = readBackPage({lines::stock("IBM", "95")});
    PageList page = pageOf(before);
    EXPECT_THROW(addStock(page, "IBM", "95\r\n"), StockError);
    EXPECT_THROW(removeStock(page, "IBM", std::string(5000, '9')), StockError);
    EXPECT_THROW(addBrokerLine(page, std::string(5000, 'b')), StockError);
    EXPECT_EQ(page.lines(), before);
}
