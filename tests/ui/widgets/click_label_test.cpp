// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/widgets/click_label.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace stocks {
namespace {

TEST(ClickLabel, ReportsEachPressButOnlyOneClickPerDoubleClick)
{
    ClickLabel label(QStringLiteral("B"));
    label.resize(12, 16);
    QSignalSpy clicks(&label, &ClickLabel::clicked);
    QSignalSpy doubleClicks(&label, &ClickLabel::doubleClicked);
    QSignalSpy presses(&label, &ClickLabel::pressed);

    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseDClick(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(presses.count(), 2);

    // A release outside the label, or of another button, is no click; the press still counts.
    QTest::mousePress(&label, Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(30, 5));
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(presses.count(), 4);
    EXPECT_EQ(presses.last().at(0).value<Qt::MouseButton>(), Qt::RightButton);

    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
}

} // namespace
} // namespace stocks
