// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/qt_printers.h"
#include "tests/ui/form1_fixture.h"

#include "ui/dataform.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QToolButton>

namespace stocks {
namespace {

namespace fs = std::filesystem;

struct Expected {
    QWidget* control;
    QRect geometry;
    QString text;
    QString hint;
    int pixelSize;
    bool bold;
    bool underline;
    bool strikeOut;
};

QString textOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->text();
    return QString();
}

QColor textColour(const QWidget* control)
{
    return control->palette().color(QPalette::WindowText);
}

TEST_F(Form1Test, ControlsSitWhereTheLayoutPutsThemWithTheirTextsHintsAndFonts)
{
    TForm1& w = start();
    EXPECT_EQ(w.windowTitle(), "Morvane Stocks");
    EXPECT_TRUE(w.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(w.size(), QSize(146, 235));
    EXPECT_EQ(w.clientArea->geometry(), QRect(4, 23, 138, 208));
    EXPECT_EQ(w.font().pixelSize(), 11);
    EXPECT_FALSE(w.font().bold());

    const QString maker = QString::fromUtf8(lines::makerHost());
    const std::vector<Expected> table = {
        {w.Image1, {0, 0, 138, 208}, "", "", -1, false, false, false},
        {w.urllabel, {1, 126, 134, 13}, maker, "Check for Update", 11, true, true, false},
        {w.look, {8, 56, 73, 13}, "Look now", "Open Stock Your List", 11, true, true, false},
        {w.Label1, {8, 0, 121, 57}, "Grabhandle", "", 11, false, false, false},
        {w.xout, {107, 44, 12, 16}, "X", "", 13, true, false, false},
        {w.Dat, {70, 185, 12, 16}, "D", "", 13, true, false, false},
        {w.Brok, {54, 185, 12, 16}, "B", "", 13, true, false, false},
        {w.Label2, {0, 144, 137, 41}, "", "", 11, false, false, false},
        {w.Stock, {50, 25, 42, 18}, "Stock", "Stock Symbols", 13, true, false, false},
        {w.price, {50, 88, 42, 18}, "Price", "Price", 13, true, false, false},
        {w.ListBox1, {8, 184, 25, 17}, "", "", 11, false, false, false},
        {w.rem, {93, 102, 16, 16}, "-", "Remove Stock and Price", 13, true, false, true},
        {w.add, {35, 80, 16, 16}, "+", "Add Stock and Price", 13, true, false, false},
        {w.ref, {50, 144, 23, 18}, "10", "Refresh Rate in Minutes", 13, true, false, false},
        {w.UpDown1, {73, 144, 10, 18}, "", "Change Refresh Rate", -1, false, false, false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.control->objectName().toStdString());
        EXPECT_EQ(row.control->parentWidget(), w.clientArea);
        EXPECT_EQ(row.control->geometry(), row.geometry);
        EXPECT_EQ(textOf(row.control), row.text);
        EXPECT_EQ(row.control->toolTip(), row.hint);
        if (row.pixelSize < 0)
            continue;
        const QFont font = row.control->font();
        EXPECT_EQ(font.pixelSize(), row.pixelSize);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_EQ(font.underline(), row.underline);
        EXPECT_EQ(font.strikeOut(), row.strikeOut);
    }

    // oldref lies out of sight and sizes itself to the written refresh minutes.
    EXPECT_EQ(w.oldref->parentWidget(), w.clientArea);
    EXPECT_EQ(w.oldref->pos(), QPoint(8, 96));
    EXPECT_EQ(w.oldref->text(), "10");
    EXPECT_TRUE(w.oldref->isHidden());
    EXPECT_EQ(w.oldref->font().pixelSize(), 13);
    EXPECT_TRUE(w.oldref->font().bold());
    EXPECT_TRUE(w.oldref->toolTip().isEmpty());

    // The fields open with their words as if never typed into: nothing to undo, not
    // modified, the caret after the words.
    for (QLineEdit* field : {w.Stock, w.price, w.ref}) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_FALSE(field->isModified());
        EXPECT_FALSE(field->isUndoAvailable());
        EXPECT_EQ(field->cursorPosition(), field->text().size());
    }

    EXPECT_EQ(w.Image1->pixmap().size(), QSize(138, 203));
    EXPECT_EQ(textColour(w.urllabel), QColor(Qt::red));
    EXPECT_EQ(textColour(w.look), QColor(Qt::red));
    EXPECT_EQ(textColour(w.Label1), QColor(Qt::white));
    EXPECT_EQ(textColour(w.oldref), QColor(Qt::white));
    EXPECT_EQ(w.Label1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.look->cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(w.urllabel->cursor().shape(), Qt::BusyCursor);
}

TEST_F(Form1Test, AssistiveToolsHearANameForEveryControlAndItsHint)
{
    TForm1& w = start();
    TForm2 dataList;
    QList<QWidget*> controls = w.clientArea->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto* arrow : w.UpDown1->findChildren<QToolButton*>())
        controls.append(arrow);
    controls.append(dataList.ListBox1);
    const auto spoken = [](QWidget* control, QAccessible::Text text) {
        const QAccessibleInterface* tool = QAccessible::queryAccessibleInterface(control);
        return tool ? tool->text(text) : QStringLiteral("<no interface>");
    };
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        const QString name = spoken(control, QAccessible::Name);
        EXPECT_GT(name.size(), 1) << name.toStdString();
        if (!control->toolTip().isEmpty()) {
            EXPECT_EQ(spoken(control, QAccessible::Description), control->toolTip());
        }
    }
    EXPECT_EQ(spoken(w.xout, QAccessible::Name), "Close");
    EXPECT_EQ(spoken(w.Brok, QAccessible::Name), "Link to my broker");
    EXPECT_EQ(spoken(w.Dat, QAccessible::Name), "Data list");
}

