// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace stocks {

class ClickLabel;

/// @brief A clickable label as assistive tools see it: a push button to press, or a link to
/// follow, whose one action runs the label's command as the mouse does.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    QString localizedActionDescription(const QString& actionName) const override;
    /// The command runs once the caller has its answer, so that a box it opens keeps no
    /// screen reader waiting.
    void doAction(const QString& actionName) override;

    /// The action of a link.
    static QString jumpAction();

private:
    ClickLabel* label() const;
    QString action() const;
};

} // namespace stocks
