// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/stokfile1.h"

#include "core/integer_text.h"
#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/settings.h"
#include "platform/display_choice.h"
#include "platform/file_name_codec.h"
#include "platform/full_window_drag.h"
#include "platform/shell_open.h"
#include "ui/dataform.h"
#include "ui/dialogs/error_display.h"
#include "ui/dialogs/prompts.h"
#include "ui/form1_run_values.h"
#include "ui/page_list_model.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/return_presses.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/unseen_list_box.h"
#include "ui/widgets/up_down.h"
#include "ui/window/built_in_resources.h"
#include "ui/window/window_fonts.h"
#include "ui/window/window_frame.h"
#include "ui/window/window_move_loop.h"
#include "ui/window/window_shape.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace {

using stocks::ClickLabel;
using stocks::clientHeight;
using stocks::clientWidth;
using stocks::Face;

} // namespace

TForm1::TForm1(const stocks::ProgramFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), files_(files)
{
    // Where the window system shows the full rectangle of a shaped window, only what the
    // children paint inside the shape may show.
    if (!stocks::platform::masksWindowPixels())
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Morvane Stocks"));
    setWindowIcon(
        QIcon(QPixmap::fromImage(stocks::builtInPicture(QStringLiteral(":/window_icon.ico")))));
    setFont(stocks::windowsFont(Face::MsSansSerif, 11));
    const auto [left, top] = stocks::clientOffset();
    setFixedSize(clientWidth + 2 * left, clientHeight + top + left);
    move(187, 101);
    createControls();
    values_ = std::make_unique<stocks::Form1RunValues>(
        stocks::Form1Controls{this, Image1, oldref, look, Label1, Brok, ref, UpDown1});
    pageModel_ = std::make_unique<stocks::PageListModel>(values_->pageList());
    ListBox1->setModel(pageModel_.get());
    bindEvents();
    FormCreate();
}

TForm1::~TForm1()
{
    if (Form2 == dataList_.get())
        Form2 = nullptr;
}

void TForm1::createControls()
{
    const auto [left, top] = stocks::clientOffset();
    new stocks::WindowFrame(this);
    clientArea = new QWidget(this);
    clientArea->setGeometry(left, top, clientWidth, clientHeight);
    clientArea->setAccessibleName(QStringLiteral("Dollar sign"));
    stocks::createForm1Controls(*this, clientArea, font());

    setTabOrder(Stock, price);
    setTabOrder(price, add);
    setTabOrder(add, rem);
    setTabOrder(rem, ListBox1);
    setTabOrder(ListBox1, ref);
}

void TForm1::bindEvents()
{
    connect(add, &QPushButton::clicked, this, &TForm1::addClick);
    connect(rem, &QPushButton::clicked, this, &TForm1::remClick);
    stocks::pressOnReturn(add);
    stocks::pressOnReturn(rem);
    connect(UpDown1, &stocks::UpDown::changing, this, &TForm1::UpDown1Changing);
    connect(look, &ClickLabel::clicked, this, &TForm1::lookClick);
    connect(urllabel, &ClickLabel::clicked, this, &TForm1::urllabelClick);
    connect(Brok, &ClickLabel::clicked, this, &TForm1::BrokerClick);
    connect(xout, &ClickLabel::clicked, this, &TForm1::xoutClick);
    connect(Dat, &ClickLabel::clicked, this, &TForm1::DatClick);
    connect(Label1, &ClickLabel::pressed, this, &TForm1::Label1MouseDown);
    connect(Label2, &ClickLabel::doubleClicked, this, &TForm1::Label2DblClick);
}

void TForm1::FormCreate()
{
    stocks::runHandler([this] { stocks::runStartSequence(*values_, files_, stocks::showError); });
}

bool TForm1::FormClose()
{
    bool closed = false;
    stocks::runHandler([this, &closed] {
        closed = stocks::runCloseSequence(*values_, files_, stocks::showError);
    });
    return closed;
}

