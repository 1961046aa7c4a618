// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/dialogs/prompts.h"

#include "core/stock_error.h"
#include "ui/dialogs/error_display.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace stocks {
namespace {

// Acts on the modal box once it is up; a box that never shows is closed so the test ends.
template <typename Box> void whenShown(std::function<void(Box&)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* box = qobject_cast<Box*>(modal);
        if (!box) {
            ADD_FAILURE() << "the expected box is not up";
            if (modal)
                modal->close();
            return;
        }
        act(*box);
    });
}

TEST(DialogPrompts, BrokerBoxAsksForAnAddressOfUpTo255CharactersStartingEmpty)
{
    whenShown<QInputDialog>([](QInputDialog& box) {
        EXPECT_EQ(box.windowTitle(), "Link to my Broker");
        EXPECT_EQ(box.labelText(), "My Broker's URL is:");
        const QPoint offCentre = box.frameGeometry().center() - box.screen()->geometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 8); // the frame is not known before showing
        auto* field = box.findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(), "");
        QTest::keyClicks(field, QString(300, 'a'));
        EXPECT_EQ(field->text().size(), 255);
        field->setText(QStringLiteral("trade.example.com"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    EXPECT_EQ(prompts().askBrokerAddress(), QStringLiteral("trade.example.com"));

    whenShown<QInputDialog>([](QInputDialog& box) {
        EXPECT_EQ(box.findChild<QLineEdit*>()->text(), "");
        QTest::keyClick(&box, Qt::Key_Return);
    });
    EXPECT_EQ(prompts().askBrokerAddress(), QString());

    whenShown<QInputDialog>([](QInputDialog& box) {
        QTest::keyClicks(box.findChild<QLineEdit*>(), QStringLiteral("typed"));
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    EXPECT_EQ(prompts().askBrokerAddress(), std::nullopt);
}

TEST(DialogPrompts, ErrorBoxShowsTheTextEndingInADotUnderTheProgramTitle)
{
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.windowTitle(), "Morvane Stock");
        EXPECT_EQ(box.text(), "Cannot create file /no/such/page.html.");
        EXPECT_EQ(box.icon(), QMessageBox::Critical);
        EXPECT_EQ(box.buttons().size(), 1);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        QTest::keyClick(&box, Qt::Key_Return);
    });
    showError(StockError("Cannot create file %s", "/no/such/page.html"));

    // A text that already ends in "." or a character sorting before it gets nothing added.
    for (const char* kept : {"Stream write error (disk full)", "Done."}) {
        whenShown<QMessageBox>([kept](QMessageBox& box) {
            EXPECT_EQ(box.text(), kept);
            box.button(QMessageBox::Ok)->click();
        });
        runHandler([kept] { throw std::runtime_error(kept); });
    }

    // A name that looks like markup shows as it is, not as a heading.
    whenShown<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.text(), "Cannot open file /skins/<h1>big</h1>.bmp.");
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        box.button(QMessageBox::Ok)->click();
    });
    showError(StockError("Cannot open file %s", "/skins/<h1>big</h1>.bmp"));
}

TEST(DialogPrompts, DeletionIsConfirmedOnlyByYes)
{
    const auto answer = [](auto act) {
        whenShown<QMessageBox>([act](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "Confirm");
            EXPECT_EQ(box.icon(), QMessageBox::Question);
            EXPECT_EQ(box.text(), "Delete this Line?\n(Close Program to Save Changes.)");
            EXPECT_EQ(box.standardButtons(),
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            act(box);
        });
        return prompts().confirmLineDeletion();
    };
    EXPECT_TRUE(answer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }));
    EXPECT_FALSE(answer([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }));
    EXPECT_FALSE(answer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }));
}

} // namespace
} // namespace stocks
