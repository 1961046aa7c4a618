// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace stocks {

struct OutlinePoint {
    std::int32_t x;
    std::int32_t y;
};

inline constexpr std::size_t dollarOutlineSize = 316;

/// @brief The dollar sign's outline in client pixels (y down), walked clockwise; the last
/// vertex repeats the first.
const std::array<OutlinePoint, dollarOutlineSize>& dollarOutline();

/// Whether a point lies inside the outline (even-odd crossing rule; the outline is simple).
bool outlineContains(double x, double y);

} // namespace stocks
