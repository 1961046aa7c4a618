// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/ui/form1_fixture.h"

#include "ui/widgets/click_label.h"
#include "ui/widgets/up_down.h"

#include <QPushButton>
#include <QToolButton>

namespace stocks {
namespace {

namespace fs = std::filesystem;

QToolButton* arrow(UpDown* spinner, Qt::ArrowType type)
{
    for (auto* button : spinner->findChildren<QToolButton*>())
        if (button->arrowType() == type)
            return button;
    return nullptr;
}

void doubleClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

QString pathText(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

TEST_F(Form1Test, AddSavesTheStockLineWithThePlaceholderNoteAsEmpty)
{
    TForm1& window = start();
    EXPECT_TRUE(window.look->isHidden());

    window.Stock->setText("IBM");
    window.price->setFocus();
    window.addClick();
    const Lines afterAdd = {lines::title(), lines::stock("IBM", ""), lines::nasdaq(),
                            lines::dow(),   lines::generator(),      lines::footer()};
    EXPECT_EQ(bytesOf(page()), pageBytes(afterAdd));
    EXPECT_EQ(items(), afterAdd);
    EXPECT_EQ(window.price->text(), "");
    EXPECT_FALSE(window.look->isHidden());
    EXPECT_EQ(window.focusWidget(), window.Stock);
    EXPECT_FALSE(fs::exists(backup()));

    window.price->setText("95");
    window.addClick();
    EXPECT_EQ(bytesOf(backup()), pageBytes(afterAdd));
    EXPECT_EQ(bytesOf(page()),
              pageBytes({lines::title(), lines::stock("IBM", ""), lines::stock("IBM", "95"),
                         lines::nasdaq(), lines::dow(), lines::generator(), lines::footer()}));
    EXPECT_EQ(window.price->text(), "");
}

TEST_F(Form1Test, AddPlacesTheClosingLinesAfterSavingAndNotAtAllForThePlaceholderSymbol)
{
    const Lines saved = closedPage({lines::stock("IBM", "95")}, 10);
    writeBytes(page(), pageBytes(saved));
    TForm1& window = start();

    // With the placeholder nothing is saved, yet the closing lines move behind the empty line.
    window.price->setText("12");
    window.addClick();
    EXPECT_EQ(bytesOf(page()), pageBytes(saved));
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_EQ(window.price->text(), "12");
    Lines placed = saved;
    placed.insert(placed.end() - 2, "");
    EXPECT_EQ(items(), placed);

    // A stock goes in before the DOW line; the file gets the list as it was before placing.
    window.Stock->setText("MSFT");
    window.addClick();
    Lines withMsft = placed;
    withMsft.insert(withMsft.end() - 4, lines::stock("MSFT", "12"));
    EXPECT_EQ(bytesOf(page()), pageBytes(withMsft));
    EXPECT_EQ(items(), withMsft);
}

TEST_F(Form1Test, RemoveTakesTheLineOnlyWhenThePriceFieldMatchesItsNote)
{
    TForm1& window = start();
    window.Stock->setText("IBM");
    window.addClick();
    const std::string sixLines = bytesOf(page());

    // "Price" stays in the note here, so the empty-note line survives; the page is saved anyway.
    window.price->setText("Price");
    QTest::mouseClick(window.rem, Qt::LeftButton);
    EXPECT_EQ(window.price->text(), "");
    EXPECT_EQ(bytesOf(page()), sixLines);
    EXPECT_EQ(bytesOf(backup()), sixLines);

    window.price->setFocus();
    QTest::mouseClick(window.rem, Qt::LeftButton);
    EXPECT_EQ(bytesOf(page()), pageBytes(seededPage()));
    EXPECT_EQ(items(), seededPage());
    EXPECT_EQ(window.focusWidget(), window.Stock);

    // The placeholder symbol removes and saves nothing.
    window.Stock->setText("Stock");
    window.price->setText("1");
    QTest::mouseClick(window.rem, Qt::LeftButton);
    EXPECT_EQ(bytesOf(backup()), sixLines);
    EXPECT_EQ(window.price->text(), "1");
}

TEST_F(Form1Test, EnterAndReturnPressTheFocusedPlusAndMinus)
{
    TForm1& window = start();
    window.Stock->setText("IBM");
    window.price->setText("95");
    window.add->setFocus();
    QTest::keyClick(window.add, Qt::Key_Return);
    Lines withIbm = seededPage();
    withIbm.insert(withIbm.begin() + 1, lines::stock("IBM", "95"));
    EXPECT_EQ(bytesOf(page()), pageBytes(withIbm));
    EXPECT_EQ(window.focusWidget(), window.Stock);

    window.price->setText("95");
    window.rem->setFocus();
    QTest::keyClick(window.rem, Qt::Key_Enter);
    EXPECT_EQ(bytesOf(page()), pageBytes(seededPage()));
    EXPECT_EQ(window.focusWidget(), window.Stock);
}

TEST_F(Form1Test, SpinnerStepsSaveThePeriodShownBeforeEachStep)
{
    const Lines saved = closedPage({lines::stock("IBM", "95")}, 10);
    writeBytes(page(), pageBytes(saved));
    TForm1& window = start();
    window.show();
    window.price->setText("95");
    window.price->setFocus();

    QTest::mouseClick(arrow(window.UpDown1, Qt::UpArrow), Qt::LeftButton);
    EXPECT_EQ(window.ref->text(), "11");
    EXPECT_EQ(window.price->text(), "");
    EXPECT_EQ(window.focusWidget(), window.Stock);
    window.ref->setFocus();
    QTest::keyClick(window.ref, Qt::Key_Up);
    EXPECT_EQ(window.ref->text(), "12");
    EXPECT_EQ(window.focusWidget(), window.Stock);
    EXPECT_EQ(window.UpDown1->position(), 12);
    EXPECT_EQ(window.oldref->text(), "11");

    Lines expected = saved;
    expected[1] = lines::refresh(660);
    expected.push_back("");
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));

