// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/accessibility/accessible_interfaces.h"

#include "ui/accessibility/click_label_accessible.h"
#include "ui/accessibility/read_only_field_accessible.h"
#include "ui/accessibility/up_down_accessible.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QLineEdit>

namespace stocks {
namespace {

/// Qt's interface serves editable fields and ours read-only ones. A field's interface may
/// exist before the field is made read-only (any change of its name makes one): then it is
/// dropped, and the next question gets the right one.
class ReadOnlyWatch final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ReadOnlyChange)
            QAccessible::deleteAccessibleInterface(
                QAccessible::uniqueId(QAccessible::queryAccessibleInterface(watched)));
        return false;
    }
};

QAccessibleInterface* fieldInterface(QLineEdit* field)
{
    static ReadOnlyWatch watch;
    field->installEventFilter(&watch);
    return field->isReadOnly() ? new ReadOnlyFieldAccessible(field) : nullptr;
}

// Asked for each class of an object, most derived first; Qt's own widgets answer after us.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object)
{
    if (auto* label = qobject_cast<ClickLabel*>(object))
        return new ClickLabelAccessible(label);
    if (auto* spinner = qobject_cast<UpDown*>(object))
        return new UpDownAccessible(spinner);
    if (auto* field = qobject_cast<QLineEdit*>(object);
        field && className == QLatin1String("QLineEdit"))
        return fieldInterface(field);
    // A window of ours made of a plain widget; dialogs and Qt's other windows have their own.
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && widget->isWindow() && className == QLatin1String("QWidget"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(interfaceFor);
}

} // namespace stocks
