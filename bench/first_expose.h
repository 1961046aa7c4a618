// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <utility>

namespace stocks::bench {

/// @brief Runs an action from the event loop once a window has been exposed and painted for
/// the first time. A window that never shows ends the application with exit code 3.
class FirstExpose final : public QObject {
public:
    FirstExpose(const QWidget& window, std::function<void()> action)
        : window_(window), action_(std::move(action))
    {
        QCoreApplication::instance()->installEventFilter(this);
        QTimer::singleShot(10000, this, [] { QCoreApplication::exit(3); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!fired_ && event->type() == QEvent::Expose && watched == window_.windowHandle() &&
            window_.windowHandle()->isExposed()) {
            fired_ = true;
            // Queued, so that the expose paints the window before the action runs.
            QTimer::singleShot(0, this, action_);
        }
        return false;
    }

private:
    const QWidget& window_;
    std::function<void()> action_;
    bool fired_ = false;
};

} // namespace stocks::bench
