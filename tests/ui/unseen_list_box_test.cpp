#include "ui/unseen_list_box.h"

#include <QTest>

#include <gtest/gtest.h>

namespace stocks {
namespace {

TEST(UnseenListBox, RowsFilledOutOfFocusAreLaidOutAndReachableOnceItTakesTheFocus)
{
    UnseenListBox list;
    list.resize(200, 60);
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    for (int row = 0; row < 500; ++row)
        list.addItem(QString::number(row));
    list.insertItem(0, QStringLiteral("first"));
    QCoreApplication::processEvents();

    list.activateWindow();
    list.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    ASSERT_TRUE(list.hasFocus());
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_End);
    EXPECT_EQ(list.currentRow(), 500);
    EXPECT_EQ(list.currentItem()->text(), "499");
    EXPECT_TRUE(list.viewport()->rect().intersects(list.visualItemRect(list.currentItem())));
    QTest::keyClick(&list, Qt::Key_Home);
    EXPECT_EQ(list.currentItem()->text(), "first");
}

} // namespace
} // namespace stocks
