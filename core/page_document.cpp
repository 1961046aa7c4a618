// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/page_document.h"

#include "core/integer_text.h"
#include "core/line_match.h"
#include "core/page_lines.h"

#include <algorithm>
#include <string>

namespace stocks {
namespace {

std::size_t clampedIndex(long long index)
{
    return static_cast<std::size_t>(std::max(index, 0LL));
}

long long lineCount(const PageList& page)
{
    return static_cast<long long>(page.count());
}

template <typename Matches> void deleteWhere(PageList& page, Matches matches)
{
    std::size_t index = 0;
    while (index < page.count()) {
        if (matches(page.at(index)))
            page.remove(index);
        else
            ++index;
    }
}

// Same result as deleting the first match until none is left, in one pass.
void deleteAll(PageList& page, std::string_view text)
{
    deleteWhere(page, [&](const std::string& line) { return sameLine(line, text); });
}

// A stock line in any of the ways a page may hold it.
auto stockLineOf(std::string_view symbol, std::string_view note, std::string_view chartAddress)
{
    return [texts = lines::stockLinesToFind(symbol, note, chartAddress)](const std::string& line) {
        return std::any_of(texts.begin(), texts.end(),
                           [&](const std::string& text) { return sameLine(line, text); });
    };
}

// The target index counts in the list after the line is taken out.
void moveBelow(PageList& page, std::string_view text, long long target)
{
    const auto index = page.find(text);
    if (!index || static_cast<long long>(*index) >= target)
        return;
    std::string line = page.at(*index);
    page.remove(*index);
    page.insert(clampedIndex(target), std::move(line));
}

long long minutesToSeconds(std::string_view minutesText)
{
    return static_cast<long long>(toInteger(minutesText)) * 60;
}

} // namespace

void seedNewPage(PageList& page)
{
    page.insert(0, lines::title());
    page.append(lines::nasdaq());
    page.append(lines::dow());
    page.append(lines::generator());
    page.append(lines::footer());
}

void addStock(PageList& page, std::string_view symbol, std::string_view note,
              std::string_view chartAddress)
{
    std::string line = lines::stock(symbol, note, chartAddress);
    deleteWhere(page, stockLineOf(symbol, note, chartAddress));
    page.insert(clampedIndex(lineCount(page) - 4), std::move(line));
}

void removeStock(PageList& page, std::string_view symbol, std::string_view note,
                 std::string_view chartAddress)
{
    // A line that "+" would refuse to write is refused here too, rather than looked for.
    static_cast<void>(lines::stock(symbol, note, chartAddress));
    const auto& all = page.lines();
    const auto found =
        std::find_if(all.begin(), all.end(), stockLineOf(symbol, note, chartAddress));
    if (found != all.end())
        page.remove(static_cast<std::size_t>(found - all.begin()));
}

void placeClosingLines(PageList& page)
{
    moveBelow(page, lines::footer(), lineCount(page) - 1);
    moveBelow(page, lines::site(), lineCount(page) - 2);
}

void setRefreshLine(PageList& page, long long seconds)
{
    std::string line = lines::refresh(seconds);
    if (page.count() > 1 && lines::isRefreshLine(page.at(1)))
        page.remove(1);
    page.insert(1, std::move(line));
}

void addBrokerLine(PageList& page, std::string_view address)
{
    std::string line = lines::broker(address);
    page.insert(clampedIndex(lineCount(page) - 3), std::move(line));
}

void rebuildForSaving(PageList& page, std::string_view oldMinutesText,
                      std::string_view newMinutesText)
{
    for (const auto& fixed : {lines::news(), lines::footer(), lines::site(), lines::title(),
                              std::string(), lines::nasdaq(), lines::dow()})
        deleteAll(page, fixed);
    deleteAll(page, lines::refresh(minutesToSeconds(oldMinutesText)));
    const long long newSeconds = minutesToSeconds(newMinutesText);
    deleteAll(page, lines::refresh(newSeconds));
    page.append(lines::news());
    page.append(lines::nasdaq());
    page.append(lines::dow());
    page.append(lines::site());
    page.append(lines::footer());
    page.insert(0, lines::refresh(newSeconds));
    page.insert(0, lines::title());
}

} // namespace stocks
