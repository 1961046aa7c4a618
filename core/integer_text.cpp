// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/integer_text.h"

#include "core/stock_error.h"

#include <charconv>

namespace stocks {
namespace {

std::optional<std::int64_t> parseDigits(std::string_view digits, int base)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    const auto* end = digits.data() + digits.size();
    const auto [ptr, ec] = std::from_chars(digits.data(), end, value, base);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    // Hexadecimal fills the 32 bits, so $FFFFFFFF is -1; decimal must fit the signed range.
    if (base == 16) {
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    if (value > 0x80000000u)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

} // namespace

std::optional<std::int32_t> parseInteger(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const auto value = parseDigits(text.substr(2), 16);
        if (!value)
            return std::nullopt;
        return static_cast<std::int32_t>(*value);
    }
    const auto firstNonBlank = text.find_first_not_of(' ');
    if (firstNonBlank == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(firstNonBlank);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::int64_t> value;
    if (!text.empty() && text.front() == '$') {
        value = parseDigits(text.substr(1), 16);
    } else {
        // from_chars would take a sign of its own; only digits may follow ours.
        if (!text.empty() && (text.front() < '0' || text.front() > '9'))
            return std::nullopt;
        value = parseDigits(text, 10);
    }
    if (!value)
        return std::nullopt;
    const std::int64_t result = negative ? -*value : *value;
    if (result > INT32_MAX || result < INT32_MIN)
        return std::nullopt;
    return static_cast<std::int32_t>(result);
}

std::int32_t toInteger(std::string_view text)
{
    if (const auto value = parseInteger(text))
        return *value;
    throw StockError(formatMessage("'%s' is not a valid integer value", text));
}

} // namespace stocks
