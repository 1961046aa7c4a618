// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QAbstractItemModel>
#include <QPointer>
#include <QWidget>

namespace stocks {

/// @brief The main window's list box, which lies outside the sign and is never seen: it holds
/// the page list's model and takes the keyboard focus in its turn, and nothing more. A real
/// list view here would cost every start a megabyte of memory for rows no one sees.
class UnseenListBox : public QWidget {
    Q_OBJECT
public:
    explicit UnseenListBox(QWidget* parent = nullptr);

    void setModel(QAbstractItemModel* model) { model_ = model; }
    QAbstractItemModel* model() const { return model_.data(); }

private:
    QPointer<QAbstractItemModel> model_;
};

} // namespace stocks
