// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// A page file read as the start reads it, then edited as the commands and the close edit it.
// The input's first line holds the symbol, the note, the old and the new refresh minutes and
// the chart address setting, separated by '|'; the page file's bytes follow it.

#include "target_support.h"

#include "core/chart_address.h"
#include "core/integer_text.h"
#include "core/line_match.h"
#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/stock_error.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>

namespace stocks::fuzz {
namespace {

using MaybeLine = std::optional<std::string>;

MaybeLine lineOrNothing(const std::function<std::string()>& build)
{
    try {
        return build();
    } catch (const StockError&) {
        return std::nullopt;
    }
}

bool matchesAny(std::string_view line, std::initializer_list<MaybeLine> texts)
{
    return std::any_of(texts.begin(), texts.end(),
                       [line](const MaybeLine& text) { return text && sameLine(line, *text); });
}

// Runs one edit and aborts when it took out more than `most` lines, or one that `removable`
// does not allow. An edit that fails part-way keeps what it removed before failing.
void checkEdit(PageList& page, const std::function<void()>& edit,
               const std::function<bool(std::string_view)>& removable, std::size_t most)
{
    std::multiset<std::string> lost(page.lines().begin(), page.lines().end());
    try {
        edit();
    } catch (const StockError&) {
    }
    for (const auto& line : page.lines()) {
        if (const auto kept = lost.find(line); kept != lost.end())
            lost.erase(kept);
    }
    require(lost.size() <= most, "an edit removes no more lines than it may");
    require(std::all_of(lost.begin(), lost.end(), removable),
            "every line lost is one the edit removes");
}

// What the edits are made with, from the input's first line.
struct EditValues {
    std::string_view symbol;
    std::string_view note;
    std::string_view oldMinutes;
    std::string_view newMinutes;
    std::string_view chart;
};

EditValues editValuesOf(std::string_view line)
{
    std::array<std::string_view, 5> fields;
    for (auto& field : fields) {
        field = line.substr(0, line.find('|'));
        line.remove_prefix(std::min(line.size(), field.size() + 1));
    }
    // The program starts only with a chart address that keeps its rules.
    const bool ownChart = !fields[4].empty() && !chartAddressFault(fields[4]);
    return {fields[0], fields[1], fields[2], fields[3],
            ownChart ? fields[4] : lines::builtInChartAddress()};
}

void readAndEdit(std::string_view input)
{
    const auto lineEnd = std::min(input.find('\n'), input.size());
    const EditValues edit = editValuesOf(input.substr(0, lineEnd));
    const std::string_view bytes = input.substr(std::min(input.size(), lineEnd + 1));

    static ScratchFile file("page.html");
    std::optional<std::vector<std::string>> read;
    try {
        read = readPageFile(file.write(bytes));
    } catch (const StockError&) {
        return;
    }
    const auto lineFeeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    require(read && read->size() == lineFeeds + 1, "reading keeps one line for every line feed");
    PageList page;
    page.assign(std::move(*read));

    // Adding a stock takes out every line of it, at any chart address a page may hold it;
    // removing one takes out one.
    const auto stockTexts = lines::stockLinesToFind(edit.symbol, edit.note, edit.chart);
    const auto isStock = [&](std::string_view line) {
        return std::any_of(stockTexts.begin(), stockTexts.end(),
                           [line](const std::string& text) { return sameLine(line, text); });
    };
    checkEdit(
        page, [&] { addStock(page, edit.symbol, edit.note, edit.chart); }, isStock, page.count());
    checkEdit(
        page, [&] { placeClosingLines(page); }, isStock, 0);
    const long long seconds = parseInteger(edit.newMinutes).value_or(10) * 60LL;
    checkEdit(
        page, [&] { setRefreshLine(page, seconds); }, lines::isRefreshLine, 1);
    checkEdit(
        page, [&] { removeStock(page, edit.symbol, edit.note, edit.chart); }, isStock, 1);

    const auto refreshOf = [](std::string_view minutes) {
        return lineOrNothing([&] { return lines::refresh(toInteger(minutes) * 60LL); });
    };
    const MaybeLine oldRefresh = refreshOf(edit.oldMinutes);
    const MaybeLine newRefresh = refreshOf(edit.newMinutes);
    const auto isFixed = [&](std::string_view line) {
        return matchesAny(line,
                          {lines::news(), lines::footer(), lines::site(), lines::title(),
                           std::string(), lines::nasdaq(), lines::dow(), oldRefresh, newRefresh});
    };
    checkEdit(
        page, [&] { rebuildForSaving(page, edit.oldMinutes, edit.newMinutes); }, isFixed,
        page.count());
}

} // namespace
} // namespace stocks::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    stocks::fuzz::readAndEdit(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
