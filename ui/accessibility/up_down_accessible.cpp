// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/accessibility/up_down_accessible.h"

#include "ui/widgets/up_down.h"

#include <algorithm>
#include <cmath>

namespace stocks {

UpDownAccessible::UpDownAccessible(UpDown* spinner)
    : QAccessibleWidget(spinner, QAccessible::SpinBox)
{}

UpDown* UpDownAccessible::spinner() const
{
    return static_cast<UpDown*>(widget());
}

QString UpDownAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(spinner()->position());
    return QAccessibleWidget::text(t);
}

void* UpDownAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QVariant UpDownAccessible::currentValue() const
{
    return spinner()->position();
}

void UpDownAccessible::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const double wanted = value.toDouble(&ok);
    if (!ok || !std::isfinite(wanted))
        return;
    UpDown& upDown = *spinner();
    const int target = static_cast<int>(
        std::lround(std::clamp(wanted, double(upDown.minimum()), double(upDown.maximum()))));
    while (upDown.position() != target) {
        const int before = upDown.position();
        upDown.step(target > before ? 1 : -1);
        if (upDown.position() == before)
            return; // the step was refused
    }
}

QVariant UpDownAccessible::maximumValue() const
{
    return spinner()->maximum();
}

QVariant UpDownAccessible::minimumValue() const
{
    return spinner()->minimum();
}

QVariant UpDownAccessible::minimumStepSize() const
{
    return 1;
}

} // namespace stocks
