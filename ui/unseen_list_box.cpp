// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/unseen_list_box.h"

namespace stocks {

void UnseenListBox::doItemsLayout()
{
    if (!hasFocus()) {
        layoutPending_ = true;
        return;
    }
    layoutPending_ = false;
    QListView::doItemsLayout();
}

void UnseenListBox::focusInEvent(QFocusEvent* event)
{
    if (layoutPending_) {
        layoutPending_ = false;
        QListView::doItemsLayout();
    }
    QListView::focusInEvent(event);
}

} // namespace stocks
