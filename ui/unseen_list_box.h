// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QListView>

namespace stocks {

/// @brief A list box that lies out of sight: it lays its rows out only when it takes the
/// focus, so a long page list costs nothing to lay out again after every edit.
class UnseenListBox : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

    void doItemsLayout() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool layoutPending_ = false;
};

} // namespace stocks
