// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_placement.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <climits>

namespace stocks {
namespace {

// The main window and its grab area as they stand with a 4-pixel frame and a 19-pixel caption.
const QSize window(146, 235);
const QRect grab(12, 23, 121, 57);

// A 1280 x 1024 screen with a panel along its bottom edge.
const ScreenArea primary{{0, 0, 1280, 1024}, {0, 0, 1280, 1000}};
const ScreenArea right{{1280, 0, 1920, 1080}, {1280, 0, 1920, 1040}};
const ScreenArea leftOfPrimary{{-1920, 0, 1920, 1080}, {-1920, 0, 1920, 1080}};
const ScreenArea tiny{{0, 0, 100, 100}, {0, 0, 100, 100}};

TEST(WindowPlacement, KeepsAPlaceWhoseGrabAreaIsOnAScreenAndBringsTheOthersOntoTheNearest)
{
    const struct {
        const char* layout;
        std::vector<ScreenArea> screens;
        QPoint stored;
        QPoint opened;
    } cases[] = {
        {"one screen", {primary}, {100, 100}, {100, 100}},
        {"one screen, far past its corner", {primary}, {3000, 3000}, {1134, 765}},
        {"one screen, grab area's last column on it", {primary}, {1267, 500}, {1267, 500}},
        {"one screen, grab area just past the right", {primary}, {1268, 500}, {1134, 500}},
        {"one screen, grab area just above", {primary}, {-100, -80}, {0, 0}},
        {"one screen, left of and above it", {primary}, {-2000, -1500}, {0, 0}},
        {"one screen, the ends of the integers", {primary}, {INT_MAX, INT_MIN}, {1134, 0}},
        {"two side by side, on the second", {primary, right}, {3000, 900}, {3000, 900}},
        {"two side by side, below both", {primary, right}, {1500, 1100}, {1500, 805}},
        {"a screen on the left, on it", {primary, leftOfPrimary}, {-1000, 500}, {-1000, 500}},
        {"a screen on the left, above", {primary, leftOfPrimary}, {-1000, -600}, {-1000, 0}},
        {"a screen smaller than the window", {tiny}, {500, 500}, {0, 0}},
        {"no screen known", {}, {3000, 3000}, {3000, 3000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.layout);
        EXPECT_EQ(placeOnScreens(c.stored, window, grab, c.screens), c.opened);
    }
}

} // namespace
} // namespace stocks
