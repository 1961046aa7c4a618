// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/dataform.h"

#include "tests/support/qt_printers.h"
#include "tests/ui/form1_fixture.h"
#include "ui/widgets/up_down.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace stocks {
namespace {

/// The main window shown over a first run's page, beside a data list window of its own.
class DataFormTest : public Form1Test {
protected:
    void SetUp() override
    {
        Form1Test::SetUp();
        quitOnLastClosed_ = QGuiApplication::quitOnLastWindowClosed();
        QGuiApplication::setQuitOnLastWindowClosed(false);
        start().show();
        form2_ = std::make_unique<TForm2>();
        previousForm2_ = std::exchange(Form2, form2_.get());
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
        EXPECT_EQ(prompts.brokerAsked, 0);
        EXPECT_TRUE(prompts.skinAskedWith.isEmpty());
        Form2 = previousForm2_;
        form2_.reset();
        Form1Test::TearDown();
        QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed_);
    }

    void addStock(const QString& symbol, const QString& note)
    {
        form->Stock->setText(symbol);
        form->price->setText(note);
        QTest::mouseClick(form->add, Qt::LeftButton);
    }

    void clickRow(int row)
    {
        QListView& list = *form2_->ListBox1;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(row, 0)).center());
        QCoreApplication::processEvents(); // the question comes from the event loop
    }

    std::vector<std::string> dataLines() const { return rowsOf(form2_->ListBox1->model()); }

    std::unique_ptr<TForm2> form2_;

private:
    bool quitOnLastClosed_ = true;
    TForm2* previousForm2_ = nullptr;
};

TEST_F(DataFormTest, WindowIsAPlainHiddenListThatFillsItsClientArea)
{
    TForm2& dataList = *form2_;
    EXPECT_EQ(dataList.windowTitle(), QStringLiteral("Morvane Stocks Data List"));
    EXPECT_TRUE(dataList.isWindow());
    EXPECT_TRUE(dataList.isHidden());
    // 658 x 268 outside with a 4-pixel frame and a 19-pixel caption bar.
    EXPECT_EQ(dataList.pos(), QPoint(282, 358));
    EXPECT_EQ(dataList.size(), QSize(650, 241));
    EXPECT_EQ(dataList.font().pixelSize(), 11);

    QListView& list = *dataList.ListBox1;
    // Verdana, or its stand-in where it is not installed.
    EXPECT_EQ(list.font().families().value(0), QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                                   ? QStringLiteral("Verdana")
                                                   : QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(list.font().pixelSize(), 11);
    EXPECT_FALSE(list.font().bold());
    EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    form->DatClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dataList));
    EXPECT_EQ(list.geometry(), dataList.rect());
    EXPECT_EQ(list.sizeHintForRow(0), 13);
    dataList.resize(300, 120);
    EXPECT_EQ(list.geometry(), QRect(0, 0, 300, 120));
}

TEST_F(DataFormTest, EveryOpeningShowsAFreshCopyOfThePageList)
{
    ASSERT_EQ(items().size(), 5u) << "a first run's seeded page";
    form->DatClick();
    EXPECT_TRUE(form2_->isVisible());
    EXPECT_EQ(dataLines(), items());

    // Closing only hides the window; the next opening shows the list as it is then.
    QPointer<TForm2> window(form2_.get());
    EXPECT_TRUE(form2_->close());
    EXPECT_FALSE(window.isNull());
    EXPECT_TRUE(form2_->isHidden());
    EXPECT_TRUE(form->isVisible());

    addStock(QStringLiteral("IBM"), QStringLiteral("95"));
    ASSERT_EQ(items().size(), 6u);
    form->DatClick();
    EXPECT_TRUE(form2_->isVisible());
    EXPECT_EQ(dataLines(), items());
    EXPECT_EQ(form2_->ListBox1->currentIndex().row(), -1);
}

TEST_F(DataFormTest, YesDeletesExactlyTheChosenLineAndSavesNothing)
{
    addStock(QStringLiteral("IBM"), QStringLiteral("95"));
    addStock(QStringLiteral("MSFT"), QStringLiteral("30"));
    const std::vector<std::string> before = items();
    ASSERT_EQ(before.size(), 7u);
    const std::string pageOnDisk = bytesOf(page());
    const std::string backupOnDisk = bytesOf(backup());
    const std::string settingsOnDisk = bytesOf(files.settingsFile);

    form->DatClick();
    prompts.confirmAnswer = true;
    const int ibmRow = 1;
    ASSERT_NE(before[ibmRow].find("IBM"), std::string::npos);
    clickRow(ibmRow);

    EXPECT_EQ(prompts.confirmAsked, 1);
    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + ibmRow);
    EXPECT_EQ(items(), expected);
    EXPECT_EQ(dataLines(), expected);
    // The line that moved up under the mouse is not left looking chosen.
    QCoreApplication::processEvents();
    EXPECT_EQ(form2_->ListBox1->currentIndex().row(), -1);
    EXPECT_TRUE(form2_->ListBox1->selectionModel()->selectedIndexes().isEmpty());

    // A fixed line goes just as well.
    clickRow(0);
    EXPECT_EQ(prompts.confirmAsked, 2);
    expected.erase(expected.begin());
    EXPECT_EQ(items(), expected);
    EXPECT_EQ(dataLines(), expected);

    EXPECT_EQ(bytesOf(page()), pageOnDisk);
    EXPECT_EQ(bytesOf(backup()), backupOnDisk);
    EXPECT_EQ(bytesOf(files.settingsFile), settingsOnDisk);
    EXPECT_EQ(form->ref->text(), QStringLiteral("10"));
}

