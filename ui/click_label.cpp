#include "ui/click_label.h"

#include <QMouseEvent>

namespace stocks {

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace stocks
