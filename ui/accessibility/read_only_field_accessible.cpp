// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/accessibility/read_only_field_accessible.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace stocks {

ReadOnlyFieldAccessible::ReadOnlyFieldAccessible(QLineEdit* field)
    : QAccessibleWidget(field, QAccessible::EditableText)
{}

QLineEdit* ReadOnlyFieldAccessible::field() const
{
    return static_cast<QLineEdit*>(widget());
}

QString ReadOnlyFieldAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return field()->displayText();
    return QAccessibleWidget::text(t);
}

QAccessible::State ReadOnlyFieldAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = field()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

void* ReadOnlyFieldAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void ReadOnlyFieldAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
    if (selectionIndex == 0 && field()->hasSelectedText()) {
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
}

int ReadOnlyFieldAccessible::selectionCount() const
{
    return field()->hasSelectedText() ? 1 : 0;
}

void ReadOnlyFieldAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void ReadOnlyFieldAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        field()->deselect();
}

void ReadOnlyFieldAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        field()->setSelection(startOffset, endOffset - startOffset);
}

int ReadOnlyFieldAccessible::cursorPosition() const
{
    return field()->cursorPosition();
}

void ReadOnlyFieldAccessible::setCursorPosition(int position)
{
    field()->setCursorPosition(position);
}

QString ReadOnlyFieldAccessible::text(int startOffset, int endOffset) const
{
    return field()->displayText().mid(startOffset, endOffset - startOffset);
}

int ReadOnlyFieldAccessible::characterCount() const
{
    return static_cast<int>(field()->displayText().size());
}

QRect ReadOnlyFieldAccessible::characterRect(int offset) const
{
    const QString shown = field()->displayText();
    if (offset < 0 || offset >= shown.size())
        return {};
    // The field is too narrow to scroll its few digits: they start after its margins, and
    // the line edit's own two pixels.
    const QFontMetrics metrics(field()->font());
    const QRect inside = field()->contentsRect().marginsRemoved(field()->textMargins());
    const int left = inside.left() + 2 + metrics.horizontalAdvance(shown.left(offset));
    const int top = inside.top() + (inside.height() - metrics.height()) / 2;
    const QRect box(left, top, metrics.horizontalAdvance(shown.at(offset)), metrics.height());
    return box.translated(field()->mapToGlobal(QPoint(0, 0)));
}

int ReadOnlyFieldAccessible::offsetAtPoint(const QPoint& point) const
{
    return field()->cursorPositionAt(field()->mapFromGlobal(point));
}

void ReadOnlyFieldAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    field()->setCursorPosition(endIndex);
    field()->setCursorPosition(startIndex);
}

QString ReadOnlyFieldAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    // One plain run: the field has no text attributes.
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace stocks
