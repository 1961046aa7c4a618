// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/widgets/glyph_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace stocks {

void GlyphButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

} // namespace stocks
