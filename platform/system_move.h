// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWindow;

namespace stocks::platform {

/// Hands the window to the window system's own move loop, as a press on its caption bar
/// would, while a mouse button is held. False where there is no such loop (no window
/// manager). On Windows the loop is WM_SYSCOMMAND with SC_MOVE | HTCAPTION, sent once the
/// press's mouse capture is released, and this returns when the move has ended; elsewhere
/// Qt asks the window manager, which moves the window after this has returned.
bool runSystemMoveLoop(QWindow& window);

} // namespace stocks::platform
