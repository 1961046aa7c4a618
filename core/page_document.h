// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_lines.h"
#include "core/page_list.h"

#include <string_view>

/// @brief The edits of the page document. None of them saves. Insert positions that fall
/// outside a short list are clamped to it, and a line that cannot be built changes nothing.
namespace stocks {

/// Title, NASDAQ, DOW, generator and footer lines: the page of a first run.
void seedNewPage(PageList& page);

/// Puts the stock line at chartAddress four lines from the end. Every line of the same
/// symbol and note goes first, whether it was written at chartAddress, at the built-in
/// address or unencoded by older pages, so that changing the address strands no stock and
/// the page never holds the stock twice.
void addStock(PageList& page, std::string_view symbol, std::string_view note,
              std::string_view chartAddress = lines::builtInChartAddress());
/// Deletes the first line of the symbol with that note, written in any of the ways addStock
/// replaces; the note must match too.
void removeStock(PageList& page, std::string_view symbol, std::string_view note,
                 std::string_view chartAddress = lines::builtInChartAddress());

/// Moves the footer line to the end and the site line just before the last line.
void placeClosingLines(PageList& page);

/// Replaces the refresh line at index 1; when index 1 holds another line, the refresh line
/// is inserted there and nothing is deleted.
void setRefreshLine(PageList& page, long long seconds);

/// Inserts the broker line three lines from the end, or first on a list of two lines or fewer.
void addBrokerLine(PageList& page, std::string_view address);

/// Rebuilds the fixed lines around the user lines before the page is written at close.
/// The minutes are converted only when the rebuild needs them, so a conversion error
/// leaves the deletions made before it.
void rebuildForSaving(PageList& page, std::string_view oldMinutesText,
                      std::string_view newMinutesText);

} // namespace stocks