void TForm1::FormSessionSave()
{
    stocks::runHandler([this] { stocks::runSessionSave(*values_, files_, stocks::showError); });
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

void TForm1::addClick()
{
    stocks::runHandler([this] {
        if (Stock->text() != QLatin1String("Stock")) {
            const std::string symbol = stocks::fromQt(Stock->text());
            const QString note =
                price->text() == QLatin1String("Price") ? QString() : price->text();
            const std::string noteBytes = stocks::fromQt(note);
            stocks::followPageFile(*values_);
            stocks::addStock(values_->pageList(), symbol, noteBytes, values_->chartAddress());
            price->clear();
            stocks::savePage(*values_);
        }
        Stock->setFocus();
        stocks::placeClosingLines(values_->pageList());
    });
}

void TForm1::remClick()
{
    stocks::runHandler([this] {
        if (Stock->text() != QLatin1String("Stock")) {
            const std::string symbol = stocks::fromQt(Stock->text());
            const std::string note = stocks::fromQt(price->text());
            stocks::followPageFile(*values_);
            stocks::removeStock(values_->pageList(), symbol, note, values_->chartAddress());
            stocks::placeClosingLines(values_->pageList());
            price->clear();
            stocks::savePage(*values_);
        }
        Stock->setFocus();
    });
}

void TForm1::UpDown1Changing(bool& AllowChange)
{
    AllowChange = true;
    stocks::runHandler([this] {
        stocks::followPageFile(*values_);
        const std::string position = std::to_string(UpDown1->position());
        values_->setOldrefCaption(position);
        const long long seconds = 60LL * stocks::toInteger(values_->refText());
        stocks::setRefreshLine(values_->pageList(), seconds);
        price->clear();
        values_->setOldrefCaption(position);
        stocks::savePage(*values_);
        if (isVisible())
            Stock->setFocus();
    });
}

void TForm1::BrokerClick()
{
    stocks::runHandler([this] {
        const auto address = stocks::prompts().askBrokerAddress();
        if (!address)
            return;
        const std::string addressBytes = stocks::fromQt(*address);
        stocks::followPageFile(*values_);
        stocks::addBrokerLine(values_->pageList(), addressBytes);
        stocks::Settings(files_.settingsFile).writeBool("broker", "vis", false);
        Brok->hide();
        stocks::savePage(*values_);
    });
}

void TForm1::lookClick()
{
    stocks::runHandler([this] {
        // The page this run keeps, wherever the settings put it; a relative name is a file
        // here, never a web address.
        const QFileInfo page(stocks::platform::fileNameToQt(values_->pageFileName()));
        stocks::platform::shellOpen(page.absoluteFilePath());
    });
}

void TForm1::urllabelClick()
{
    stocks::runHandler([this] { stocks::platform::shellOpen(urllabel->text()); });
}

void TForm1::DatClick()
{
    stocks::runHandler([this] {
        // Made at its first opening: until then it would only take up memory.
        if (!Form2) {
            dataList_ = std::make_unique<TForm2>();
            Form2 = dataList_.get();
        }
        // A deletion there goes to the page as it is on disk, read again if someone changed it.
        Form2->showPageList(*pageModel_, [this] { return stocks::followPageFile(*values_); });
    });
}

void TForm1::xoutClick()
{
    stocks::runHandler([this] {
        if (close())
            QCoreApplication::quit();
    });
}

void TForm1::Label1MouseDown(Qt::MouseButton Button)
{
    stocks::runHandler([this, Button] {
        if (Button == Qt::LeftButton)
            stocks::runWindowMoveLoop(*this);
        stocks::platform::setDragFullWindows(true);
    });
}

void TForm1::Label2DblClick()
{
    stocks::runHandler([this] {
        const auto choice =
            stocks::prompts().askSkinFile(stocks::platform::fileNameToQt(values_->skinFileName()));
        if (!choice)
            return;
        values_->setSkinFileName(stocks::platform::fileNameFromQt(*choice));
        values_->loadSkin(values_->skinFileName());
        stocks::Settings(files_.settingsFile)
            .writeFileName("form", "skin", values_->skinFileName());
    });
}