    EXPECT_TRUE(window.close());
    Lines closed = saved;
    closed[1] = lines::refresh(720);
    EXPECT_EQ(bytesOf(page()), pageBytes(closed));
    EXPECT_EQ(setting("html", "refrate"), "12");

    // Down steps the same way.
    TForm1& again = start();
    EXPECT_EQ(again.ref->text(), "12");
    QTest::mouseClick(arrow(again.UpDown1, Qt::DownArrow), Qt::LeftButton);
    EXPECT_EQ(again.ref->text(), "11");
    EXPECT_EQ(again.oldref->text(), "12");
    EXPECT_EQ(bytesOf(page()), pageBytes(plusEmptyLine(closed)));
}

TEST_F(Form1Test, BrokerLinkIsAddedOnceAndOnlyOnOk)
{
    const Lines saved = closedPage({lines::stock("IBM", "95")}, 10);
    writeBytes(page(), pageBytes(saved));
    TForm1& window = start();
    EXPECT_FALSE(window.Brok->isHidden());

    // A double click is one click on the label and asks once.
    doubleClick(window.Brok);
    EXPECT_EQ(prompts.brokerAsked, 1);
    EXPECT_EQ(bytesOf(page()), pageBytes(saved));
    EXPECT_FALSE(fs::exists(backup()));
    EXPECT_FALSE(window.Brok->isHidden());
    EXPECT_EQ(setting("broker", "vis"), "<none>");

    prompts.brokerAnswer = QStringLiteral("trade.example.com");
    QTest::mouseClick(window.Brok, Qt::LeftButton);
    Lines expected = saved;
    expected.push_back("");
    expected.insert(expected.end() - 3, lines::broker("trade.example.com"));
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));
    EXPECT_EQ(setting("broker", "vis"), "0");
    EXPECT_TRUE(window.Brok->isHidden());

    TForm1& restarted = start();
    EXPECT_TRUE(restarted.Brok->isHidden());
    expected.push_back("");
    EXPECT_EQ(items(), expected);
}

TEST_F(Form1Test, LinksOpenThePageKeptAndTheMakersSiteThroughTheShell)
{
    writeBytes(page(), pageBytes(closedPage({}, 10)));
    TForm1& window = start();
    QTest::mouseClick(window.look, Qt::LeftButton);
    QTest::mouseClick(window.urllabel, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({pathText(page()), QString::fromUtf8(lines::makerHost())}));

    // The settings may keep the page elsewhere: that page is the one to look at.
    const fs::path elsewhere = folder / "kept" / "watch.html";
    fs::create_directory(folder / "kept");
    writeBytes(elsewhere, pageBytes(closedPage({}, 10)));
    writeSettings("[html]\r\nfile=" + elsewhere.string() + "\r\n");
    opened.clear();
    QTest::mouseClick(start().look, Qt::LeftButton);
    EXPECT_EQ(opened, QStringList({pathText(elsewhere)}));

    // A relative name is a file of the program's folder, not a web address.
    writeSettings("[html]\r\nfile=watch.html\r\n");
    opened.clear();
    start().lookClick();
    EXPECT_EQ(opened, QStringList({pathText(folder / "watch.html")}));
}

