// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_shape.h"

#include "core/dollar_outline.h"
#include "platform/display_choice.h"
#include "platform/system_metrics.h"

#include <QPolygon>
#include <QRegion>
#include <QWidget>

namespace stocks {
ClientOffset clientOffset()
{
    using platform::SystemMetric;
    const int frame = platform::systemMetric(SystemMetric::CxFrame);
    const int caption = platform::systemMetric(SystemMetric::CyCaption);
    const int topFrame = platform::systemMetric(SystemMetric::CyFrame);
    return {frame, caption + topFrame};
}

void ApplyWindowShape(QWidget* window, bool keepCaptionBand)
{
    const auto [left, top] = clientOffset();
    const QRegion band = keepCaptionBand ? QRegion(0, 0, 2 * left + clientWidth, top) : QRegion();
    QPolygon points;
    points.reserve(static_cast<qsizetype>(dollarOutline().size()));
    for (const auto& vertex : dollarOutline())
        points << QPoint(vertex.x + left, vertex.y + top);
    const QRegion shape = band.xored(QRegion(points, Qt::WindingFill));
    window->setMask(shape);
    if (platform::masksWindowPixels())
        return;
    // This window system takes the mask only for the mouse and shows the whole rectangle of
    // a window; a translucent window whose children carry the shape shows the shape alone.
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            child->setMask(shape.translated(-child->pos()));
    }
}

} // namespace stocks