TEST_F(DataFormTest, AnythingButYesChangesNothingAndKeepsTheSelection)
{
    form->DatClick();
    const std::vector<std::string> before = items();
    prompts.confirmAnswer = false;

    clickRow(2);
    EXPECT_EQ(prompts.confirmAsked, 1);
    EXPECT_EQ(form2_->ListBox1->currentIndex().row(), 2);
    EXPECT_EQ(items(), before);
    EXPECT_EQ(dataLines(), before);

    // Stepping with the arrow keys asks at every step.
    form2_->ListBox1->setFocus();
    QTest::keyClick(form2_->ListBox1, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTest::keyClick(form2_->ListBox1, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.confirmAsked, 3);
    EXPECT_EQ(form2_->ListBox1->currentIndex().row(), 4);
    EXPECT_EQ(items(), before);

    // A click that leaves no line selected asks too, and on Yes deletes nothing.
    prompts.confirmAnswer = true;
    QListView& list = *form2_->ListBox1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list.visualRect(list.model()->index(4, 0)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.confirmAsked, 4);
    EXPECT_TRUE(list.selectionModel()->selectedIndexes().isEmpty());
    EXPECT_EQ(items(), before);
    EXPECT_EQ(dataLines(), before);
}

TEST_F(DataFormTest, AScreenReaderChoosingALineHasItsAnswerBeforeTheQuestion)
{
    addStock(QStringLiteral("IBM"), QStringLiteral("95"));
    form->DatClick();
    const std::vector<std::string> before = items();
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(form2_->ListBox1)->tableInterface();
    ASSERT_NE(table, nullptr);
    const auto choose = [table](int row) {
        table->cellAt(row, 0)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
    };

    choose(2);
    EXPECT_EQ(prompts.confirmAsked, 0) << "asked inside the screen reader's call";
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.confirmAsked, 1);
    EXPECT_EQ(items(), before);

    // Moving the choice unselects one line and selects another: one question, about the line
    // chosen last.
    prompts.confirmAnswer = true;
    choose(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.confirmAsked, 2);
    std::vector<std::string> expected = before;
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(items(), expected);
}

TEST_F(DataFormTest, OpeningAndFocusingTheListAsksNothing)
{
    form->DatClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form2_.get()));
    QApplication::setActiveWindow(form2_.get());
    form2_->ListBox1->setFocus(Qt::ActiveWindowFocusReason);
    ASSERT_TRUE(form2_->ListBox1->hasFocus());
    QCoreApplication::processEvents();

    EXPECT_EQ(prompts.confirmAsked, 0);
    EXPECT_EQ(dataLines(), items());
    EXPECT_EQ(items().size(), 5u);
}

TEST_F(DataFormTest, DeletionKeepsEditsMadeInTheMainWindowWhileTheListWasOpen)
{
    form->DatClick();
    addStock(QStringLiteral("IBM"), QStringLiteral("95"));
    form->UpDown1->step(1);
    const std::vector<std::string> edited = items();
    ASSERT_EQ(dataLines(), edited);

    prompts.confirmAnswer = true;
    const int last = static_cast<int>(edited.size()) - 1;
    clickRow(last);

    std::vector<std::string> expected = edited;
    expected.pop_back();
    EXPECT_EQ(items(), expected);
    EXPECT_EQ(dataLines(), expected);
    const auto holds = [&expected](const char* text) {
        return std::any_of(expected.begin(), expected.end(), [text](const std::string& line) {
            return line.find(text) != std::string::npos;
        });
    };
    EXPECT_TRUE(holds("IBM"));
    EXPECT_TRUE(holds("HTTP-EQUIV=\"refresh\""));
}

TEST_F(DataFormTest, ADeletionAppliesToThePageAsEditedByHandAndTheCloseKeepsTheEdit)
{
    addStock(QStringLiteral("IBM"), QStringLiteral("95"));
    addStock(QStringLiteral("MSFT"), QStringLiteral("30"));
    form->DatClick();
    const std::string ibm = lines::stock("IBM", "95");
    const std::string msft = lines::stock("MSFT", "30");
    const int ibmRow = 1;
    ASSERT_EQ(dataLines().at(ibmRow), ibm);

    // Lines added above the chosen one move it down on disk; the open list still shows the
    // copy read earlier.
    const std::string note = "<img src=\"x.png\"> MY NOTE<br>";
    const Lines edited = {
        lines::title(),     note,           "<p>mine</p>", ibm, msft, lines::nasdaq(), lines::dow(),
        lines::generator(), lines::footer()};
    writeBytes(page(), pageBytes(edited));
    prompts.confirmAnswer = true;
    clickRow(ibmRow);

    Lines expected = plusEmptyLine(edited);
    expected.erase(expected.begin() + 3);
    EXPECT_EQ(items(), expected);
    EXPECT_EQ(dataLines(), expected);
    EXPECT_EQ(bytesOf(page()), pageBytes(edited)) << "the deletion saves nothing";

    EXPECT_TRUE(form->close());
    EXPECT_EQ(bytesOf(page()),
              pageBytes(closedPage({note, "<p>mine</p>", msft, lines::generator()}, 10)));
}

} // namespace
} // namespace stocks
