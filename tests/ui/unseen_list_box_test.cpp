// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/unseen_list_box.h"

#include <QStringListModel>
#include <QTest>

#include <gtest/gtest.h>

namespace stocks {
namespace {

TEST(UnseenListBox, RowsFilledOutOfFocusAreLaidOutAndReachableOnceItTakesTheFocus)
{
    QStringListModel rows;
    UnseenListBox list;
    list.setModel(&rows);
    list.resize(200, 60);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    for (int row = 0; row < 500; ++row) {
        rows.insertRows(row, 1);
        rows.setData(rows.index(row), QString::number(row));
    }
    rows.insertRows(0, 1);
    rows.setData(rows.index(0), QStringLiteral("first"));
    QCoreApplication::processEvents();

    list.activateWindow();
    list.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    ASSERT_TRUE(list.hasFocus());
    list.setCurrentIndex(rows.index(0));
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.currentIndex().row(), 500);
    EXPECT_EQ(list.currentIndex().data().toString(), "499");
    EXPECT_TRUE(list.viewport()->rect().intersects(list.visualRect(list.currentIndex())));
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.currentIndex().data().toString(), "first");
}

} // namespace
} // namespace stocks
