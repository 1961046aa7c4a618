// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/widgets/click_label.h"

#include <QApplication>
#include <QMouseEvent>

#include <utility>

namespace stocks {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    clickPending_ = event->button() == Qt::LeftButton;
    emit pressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && std::exchange(clickPending_, false) &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::activate()
{
    const QWidget* modal = QApplication::activeModalWidget();
    if (isHidden() || !isEnabled() || (modal && !modal->isAncestorOf(this)))
        return;
    emit pressed(Qt::LeftButton);
    emit clicked();
    emit doubleClicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The release that ends a double click is not a second click: "B" must not ask twice.
    clickPending_ = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    emit pressed(event->button());
}

} // namespace stocks