TEST_F(Form1Test, ControlsOnTopTakeTheMouseFromTheLabelsBeneath)
{
    TForm1& w = start();
    const auto at = [&](int x, int y) { return w.clientArea->childAt(x, y); };
    EXPECT_EQ(at(60, 30), w.Stock);  // over the grab area
    EXPECT_EQ(at(20, 20), w.Label1); // the grab area itself
    EXPECT_EQ(at(50, 90), w.add);    // where "+" overlaps the price field
    EXPECT_TRUE(w.UpDown1->isAncestorOf(at(78, 150)));

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const auto windowPoint = [&](int x, int y) { return w.clientArea->mapTo(&w, QPoint(x, y)); };
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, windowPoint(61, 153));
    EXPECT_TRUE(prompts.skinAskedWith.isEmpty());
    QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, windowPoint(20, 170));
    EXPECT_EQ(prompts.skinAskedWith, QStringList({"0"}));

    // "X" lies inside the grab area, yet a click on it closes the window.
    QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, windowPoint(112, 52));
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(fs::exists(page()));
}

TEST_F(Form1Test, TabVisitsTheFieldsButtonsAndListInOrder)
{
    TForm1& w = start();
    w.show();
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Stock->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), w.Stock);

    std::vector<QWidget*> visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{w.price, w.add, w.rem, w.ListBox1, w.ref, w.Stock}));
    EXPECT_EQ(w.UpDown1->focusPolicy(), Qt::NoFocus);
}

TEST_F(Form1Test, SpinnerStepsOnlyWithinItsRangeAndAsksBeforeEachStep)
{
    writeBytes(page(), pageBytes(closedPage({}, 10)));
    TForm1& w = start();
    std::vector<std::pair<int, QString>> seenWhileChanging;
    QObject::connect(w.UpDown1, &UpDown::changing, &w, [&](bool&) {
        seenWhileChanging.emplace_back(w.UpDown1->position(), w.ref->text());
    });

    // The field cannot be typed into; only the spinner changes it.
    EXPECT_TRUE(w.ref->isReadOnly());
    QTest::keyClicks(w.ref, QStringLiteral("5"));
    EXPECT_EQ(w.ref->text(), "10");
    QTest::keyClick(w.Stock, Qt::Key_Up);
    EXPECT_EQ(w.ref->text(), "10");

    // Setting the position from code asks nothing and saves nothing.
    w.UpDown1->setPosition(99);
    EXPECT_EQ(w.ref->text(), "99");
    EXPECT_TRUE(seenWhileChanging.empty());

    QTest::keyClick(w.ref, Qt::Key_Up);
    EXPECT_EQ(w.UpDown1->position(), 99);
    EXPECT_EQ(w.ref->text(), "99");
    EXPECT_TRUE(seenWhileChanging.empty());
    EXPECT_FALSE(fs::exists(backup()));

    QTest::keyClick(w.ref, Qt::Key_Down);
    EXPECT_EQ(w.ref->text(), "98");

    w.UpDown1->setPosition(2);
    QTest::keyClick(w.ref, Qt::Key_Down);
    EXPECT_EQ(w.UpDown1->position(), 2);
    EXPECT_EQ(w.ref->text(), "2");
    QTest::keyClick(w.ref, Qt::Key_Up);
    EXPECT_EQ(w.ref->text(), "3");

    const std::vector<std::pair<int, QString>> expected = {{99, "99"}, {2, "2"}};
    EXPECT_EQ(seenWhileChanging, expected);
}

} // namespace
} // namespace stocks
