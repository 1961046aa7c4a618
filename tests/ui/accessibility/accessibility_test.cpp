// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/accessibility/accessible_interfaces.h"

#include "tests/support/qt_printers.h"
#include "tests/ui/form1_fixture.h"
#include "ui/dataform.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QGuiApplication>

#include <tuple>
#include <utility>

namespace stocks {
namespace {

QAccessibleInterface* tool(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// Presses as a screen reader does: the control's first action; its command runs once the
// event loop takes over.
void pressThroughTool(QWidget* control, bool runNow = true)
{
    QAccessibleActionInterface* actions = tool(control)->actionInterface();
    actions->doAction(actions->actionNames().value(0));
    if (runNow)
        QCoreApplication::processEvents();
}

TEST_F(Form1Test, ScreenReaderFindsEveryCommandAndUsesItAsTheMouseDoes)
{
    installAccessibleInterfaces();
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    TForm1& w = start();
    TForm2 dataList;
    TForm2* const previousForm2 = std::exchange(Form2, &dataList);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    // Windows are frames named by their captions; what stands between them and the
    // controls has a name too.
    EXPECT_EQ(tool(&w)->role(), QAccessible::Window);
    EXPECT_EQ(tool(&w)->text(QAccessible::Name), "Morvane Stocks");
    EXPECT_EQ(tool(&dataList)->role(), QAccessible::Window);
    EXPECT_EQ(tool(&dataList)->text(QAccessible::Name), "Morvane Stocks Data List");
    for (int i = 0; i < tool(&w)->childCount(); ++i)
        EXPECT_FALSE(tool(&w)->child(i)->text(QAccessible::Name).isEmpty());

    const QString press = QAccessibleActionInterface::pressAction();
    const std::tuple<ClickLabel*, QAccessible::Role, QString> commands[] = {
        {w.xout, QAccessible::Button, press},    {w.Dat, QAccessible::Button, press},
        {w.Brok, QAccessible::Button, press},    {w.Label1, QAccessible::Button, press},
        {w.Label2, QAccessible::Button, press},  {w.look, QAccessible::Link, "Jump"},
        {w.urllabel, QAccessible::Link, "Jump"},
    };
    for (const auto& [label, role, action] : commands) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(tool(label)->role(), role);
        EXPECT_EQ(tool(label)->actionInterface()->actionNames(), QStringList(action));
        const QString description = tool(label)->text(QAccessible::Description);
        if (!label->toolTip().isEmpty()) {
            EXPECT_EQ(description, label->toolTip());
        }
        EXPECT_GT(description.size(), 10) << description.toStdString();
    }

    // Each action runs the click's handler, after the caller has its answer.
    pressThroughTool(w.urllabel, false);
    EXPECT_TRUE(opened.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, QStringList(w.urllabel->text()));
    pressThroughTool(w.Dat);
    EXPECT_TRUE(dataList.isVisible());
    pressThroughTool(w.Label2);
    EXPECT_EQ(prompts.skinAskedWith.size(), 1);
    const QPoint place = w.pos();
    pressThroughTool(w.Label1);
    EXPECT_EQ(w.pos(), place) << "no button held: nothing to drag";

    // A command the mouse cannot reach does nothing: "B" adds its link only once.
    prompts.brokerAnswer = QStringLiteral("broker.example.com");
    pressThroughTool(w.Brok);
    EXPECT_TRUE(w.Brok->isHidden());
    EXPECT_TRUE(tool(w.Brok)->state().invisible);
    pressThroughTool(w.Brok);
    EXPECT_EQ(prompts.brokerAsked, 1);

    // The spinner: a value from 2 to 99 in steps of 1; each step is asked as an arrow's is.
    QAccessibleValueInterface* spinner = tool(w.UpDown1)->valueInterface();
    ASSERT_NE(spinner, nullptr);
    EXPECT_EQ(tool(w.UpDown1)->role(), QAccessible::SpinBox);
    EXPECT_EQ(spinner->currentValue(), 10);
    EXPECT_EQ(spinner->minimumValue(), 2);
    EXPECT_EQ(spinner->maximumValue(), 99);
    EXPECT_EQ(spinner->minimumStepSize(), 1);
    w.price->setText(QStringLiteral("95"));
    spinner->setCurrentValue(12);
    EXPECT_EQ(w.ref->text(), "12");
    EXPECT_EQ(w.oldref->text(), "11");
    EXPECT_EQ(w.price->text(), "");
    EXPECT_NE(bytesOf(page()).find(lines::refresh(660)), std::string::npos);
    EXPECT_EQ(w.focusWidget(), w.Stock);

    const QAccessible::State minutes = tool(w.ref)->state();
    EXPECT_TRUE(minutes.readOnly);
    EXPECT_FALSE(minutes.editable);
    EXPECT_EQ(tool(w.ref)->textInterface()->text(0, 2), "12");
    const QAccessible::State symbol = tool(w.Stock)->state();
    EXPECT_TRUE(symbol.editable);
    EXPECT_FALSE(symbol.readOnly);
    // A field made read-only after its interface was made.
    QLineEdit later;
    later.setAccessibleName(QStringLiteral("Later"));
    later.setReadOnly(true);
    EXPECT_FALSE(tool(&later)->state().editable);
    EXPECT_TRUE(tool(&later)->state().readOnly);

    // "Close" runs the close sequence.
    pressThroughTool(w.xout);
    EXPECT_FALSE(w.isVisible());
    EXPECT_NE(bytesOf(page()).find(lines::refresh(720)), std::string::npos);
    EXPECT_EQ(setting("html", "refrate"), "12");
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();

    Form2 = previousForm2;
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
}

} // namespace
} // namespace stocks
