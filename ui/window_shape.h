#pragma once

class QWidget;

namespace stocks {

/// Cuts the window to the dollar-sign outline; with keepCaptionBand the caption bar and top
/// frame stay as well. Outside the shape nothing is drawn and nothing takes the mouse. The
/// window's children get the shape as well, for a translucent window whose system shows
/// more than the window mask.
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
