// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_move_loop.h"

#include "platform/system_move.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace stocks {
namespace {

/// Keeps the window where the press put it relative to the mouse; Esc puts it back.
class MoveTracker final : public QObject {
public:
    MoveTracker(QWidget& window, QEventLoop& loop)
        : window_(window), loop_(loop), startWindow_(window.pos())
    {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (ended_)
            return false;
        switch (event->type()) {
        case QEvent::MouseMove:
            follow(*static_cast<QMouseEvent*>(event));
            return true;
        case QEvent::MouseButtonRelease:
            follow(*static_cast<QMouseEvent*>(event));
            end();
            // Delivered on, so that the widget that took the press also sees its end.
            return false;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                window_.move(startWindow_);
                end();
            }
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

private:
    void end()
    {
        ended_ = true;
        loop_.quit();
    }

    // Measured from the press itself, not from where the cursor is when the loop starts:
    // on X11 the pointer may already have travelled on by then.
    void follow(const QMouseEvent& mouse)
    {
        const QEventPoint& point = mouse.points().constFirst();
        window_.move(startWindow_ +
                     (point.globalPosition() - point.globalPressPosition()).toPoint());
    }

    QWidget& window_;
    QEventLoop& loop_;
    QPoint startWindow_;
    bool ended_ = false;
};

} // namespace

void runWindowMoveLoop(QWidget& window)
{
    // A move follows a held button; a press from a screen reader holds none.
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    if (QWindow* handle = window.windowHandle(); handle && platform::runSystemMoveLoop(*handle))
        return;
    QEventLoop loop;
    MoveTracker tracker(window, loop);
    qApp->installEventFilter(&tracker);
    window.grabKeyboard();
    loop.exec();
    window.releaseKeyboard();
    qApp->removeEventFilter(&tracker);
}

} // namespace stocks
