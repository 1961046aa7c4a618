#include "ui/window_move_loop.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace stocks {
namespace {

/// Follows the mouse from where the press happened; Esc puts the window back.
class MoveTracker final : public QObject {
public:
    MoveTracker(QWidget& window, QEventLoop& loop)
        : window_(window), loop_(loop), startCursor_(QCursor::pos()), startWindow_(window.pos())
    {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            window_.move(startWindow_ + mouse->globalPosition().toPoint() - startCursor_);
            return true;
        }
        case QEvent::MouseButtonRelease:
            loop_.quit();
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                window_.move(startWindow_);
                loop_.quit();
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
    QWidget& window_;
    QEventLoop& loop_;
    QPoint startCursor_;
    QPoint startWindow_;
};

} // namespace

void runWindowMoveLoop(QWidget& window)
{
    if (QWindow* handle = window.windowHandle(); handle && handle->startSystemMove())
        return;
    QEventLoop loop;
    MoveTracker tracker(window, loop);
    qApp->installEventFilter(&tracker);
    window.grabMouse();
    window.grabKeyboard();
    loop.exec();
    window.releaseKeyboard();
    window.releaseMouse();
    qApp->removeEventFilter(&tracker);
}

} // namespace stocks
