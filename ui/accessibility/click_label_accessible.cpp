// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/accessibility/click_label_accessible.h"

#include "ui/widgets/click_label.h"

namespace stocks {

ClickLabelAccessible::ClickLabelAccessible(ClickLabel* label)
    : QAccessibleWidget(label, QAccessible::Button)
{}

QString ClickLabelAccessible::jumpAction()
{
    return QStringLiteral("Jump");
}

ClickLabel* ClickLabelAccessible::label() const
{
    return static_cast<ClickLabel*>(widget());
}

QString ClickLabelAccessible::action() const
{
    return label()->isLink() ? jumpAction() : pressAction();
}

QAccessible::Role ClickLabelAccessible::role() const
{
    // Asked each time: the interface may exist before the window has said which labels
    // are links.
    return label()->isLink() ? QAccessible::Link : QAccessible::Button;
}

QString ClickLabelAccessible::text(QAccessible::Text t) const
{
    const QString text = QAccessibleWidget::text(t);
    return t == QAccessible::Name && text.isEmpty() ? label()->text() : text;
}

QAccessible::State ClickLabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.linked = label()->isLink();
    return state;
}

QStringList ClickLabelAccessible::actionNames() const
{
    return {action()};
}

QString ClickLabelAccessible::localizedActionDescription(const QString& actionName) const
{
    if (actionName == jumpAction())
        return QStringLiteral("Follows the link");
    return QAccessibleWidget::localizedActionDescription(actionName);
}

void ClickLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == action())
        QMetaObject::invokeMethod(label(), "activate", Qt::QueuedConnection);
}

} // namespace stocks
