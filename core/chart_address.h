// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stocks {

class Settings;

/// The rule an address breaks as the address of the chart images, or nothing when the page
/// may carry it: "http://" or "https://" first, "%s" exactly once where the symbol goes, every
/// other "%" before two hex digits, and no '"', '<', '>', space or control byte.
std::optional<std::string_view> chartAddressFault(std::string_view address);

/// The chart address of [html] chart, or the built-in one when the key is absent or empty.
/// Throws StockError naming the settings file and the broken rule when the value breaks one.
std::string readChartAddress(const Settings& settings);

} // namespace stocks
