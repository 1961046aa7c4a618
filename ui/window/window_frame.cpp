// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_frame.h"

#include "ui/window/window_fonts.h"
#include "ui/window/window_shape.h"

#include <QPaintEvent>
#include <QPainter>

namespace stocks {

WindowFrame::WindowFrame(QWidget* window) : QWidget(window)
{
    setGeometry(window->rect());
    // Assistive tools list it between the window and its controls.
    setAccessibleName(QStringLiteral("Window frame"));
}

void WindowFrame::paintEvent(QPaintEvent* event)
{
    const auto [left, top] = clientOffset();
    // Where the window's shape leaves none of the frame to see, painting it (and loading the
    // caption's font) would be work for nothing.
    const QRegion frame = QRegion(rect()) - QRect(left, top, clientWidth, clientHeight);
    const QRegion shape = window()->mask();
    if (!shape.isEmpty() && !shape.intersects(frame.intersected(event->region())))
        return;
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.fillRect(0, 0, width(), top, QColor(0, 0, 128));
    painter.setPen(Qt::white);
    painter.setFont(windowsFont(Face::MsSansSerif, 11, Bold));
    painter.drawText(QRect(left + 2, left, width(), top - left), Qt::AlignLeft | Qt::AlignVCenter,
                     window()->windowTitle());
}

} // namespace stocks
