// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/stokfile1.h"

#include "core/integer_text.h"
#include "core/page_document.h"
#include "core/page_file.h"
#include "core/page_lines.h"
#include "core/settings.h"
#include "platform/display_choice.h"
#include "platform/drag_full_windows.h"
#include "platform/shell_open.h"
#include "ui/built_in_resources.h"
#include "ui/click_label.h"
#include "ui/dataform.h"
#include "ui/error_display.h"
#include "ui/form1_run_values.h"
#include "ui/page_list_model.h"
#include "ui/prompts.h"
#include "ui/return_presses.h"
#include "ui/text_codec.h"
#include "ui/unseen_list_box.h"
#include "ui/up_down.h"
#include "ui/window_fonts.h"
#include "ui/window_frame.h"
#include "ui/window_move_loop.h"
#include "ui/window_shape.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <utility>

namespace {

using stocks::clientHeight;
using stocks::clientWidth;
const QColor red(255, 0, 0);
const QColor white(255, 255, 255);

using stocks::ClickLabel;
using stocks::Face;

ClickLabel* makeLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                      const QFont& font)
{
    auto* label = new ClickLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text, QRect geometry,
                    const QString& hint)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setFont(stocks::windowsFont(Face::System, 13, stocks::Bold));
    edit->setTextMargins(0, 0, 0, 0);
    edit->setContentsMargins(0, 0, 0, 0);
    edit->setToolTip(hint);
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                        int styles, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(stocks::windowsFont(Face::System, 13, styles));
    button->setStyleSheet(QStringLiteral("padding: 0px;"));
    button->setToolTip(hint);
    return button;
}

// What assistive tools say of the label commands: the two that open a page are links, and
// those without a hint tell what they do.
void describeCommands(const TForm1& window)
{
    window.look->setLink(true);
    window.urllabel->setLink(true);
    const std::pair<QWidget*, const char*> descriptions[] = {
        {window.Label1, "Drag it with the mouse to move the window"},
        {window.xout, "Save the page and the settings and close the program"},
        {window.Dat, "Show every line of the page; choosing a line offers to delete it"},
        {window.Brok, "Add a link to your broker's web site to the page, once"},
        {window.Label2, "Choose another picture for the sign"},
    };
    for (const auto& [control, description] : descriptions)
        control->setAccessibleDescription(QString::fromLatin1(description));
}

} // namespace

