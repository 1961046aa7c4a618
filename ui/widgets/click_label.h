// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QLabel>

namespace stocks {

/// @brief A label that reports clicks, double clicks and button presses, as the window's
/// labels take the mouse. A double click is one click followed by one double click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    /// A link opens a page or a site: assistive tools offer it as a link to follow rather
    /// than as a button to press.
    void setLink(bool link) { link_ = link; }
    bool isLink() const { return link_; }

    /// Runs the label's command for someone without a mouse. Each label answers one mouse
    /// gesture; whichever it is, it is signalled once: a press, a click, a double click.
    /// A label the mouse could not reach now (hidden, disabled, under a modal box) does
    /// nothing.
    Q_INVOKABLE void activate();

signals:
    void clicked();
    void doubleClicked();
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool clickPending_ = false;
    bool link_ = false;
};

} // namespace stocks
