// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/chart_address.h"

#include "core/ascii_case.h"
#include "core/page_lines.h"
#include "core/settings.h"
#include "core/stock_error.h"

#include <cstddef>

namespace stocks {
namespace {

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

bool startsWith(std::string_view text, std::string_view head)
{
    return equalsIgnoringAsciiCase(text.substr(0, head.size()), head);
}

struct Percents {
    int placeholders = 0;
    bool stray = false;
};

// "%s" and "%XX" are read as units, so "%%s" is a stray "%" before a placeholder.
Percents percentsIn(std::string_view address)
{
    Percents found;
    std::size_t at = 0;
    while ((at = address.find('%', at)) != std::string_view::npos) {
        const std::string_view next = address.substr(at + 1, 2);
        if (next.size() == 2 && isHexDigit(next[0]) && isHexDigit(next[1])) {
            at += 3;
            continue;
        }
        if (next.empty() || next[0] != 's')
            found.stray = true;
        else
            ++found.placeholders;
        ++at;
    }
    return found;
}

} // namespace

std::optional<std::string_view> chartAddressFault(std::string_view address)
{
    if (!startsWith(address, "http://") && !startsWith(address, "https://"))
        return "must begin with http:// or https://";
    const Percents percents = percentsIn(address);
    if (percents.placeholders != 1)
        return "must hold one %s";
    if (percents.stray)
        return "must follow each % other than %s with two hex digits";
    // The address goes between the quotes of an <img> tag, where these bytes would end it.
    if (lines::addressText(address) != address)
        return "must not hold \", <, >, spaces or control characters";
    return std::nullopt;
}

std::string readChartAddress(const Settings& settings)
{
    std::string address = settings.readString("html", "chart", "");
    if (address.empty())
        return std::string(lines::builtInChartAddress());
    if (const auto fault = chartAddressFault(address))
        throw StockError("The chart address in %s " + std::string(*fault), settings.fileName());
    return address;
}

} // namespace stocks
