// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/widgets/return_presses.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace stocks {
namespace {

/// @brief Turns Enter and Return on its button into a click.
class ReturnPresses final : public QObject {
public:
    explicit ReturnPresses(QAbstractButton* button) : QObject(button), button_(button) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != button_ || event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // A held key repeats nothing, as a held Space clicks once.
        if (!key->isAutoRepeat())
            button_->click();
        return true;
    }

private:
    QAbstractButton* button_;
};

} // namespace

void pressOnReturn(QAbstractButton* button)
{
    button->installEventFilter(new ReturnPresses(button));
}

} // namespace stocks
