// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/dollar_outline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace stocks {
namespace {

std::int64_t cross(OutlinePoint o, OutlinePoint a, OutlinePoint b)
{
    return std::int64_t{a.x - o.x} * (b.y - o.y) - std::int64_t{a.y - o.y} * (b.x - o.x);
}

// p lies on the segment ab (given that it lies on its line).
bool between(OutlinePoint a, OutlinePoint b, OutlinePoint p)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Closed segments: touching counts as meeting.
bool segmentsMeet(OutlinePoint a, OutlinePoint b, OutlinePoint c, OutlinePoint d)
{
    const std::int64_t abc = cross(a, b, c), abd = cross(a, b, d);
    const std::int64_t cda = cross(c, d, a), cdb = cross(c, d, b);
    if (((abc > 0 && abd < 0) || (abc < 0 && abd > 0)) &&
        ((cda > 0 && cdb < 0) || (cda < 0 && cdb > 0)))
        return true;
    return (abc == 0 && between(a, b, c)) || (abd == 0 && between(a, b, d)) ||
           (cda == 0 && between(c, d, a)) || (cdb == 0 && between(c, d, b));
}

// The vertices themselves are pinned by the committed skin bitmap: the resource generator
// paints it from this table, so a moved vertex that keeps the area changes the bitmap.
TEST(DollarOutline, IsAClosedSimpleClockwisePolygonOfTheStatedSpanAndArea)
{
    const auto& outline = dollarOutline();
    for (const OutlinePoint end : {outline.front(), outline.back()}) {
        EXPECT_EQ(end.x, 3);
        EXPECT_EQ(end.y, 135);
    }
    int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
    for (const OutlinePoint p : outline) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    EXPECT_EQ(minX, 2);
    EXPECT_EQ(maxX, 134);
    EXPECT_EQ(minY, 2);
    EXPECT_EQ(maxY, 201);

    const std::size_t edges = outline.size() - 1;
    std::int64_t twiceArea = 0;
    for (std::size_t i = 0; i < edges; ++i)
        twiceArea += cross({0, 0}, outline[i], outline[i + 1]);
    // Positive with y pointing down means clockwise on the screen.
    EXPECT_EQ(twiceArea, 2 * 17745);

    for (std::size_t i = 0; i < edges; ++i) {
        const OutlinePoint a = outline[i], b = outline[i + 1];
        ASSERT_FALSE(a.x == b.x && a.y == b.y) << "empty edge " << i;
        for (std::size_t j = i + 1; j < edges; ++j) {
            const OutlinePoint c = outline[j], d = outline[j + 1];
            const bool follows = j == i + 1;
            if (!follows && !(i == 0 && j == edges - 1)) {
                EXPECT_FALSE(segmentsMeet(a, b, c, d)) << "edges " << i << " and " << j;
                continue;
            }
            // Neighbours share one vertex and must not fold back along each other.
            const OutlinePoint shared = follows ? b : a, mine = follows ? a : b,
                               theirs = follows ? d : c;
            const std::int64_t dot = std::int64_t{mine.x - shared.x} * (theirs.x - shared.x) +
                                     std::int64_t{mine.y - shared.y} * (theirs.y - shared.y);
            EXPECT_FALSE(cross(shared, mine, theirs) == 0 && dot > 0) << "edges " << i << ", " << j;
        }
    }
}

TEST(DollarOutline, HoldsTheBowlsAndTheBarButNotTheMouths)
{
    EXPECT_TRUE(outlineContains(30, 50));   // upper bowl
    EXPECT_TRUE(outlineContains(105, 150)); // lower bowl
    EXPECT_TRUE(outlineContains(68, 100));  // middle stroke behind the bar
    EXPECT_TRUE(outlineContains(68, 5));    // top of the bar
    EXPECT_TRUE(outlineContains(68, 198));  // foot of the bar
    EXPECT_TRUE(outlineContains(20, 125));  // lower hook
    EXPECT_TRUE(outlineContains(120, 60));  // upper hook

    EXPECT_FALSE(outlineContains(100, 75)); // upper-right mouth
    EXPECT_FALSE(outlineContains(84, 72));  // ... against the bar
    EXPECT_FALSE(outlineContains(30, 112)); // lower-left mouth
    EXPECT_FALSE(outlineContains(52, 120)); // ... against the bar
    EXPECT_FALSE(outlineContains(45, 197)); // beside the foot
    EXPECT_FALSE(outlineContains(90, 8));   // beside the top
    EXPECT_FALSE(outlineContains(0.5, 0.5));
    EXPECT_FALSE(outlineContains(137.5, 202.5));
    EXPECT_FALSE(outlineContains(-10, 135));
    EXPECT_FALSE(outlineContains(300, 135));

    // Counting pixel centres measures the same area as the vertices do.
    int centresInside = 0;
    for (int y = 0; y < 203; ++y) {
        for (int x = 0; x < 138; ++x)
            centresInside += outlineContains(x + 0.5, y + 0.5) ? 1 : 0;
    }
    EXPECT_NEAR(centresInside, 17745, 90);
}

} // namespace
} // namespace stocks
