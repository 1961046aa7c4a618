// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

class QWidget;

namespace stocks {

/// Cuts the window to the dollar-sign outline; with keepCaptionBand the caption bar and top
/// frame stay as well. Outside the shape nothing is drawn and nothing takes the mouse. Where
/// the window system shows more than a window's mask (Wayland), the window's children carry
/// the shape too, and only they may paint.
void ApplyWindowShape(QWidget* window, bool keepCaptionBand);

/// The main window's client area, which the outline is drawn for.
inline constexpr int clientWidth = 138;
inline constexpr int clientHeight = 208;

/// Where the client area starts inside the window: the frame and caption metrics.
struct ClientOffset {
    int left;
    int top;
};
ClientOffset clientOffset();

} // namespace stocks
