// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace stocks {

/// @brief An up-down spinner bound to a buddy edit field: every step asks first through
/// changing(), then moves the position and writes it into the buddy as decimal text.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, QWidget* parent);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    /// Sets the position from code: no changing() is raised.
    void setPosition(int position);

    /// Steps by delta as a click on an arrow does.
    void step(int delta);

signals:
    /// Raised before each step; set allowChange to false to veto it.
    void changing(bool& allowChange);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace stocks
