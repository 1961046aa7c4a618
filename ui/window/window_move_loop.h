// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWidget;

namespace stocks {

/// Moves the window with the mouse until the button is released, as dragging a caption
/// bar does. The window system's own move loop is used where it is offered; elsewhere
/// (no window manager) ours runs, and Esc puts the window back. Call it while handling the
/// press that starts the move; it returns when the move has ended. With no mouse button
/// held (the press came from a screen reader) there is nothing to follow: nothing moves.
void runWindowMoveLoop(QWidget& window);

} // namespace stocks