TEST_F(Form1Test, XRunsTheCloseSequenceAndWritesThePageAndSettings)
{
    writeSettings("[form]\r\ntop=40\r\nleft=30\r\n");
    TForm1& window = start();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.pos(), QPoint(30, 40)) << "placed where it was left, not by the toolkit";
    window.move(70, 60);

    QTest::mouseClick(window.xout, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({lines::generator()}, 10)));
    EXPECT_EQ(setting("html", "file"), "MorvaneStocks.html");
    EXPECT_EQ(setting("html", "refrate"), "10");
    EXPECT_EQ(setting("form", "top"), "60");
    EXPECT_EQ(setting("form", "left"), "70");
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(Form1Test, FirstRunAddAndCloseThroughTheWidgets)
{
    TForm1& window = start();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(items(), seededPage());
    EXPECT_EQ(window.ref->text(), "10");

    QTest::mouseClick(window.Stock, Qt::LeftButton);
    type(window.Stock, QStringLiteral("IBM"));
    type(window.price, QStringLiteral("95"));
    QTest::mouseClick(window.add, Qt::LeftButton);
    const Lines six = {lines::title(), lines::stock("IBM", "95"), lines::nasdaq(),
                       lines::dow(),   lines::generator(),        lines::footer()};
    EXPECT_EQ(bytesOf(page()), pageBytes(six));

    EXPECT_TRUE(window.close());
    const Lines nine = closedPage({lines::stock("IBM", "95"), lines::generator()}, 10);
    EXPECT_EQ(bytesOf(page()), pageBytes(nine));
    EXPECT_EQ(bytesOf(backup()), pageBytes(six));

    EXPECT_FALSE(start().look->isHidden());
    EXPECT_EQ(items(), plusEmptyLine(nine));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(Form1Test, FailedSaveShowsCannotCreateFileAndStopsTheCommand)
{
    const fs::path unreachable = folder / "missing" / "page.html";
    writeSettings("[html]\r\nfile=" + unreachable.string() + "\r\n");
    TForm1& window = start();
    const std::string settingsBefore = bytesOf(files.settingsFile);

    window.Stock->setText("IBM");
    window.price->setText("95");
    window.price->setFocus();
    window.addClick();
    const QString message = "Cannot create file " + pathText(unreachable) + ".";
    EXPECT_EQ(prompts.errors, QStringList({message}));
    EXPECT_FALSE(fs::exists(folder / "missing"));
    // Nothing done before the failure is undone, and nothing after it happens.
    EXPECT_EQ(items()[1], lines::stock("IBM", "95"));
    EXPECT_EQ(window.price->text(), "");
    EXPECT_EQ(window.focusWidget(), window.price);
    EXPECT_TRUE(window.look->isHidden());

    // The close cannot save either: the window stays open and the settings stay as they were.
    EXPECT_FALSE(window.close());
    EXPECT_EQ(prompts.errors, QStringList({message, message}));
    EXPECT_EQ(bytesOf(files.settingsFile), settingsBefore);
    EXPECT_TRUE(window.look->isHidden());
}

TEST_F(Form1Test, TextThePageCannotHoldIsRefusedAndChangesNothing)
{
    const Lines saved = closedPage({lines::stock("IBM", "95")}, 10);
    writeBytes(page(), pageBytes(saved));
    TForm1& window = start();
    const Lines before = items();

    const auto refused = [&](const QString& symbol, const QString& note, auto command) {
        prompts.errors.clear();
        window.Stock->setText(symbol);
        window.price->setText(note);
        (window.*command)();
        EXPECT_EQ(prompts.errors.size(), 1) << symbol.toStdString() << note.toStdString();
        EXPECT_TRUE(prompts.errors.value(0).endsWith('.'));
        EXPECT_EQ(window.price->text(), note);
        EXPECT_EQ(items(), before);
        EXPECT_EQ(bytesOf(page()), pageBytes(saved));
        EXPECT_FALSE(fs::exists(backup()));
    };
    refused(QStringLiteral("中"), QStringLiteral("95"), &TForm1::addClick);
    refused(QStringLiteral("IBM"), QStringLiteral("9中5"), &TForm1::addClick);
    refused(QStringLiteral("IBM"), QStringLiteral("9\n5"), &TForm1::addClick);
    refused(QStringLiteral("IBM"), QStringLiteral("95\r"), &TForm1::addClick);
    refused(QStringLiteral("中"), QStringLiteral("95"), &TForm1::remClick);
    EXPECT_TRUE(prompts.errors.value(0).contains(QStringLiteral("Windows-1252")));

    prompts.errors.clear();
    prompts.brokerAnswer = QStringLiteral("broker.中.com");
    QTest::mouseClick(window.Brok, Qt::LeftButton);
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_FALSE(window.Brok->isHidden());
    EXPECT_EQ(setting("broker", "vis"), "<none>");
    EXPECT_EQ(items(), before);

    // Characters Windows-1252 does hold go through unchanged.
    prompts.errors.clear();
    window.Stock->setText(QStringLiteral("NESN"));
    window.price->setText(QStringLiteral("€ 101,5 – ü"));
    window.addClick();
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_NE(bytesOf(page()).find(lines::stock("NESN", "\x80 101,5 \x96 \xFC") + "\r\n"),
              std::string::npos);
}

TEST_F(Form1Test, APageThatFailedToLoadIsNeverOverwritten)
{
    fs::create_directory(page());
    TForm1& window = start();
    const QString message = "Cannot open file " + pathText(page()) + ".";
    EXPECT_EQ(prompts.errors, QStringList({message}));

    window.Stock->setText("IBM");
    window.addClick();
    QTest::keyClick(window.ref, Qt::Key_Up);
    QTest::mouseClick(window.rem, Qt::LeftButton);
    prompts.brokerAnswer = QStringLiteral("trade.example.com");
    window.BrokerClick();
    EXPECT_EQ(prompts.errors, QStringList(5, message)) << prompts.errors.join('\n').toStdString();

    // The close cannot save it either, but it must not keep the user from quitting.
    EXPECT_TRUE(window.close());
    EXPECT_EQ(prompts.errors.size(), 6);
    EXPECT_TRUE(fs::is_directory(page()));
    EXPECT_TRUE(fs::is_empty(page()));
    EXPECT_FALSE(fs::exists(backup()));
}

TEST_F(Form1Test, AProgramFolderWithANonLatinNameSavesClosesAndIsNamedInMessages)
{
    const fs::path programFolder = folder / "\u7528\u6237";
    fs::create_directory(programFolder);
    files = programFilesFor(programFolder / "stocks");
    TForm1& window = start();
    window.Stock->setText("IBM");
    window.price->setText("95");
    window.addClick();
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();

    const QString missing = pathText(programFolder / "skin.bmp");
    prompts.skinAnswer = missing;
    window.Label2DblClick();
    EXPECT_EQ(prompts.errors, QStringList{"Cannot open file " + missing + "."});
    EXPECT_TRUE(missing.contains(QString::fromUtf8("/\u7528\u6237/")));

    EXPECT_TRUE(window.close());
    EXPECT_EQ(setting("html", "file"), "MorvaneStocks.html");
    start();
    EXPECT_EQ(items(),
              plusEmptyLine(closedPage({lines::stock("IBM", "95"), lines::generator()}, 10)));
    EXPECT_EQ(prompts.errors.size(), 1);
}

TEST_F(Form1Test, EveryCommandThatSavesKeepsWhatWasWrittenIntoThePageByHand)
{
    const std::string ibm = lines::stock("IBM", "95");
    const std::string msft = lines::stock("MSFT", "30");
    const std::string note = "<img src=\"x.png\"> MY NOTE<br>";
    writeBytes(page(), pageBytes(closedPage({ibm}, 10)));
    TForm1& window = start();
    window.show();
    // Each step edits the page on disk, then runs one command, which takes the edit in.
    const auto editThen = [&](const Lines& userLines, auto command) {
        Lines edited = closedPage(userLines, 10);
        writeBytes(page(), pageBytes(edited));
        command();
        EXPECT_EQ(bytesOf(backup()), pageBytes(edited));
        return plusEmptyLine(edited);
    };

    window.Stock->setText("MSFT");
    window.price->setText("30");
    Lines expected = editThen({ibm, note}, [&] { window.addClick(); });
    expected.insert(expected.end() - 4, msft);
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));

    window.price->setText("30");
    editThen({note, msft, "<p>2</p>"}, [&] { window.remClick(); });
    expected = {lines::title(), lines::refresh(600), note,         "<p>2</p>",
                lines::news(),  lines::nasdaq(),     lines::dow(), std::string(),
                lines::site(),  lines::footer()};
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));

    expected = editThen({note, "<p>3</p>"}, [&] { window.UpDown1->step(1); });
    expected[1] = lines::refresh(600);
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));
    EXPECT_EQ(window.ref->text(), "11");

    prompts.brokerAnswer = QStringLiteral("trade.example.com");
    expected = editThen({note, "<p>4</p>"}, [&] { window.BrokerClick(); });
    expected.insert(expected.end() - 3, lines::broker("trade.example.com"));
    EXPECT_EQ(bytesOf(page()), pageBytes(expected));

    // The list box shows the page as read again.
    EXPECT_EQ(items(), expected);
    writeBytes(page(), pageBytes(closedPage({note, "<p>5</p>"}, 10)));
    EXPECT_TRUE(window.close());
    EXPECT_EQ(bytesOf(page()), pageBytes(closedPage({note, "<p>5</p>"}, 11)));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
}

} // namespace
} // namespace stocks