TForm1::TForm1(const stocks::ProgramFiles& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), files_(files)
{
    stocks::registerBuiltInResources();
    // Where the window system shows the full rectangle of a shaped window, only what the
    // children paint inside the shape may show.
    if (!stocks::platform::masksWindowPixels())
        setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Morvane Stocks"));
    setWindowIcon(QIcon(QPixmap(QStringLiteral(":/window_icon.ico"), "ico")));
    setFont(stocks::windowsFont(Face::MsSansSerif, 11));
    const auto [left, top] = stocks::clientOffset();
    setFixedSize(clientWidth + 2 * left, clientHeight + top + left);
    move(187, 101);
    createControls();
    values_ = std::make_unique<stocks::Form1RunValues>(
        stocks::Form1Controls{this, Image1, oldref, look, Brok, ref, UpDown1});
    pageModel_ = std::make_unique<stocks::PageListModel>(values_->pageList());
    ListBox1->setModel(pageModel_.get());
    bindEvents();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::createControls()
{
    const auto [left, top] = stocks::clientOffset();
    new stocks::WindowFrame(this);
    clientArea = new QWidget(this);
    clientArea->setGeometry(left, top, clientWidth, clientHeight);
    QWidget* client = clientArea;

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, clientWidth, clientHeight);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/skin.bmp"), "bmp"));

    const QFont linkFont = stocks::windowsFont(Face::Verdana, 11, stocks::Bold | stocks::Underline);
    const QFont letterFont = stocks::windowsFont(Face::System, 13, stocks::Bold);

    urllabel = makeLabel(client, "urllabel", stocks::toQt(std::string(stocks::lines::makerHost())),
                         {1, 126, 134, 13}, linkFont);
    setTextColour(urllabel, red);
    urllabel->setToolTip(QStringLiteral("Check for Update"));
    urllabel->setCursor(Qt::BusyCursor);

    oldref = new QLabel(QStringLiteral("0"), client);
    oldref->setObjectName(QStringLiteral("oldref"));
    oldref->move(8, 96);
    oldref->setFont(stocks::windowsFont(Face::MsSansSerif, 13, stocks::Bold));
    setTextColour(oldref, white);
    oldref->setAutoFillBackground(true);
    oldref->adjustSize();
    // It only holds the written refresh minutes; the faces standing in for the designed one
    // are wide enough to reach into the sign, so it is kept out of sight altogether.
    oldref->hide();

    look = makeLabel(client, "look", QStringLiteral("Look now"), {8, 56, 73, 13}, linkFont);
    setTextColour(look, red);
    look->setToolTip(QStringLiteral("Open Stock Your List"));
    look->setCursor(Qt::BusyCursor);

    Label1 = makeLabel(client, "Label1", QStringLiteral("Grabhandle"), {8, 0, 121, 57},
                       stocks::windowsFont(Face::MsSansSerif, 11));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextColour(Label1, white);
    Label1->setCursor(Qt::PointingHandCursor);

    xout = makeLabel(client, "xout", QStringLiteral("X"), {107, 44, 12, 16}, letterFont);
    Dat = makeLabel(client, "Dat", QStringLiteral("D"), {70, 185, 12, 16}, letterFont);
    Brok = makeLabel(client, "Brok", QStringLiteral("B"), {54, 185, 12, 16}, letterFont);
    Label2 = makeLabel(client, "Label2", QString(), {0, 144, 137, 41}, font());
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Stock = makeEdit(client, "Stock", QStringLiteral("Stock"), {50, 25, 42, 18},
                     QStringLiteral("Stock Symbols"));
    price = makeEdit(client, "price", QStringLiteral("Price"), {50, 88, 42, 18},
                     QStringLiteral("Price"));

    ListBox1 = new stocks::UnseenListBox(client);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 184, 25, 17);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);

    rem = makeButton(client, "rem", QStringLiteral("-"), {93, 102, 16, 16},
                     stocks::Bold | stocks::StrikeOut, QStringLiteral("Remove Stock and Price"));
    add = makeButton(client, "add", QStringLiteral("+"), {35, 80, 16, 16}, stocks::Bold,
                     QStringLiteral("Add Stock and Price"));

    ref = makeEdit(client, "ref", QStringLiteral("10"), {50, 144, 23, 18},
                   QStringLiteral("Refresh Rate in Minutes"));
    ref->setReadOnly(true);

    UpDown1 = new stocks::UpDown(ref, client);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setGeometry(73, 144, 10, 18);
    UpDown1->setRange(2, 99);
    UpDown1->setPosition(10);
    UpDown1->setToolTip(QStringLiteral("Change Refresh Rate"));

    // What assistive tools say: a name for each control, and its hint as the description.
    const std::pair<QWidget*, const char*> spokenNames[] = {
        {clientArea, "Dollar sign"},
        {Image1, "Skin picture"},
        {urllabel, "Maker's web site"},
        {oldref, "Refresh minutes in the page"},
        {look, "Look now"},
        {Label1, "Move the window"},
        {xout, "Close"},
        {Dat, "Data list"},
        {Brok, "Link to my broker"},
        {Label2, "Pick a skin"},
        {Stock, "Stock symbol"},
        {price, "Price"},
        {ListBox1, "Page lines"},
        {rem, "Remove stock"},
        {add, "Add stock"},
        {ref, "Refresh minutes"},
        {UpDown1, "Change refresh rate"},
    };
    for (const auto& [control, name] : spokenNames) {
        control->setAccessibleName(QString::fromLatin1(name));
        control->setAccessibleDescription(control->toolTip());
    }
    describeCommands(*this);

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
            stocks::addStock(values_->pageList(), symbol, noteBytes);
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
            stocks::removeStock(values_->pageList(), symbol, note);
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
        stocks::addBrokerLine(values_->pageList(), stocks::fromQt(*address));
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
        const QFileInfo page(stocks::fileNameToQt(values_->pageFileName()));
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
        if (Form2)
            Form2->showPageList(*pageModel_);
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
            stocks::prompts().askSkinFile(stocks::fileNameToQt(values_->skinFileName()));
        if (!choice)
            return;
        values_->setSkinFileName(stocks::fileNameFromQt(*choice));
        values_->loadSkin(values_->skinFileName());
        stocks::Settings(files_.settingsFile).writeString("form", "skin", values_->skinFileName());
    });
}
