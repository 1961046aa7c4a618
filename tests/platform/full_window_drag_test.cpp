// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/full_window_drag.h"

#include <gtest/gtest.h>

namespace stocks::platform {
namespace {

// The switch belongs to the whole desktop: the test puts back what it found.
TEST(FullWindowDragTest, TheDesktopKeepsWhatWasSet)
{
    const bool before = dragFullWindows();
    setDragFullWindows(!before);
    EXPECT_EQ(dragFullWindows(), !before);
    setDragFullWindows(before);
    EXPECT_EQ(dragFullWindows(), before);
}

} // namespace
} // namespace stocks::platform
