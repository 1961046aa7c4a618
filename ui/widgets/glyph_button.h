// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPushButton>

namespace stocks {

/// @brief A push button whose caption may use its whole face: "+" and "-" on buttons of 16 by
/// 16 pixels need more room than the style's padding leaves them.
class GlyphButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace stocks
