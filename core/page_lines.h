// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/// @brief The texts of the page's lines. The same builders serve writing a line and looking
/// it up, so the two always agree.
namespace stocks::lines {

inline constexpr std::size_t maxLineLength = 4095;

std::string title();
/// The meta refresh line that makes the browser reload the page every `seconds` seconds.
std::string refresh(long long seconds);
/// The chart image address the page uses when the settings name none, "%s" standing for the
/// symbol.
std::string_view builtInChartAddress();
/// The chart image at chartAddress, "%s" replaced by the symbol percent-encoded where it
/// would end the address (see addressText), followed by the note exactly as typed. Throws
/// StockError, and builds nothing, when the line would hold a line break or a zero byte or be
/// longer than maxLineLength.
std::string stock(std::string_view symbol, std::string_view note,
                  std::string_view chartAddress = builtInChartAddress());
/// The stock line as older pages hold it, at the built-in address with the symbol unencoded;
/// only for finding such a line again, never for writing.
std::string stockAsOlderPagesWrote(std::string_view symbol, std::string_view note);
/// Every text a stock line for this symbol and note may have on a page, each once: at
/// chartAddress, at the built-in address, and as older pages wrote it. Only for finding
/// lines, so none is refused for its length.
std::vector<std::string> stockLinesToFind(std::string_view symbol, std::string_view note,
                                          std::string_view chartAddress);
/// The address is written after a fixed "http://", encoded as addressText does. Refused as
/// stock() refuses.
std::string broker(std::string_view address);

/// Text for inside a quoted address: '"', '<', '>', space and control bytes become %XX, so
/// that typed text cannot end the attribute or the tag; every other byte stays as typed.
std::string addressText(std::string_view typed);
std::string news();
std::string nasdaq();
std::string dow();
std::string site();
std::string generator();
std::string footer();

/// True when the line is the refresh line for some non-negative number of seconds,
/// ignoring letter case.
bool isRefreshLine(std::string_view line);

/// The maker's web address.
std::string_view makerHost();

} // namespace stocks::lines
