// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <cmath>
#include <string_view>

// The icons' design on a grid of 16 x 16 cells: a disk, its lower right shaded, and a dollar
// sign. The 16-pixel icons draw one cell a pixel; the larger program icons draw the same grid.

/// The dollar sign, point-symmetric like the large one.
constexpr std::array<std::string_view, 16> iconDollar{
    "................", //
    ".......##.......", //
    ".....######.....", //
    "....########....", //
    "....##.##..##...", //
    "....##.##.......", //
    "....######......", //
    ".....######.....", //
    ".....######.....", //
    "......######....", //
    ".......##.##....", //
    "...##..##.##....", //
    "....########....", //
    ".....######.....", //
    ".......##.......", //
    "................", //
};

constexpr int iconGrid = 16;
constexpr double iconDiskRadius = 8.0;
/// The shade is what lies outside the disk moved this far up and left.
constexpr double iconShadeShift = 1.2;

inline bool inDollar(int column, int row)
{
    return iconDollar[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#';
}

/// Distance of a point of the grid (0..16 across) from the disk's centre moved up-left by shift.
inline double fromIconCentre(double x, double y, double shift)
{
    const double c = iconGrid / 2.0 - shift;
    return std::hypot(x - c, y - c);
}
