// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace stocks {

/// @brief One screen of the desktop: its whole area and the part windows may use.
struct ScreenArea {
    QRect geometry;
    QRect available;
};

/// Where a window of `size` stored at `place` opens on these screens. While any part of its
/// grab area (`grabArea`, relative to the window) lies on a screen the place is kept exactly,
/// even with part of the window past an edge. Otherwise the window could never be reached, so
/// it is moved, whole where it fits, onto the available area of the nearest screen. Any place
/// a settings file can hold is taken, up to the ends of the integer range.
QPoint placeOnScreens(QPoint place, QSize size, const QRect& grabArea,
                      const std::vector<ScreenArea>& screens);

/// The screens of the desktop as the window system reports them now.
std::vector<ScreenArea> screenAreas();

} // namespace stocks
