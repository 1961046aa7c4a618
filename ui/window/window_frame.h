// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

namespace stocks {

/// @brief The frame and caption bar a window manager would draw around the main window,
/// painted under its client area. The window shape normally cuts all of it away.
class WindowFrame : public QWidget {
public:
    explicit WindowFrame(QWidget* window);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace stocks
