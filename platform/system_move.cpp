// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_move.h"

#include <QWindow>

#ifdef Q_OS_WIN
#include <QGuiApplication>

#include <windows.h>
#endif

namespace stocks::platform {

bool runSystemMoveLoop(QWindow& window)
{
#ifdef Q_OS_WIN
    // Qt's other platforms (offscreen in the tests) have no window handle to send it to.
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        // Sent, not posted as Qt's own start does: the caller goes on only once the window has
        // been put down.
        const auto handle = reinterpret_cast<HWND>(window.winId()); // NOLINT: Qt's id is the HWND
        ReleaseCapture();
        SendMessageW(handle, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        return true;
    }
#endif
    return window.startSystemMove();
}

} // namespace stocks::platform
