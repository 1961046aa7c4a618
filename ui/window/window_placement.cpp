// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <iterator>

namespace stocks {
namespace {

/// First and last pixel along one axis, wide enough for a stored place near the ends of
/// the integer range plus an offset.
struct Span {
    long long first;
    long long last;
};

/// How far apart two spans are; 0 where they overlap.
long long gap(Span a, Span b)
{
    return std::max({0LL, b.first - a.last, a.first - b.last});
}

/// The grab area on the screen, one span per axis.
struct Area {
    Span x;
    Span y;
};

/// Steps across plus steps down: squares could pass the range of long long.
long long distance(const Area& grab, const QRect& screen)
{
    return gap(grab.x, {screen.left(), screen.right()}) +
           gap(grab.y, {screen.top(), screen.bottom()});
}

/// Puts `start` so that `length` fits between `first` and `last`; a longer span keeps its
/// start on `first`, so the top and left of the window, where it is grabbed, stay in reach.
int fitted(int start, int length, int first, int last)
{
    return std::max(first, std::min(start, last - length + 1));
}

} // namespace

QPoint placeOnScreens(QPoint place, QSize size, const QRect& grabArea,
                      const std::vector<ScreenArea>& screens)
{
    const long long left = static_cast<long long>(place.x()) + grabArea.left();
    const long long top = static_cast<long long>(place.y()) + grabArea.top();
    const Area grab{{left, left + grabArea.width() - 1}, {top, top + grabArea.height() - 1}};
    const auto onScreen = [&grab](const ScreenArea& screen) {
        return distance(grab, screen.geometry) == 0 && !screen.geometry.isEmpty();
    };
    if (screens.empty() || std::any_of(screens.begin(), screens.end(), onScreen))
        return place;
    const auto nearest = std::min_element(
        screens.begin(), screens.end(), [&grab](const ScreenArea& a, const ScreenArea& b) {
            return distance(grab, a.geometry) < distance(grab, b.geometry);
        });
    const QRect& area = nearest->available;
    return {fitted(place.x(), size.width(), area.left(), area.right()),
            fitted(place.y(), size.height(), area.top(), area.bottom())};
}

std::vector<ScreenArea> screenAreas()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<ScreenArea> areas;
    std::transform(screens.begin(), screens.end(), std::back_inserter(areas),
                   [](const QScreen* screen) -> ScreenArea {
                       return {screen->geometry(), screen->availableGeometry()};
                   });
    return areas;
}

} // namespace stocks
