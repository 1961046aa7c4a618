// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_move.h"

#include <QGuiApplication>
#include <QWindow>

#include <windows.h>

namespace stocks::platform {

bool runSystemMoveLoop(QWindow& window)
{
    // Qt's other platforms (offscreen in the tests) have no window handle to send it to.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return window.startSystemMove();
    // Sent, not posted as Qt's own start does: the caller goes on only once the window has
    // been put down.
    const auto handle = reinterpret_cast<HWND>(window.winId()); // NOLINT: Qt's id is the HWND
    ReleaseCapture();
    SendMessageW(handle, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return true;
}

} // namespace stocks::platform
