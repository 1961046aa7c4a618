// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_move_loop.h"

#include "platform/full_window_drag.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"
#include "ui/stokfile1.h"
#include "ui/widgets/click_label.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>

namespace stocks {
namespace {

/// A bare frameless window that is moved by a press anywhere on it.
class DraggedWindow final : public QWidget {
public:
    DraggedWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    {
        setGeometry(200, 150, 120, 80);
    }

    int loopsEnded = 0;

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        runWindowMoveLoop(*this);
        ++loopsEnded;
    }
};

// The mouse as the window system reports it: events go through the window, in screen terms.
class Mouse {
public:
    explicit Mouse(QWidget& window) : window_(window) {}

    void press(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(handle(), button, {}, local(global));
    }
    void moveTo(QPoint global) { QTest::mouseMove(handle(), local(global)); }
    void release(QPoint global, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(handle(), button, {}, local(global));
    }

private:
    QWindow* handle() { return window_.windowHandle(); }
    QPoint local(QPoint global) { return global - window_.pos(); }

    QWidget& window_;
};

/// Runs the steps once the press has handed control to the move loop.
void whileDragging(const std::function<void()>& steps)
{
    QTimer::singleShot(0, steps);
}

// No window closing ends the application, and full-window dragging starts off.
class DragFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        quitOnLastClosed_ = QGuiApplication::quitOnLastWindowClosed();
        QGuiApplication::setQuitOnLastWindowClosed(false);
        platform::setDragFullWindows(false);
    }
    void TearDown() override
    {
        QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed_);
        platform::setDragFullWindows(false);
    }

private:
    bool quitOnLastClosed_ = true;
};

// A bare window, shown, and the mouse over it.
class WindowMoveLoopTest : public DragFixture {
protected:
    void SetUp() override
    {
        DragFixture::SetUp();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    DraggedWindow window;
    Mouse mouse{window};
};

TEST_F(WindowMoveLoopTest, WindowFollowsTheMouseUntilTheButtonIsReleased)
{
    const QPoint grip(230, 170);

    whileDragging([&] {
        EXPECT_EQ(window.loopsEnded, 0) << "the press has not returned yet";
        mouse.moveTo(grip + QPoint(5, 3));
        EXPECT_EQ(window.pos(), QPoint(205, 153));
        mouse.moveTo(grip + QPoint(-60, 41));
        EXPECT_EQ(window.pos(), QPoint(140, 191));
        mouse.release(grip + QPoint(-57, 40));
    });
    mouse.press(grip);

    EXPECT_EQ(window.loopsEnded, 1);
    EXPECT_EQ(window.pos(), QPoint(143, 190));

    // Once released, the mouse moves freely again.
    mouse.moveTo(QPoint(400, 400));
    EXPECT_EQ(window.pos(), QPoint(143, 190));
}

TEST_F(WindowMoveLoopTest, PointerThatRanAheadOfThePressStillMovesTheWholeDistance)
{

    // The pointer is already at its goal when the loop starts; only the events tell where the
    // press was.
    QCursor::setPos(QPoint(300, 300));
    whileDragging([&] { mouse.release(QPoint(300, 300)); });
    mouse.press(QPoint(210, 160));

    EXPECT_EQ(window.pos(), QPoint(290, 290));
}

TEST_F(WindowMoveLoopTest, ReleaseWithoutMovingOrEscapeLeavesTheWindowInPlace)
{

    whileDragging([&] { mouse.release(QPoint(250, 180)); });
    mouse.press(QPoint(250, 180));
    EXPECT_EQ(window.loopsEnded, 1);
    EXPECT_EQ(window.pos(), QPoint(200, 150));

    whileDragging([&] {
        mouse.moveTo(QPoint(300, 220));
        EXPECT_EQ(window.pos(), QPoint(250, 190));
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        mouse.moveTo(QPoint(330, 260));
    });
    mouse.press(QPoint(250, 180));
    EXPECT_EQ(window.loopsEnded, 2);
    EXPECT_EQ(window.pos(), QPoint(200, 150));
    mouse.release(QPoint(330, 260));
    EXPECT_EQ(window.pos(), QPoint(200, 150));
}

class MainWindowDragTest : public DragFixture {
protected:
    void SetUp() override
    {
        DragFixture::SetUp();
        const std::filesystem::path dir = folder_.path();
        files_ = {dir / "stocks.INI", dir / "MorvaneStocks.html"};
    }

    ProgramFiles files_;

private:
    TempFolder folder_;
};

// Label1's grab area on the top of the bar, clear of "Stock" and "X".
QPoint grabPoint(const TForm1& form)
{
    return form.Label1->mapToGlobal(QPoint(52, 10));
}

TEST_F(MainWindowDragTest, LeftDragMovesTheWindowAndSwitchesFullWindowDragOnAfterwards)
{
    TForm1 form(files_);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.pos(), QPoint(100, 100));
    Mouse mouse(form);
    const QPoint grip = grabPoint(form);
    ASSERT_EQ(form.childAt(form.mapFromGlobal(grip)), form.Label1);

    whileDragging([&] {
        EXPECT_FALSE(platform::dragFullWindows()) << "the first drag runs under the old setting";
        mouse.moveTo(grip + QPoint(120, 35));
        mouse.release(grip + QPoint(120, 35));
    });
    mouse.press(grip);

    EXPECT_EQ(form.pos(), QPoint(220, 135));
    EXPECT_TRUE(platform::dragFullWindows());

    // The controls still take their own clicks after the drag.
    mouse.press(form.Stock->mapToGlobal(QPoint(5, 5)));
    mouse.release(form.Stock->mapToGlobal(QPoint(5, 5)));
    EXPECT_TRUE(form.Stock->hasFocus());
}

TEST_F(MainWindowDragTest, RightAndMiddleButtonsMoveNothingYetSwitchFullWindowDragOn)
{
    TForm1 form(files_);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    Mouse mouse(form);
    const QPoint grip = grabPoint(form);

    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        platform::setDragFullWindows(false);
        mouse.press(grip, button);
        EXPECT_TRUE(platform::dragFullWindows());
        mouse.moveTo(grip + QPoint(40, 40));
        mouse.release(grip + QPoint(40, 40), button);
        EXPECT_EQ(form.pos(), QPoint(100, 100));
    }
}

} // namespace
} // namespace stocks
