// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <optional>

namespace stocks {

// Sizes read from a skin file are products and sums of fields the file chose freely: each is
// worked out in 64 bits with the overflow checked, and nothing comes back when it does not fit.

inline std::optional<std::int64_t> checkedProduct(std::int64_t a, std::int64_t b)
{
    std::int64_t result = 0;
    if (__builtin_mul_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

inline std::optional<std::int64_t> checkedSum(std::int64_t a, std::int64_t b)
{
    std::int64_t result = 0;
    if (__builtin_add_overflow(a, b, &result))
        return std::nullopt;
    return result;
}

} // namespace stocks
