// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/form1_controls.h"

#include "core/page_lines.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/glyph_button.h"
#include "ui/widgets/text_codec.h"
#include "ui/widgets/unseen_list_box.h"
#include "ui/widgets/up_down.h"
#include "ui/window/built_in_resources.h"
#include "ui/window/window_fonts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace stocks {
namespace {

// The member a row fills also says what kind of control it is.
using Member =
    std::variant<QLabel * Form1Ui::*, ClickLabel * Form1Ui::*, QLineEdit * Form1Ui::*,
                 UnseenListBox * Form1Ui::*, QPushButton * Form1Ui::*, UpDown * Form1Ui::*>;

struct ControlRow {
    Member member;
    const char* name;
    QString caption;
    QRect place;
    QFont font;
    Qt::Alignment alignment;
    std::optional<QColor> colour;
    std::optional<Qt::CursorShape> cursor;
    const char* hint;
    const char* spokenName;
};

// In creation order, which is also the painting order: a later label lies above an earlier one.
std::vector<ControlRow> controlRows(const QFont& window)
{
    const QFont link = windowsFont(Face::Verdana, 11, Bold | Underline);
    const QFont letter = windowsFont(Face::System, 13, Bold);
    const QFont struck = windowsFont(Face::System, 13, Bold | StrikeOut);
    const QFont small = windowsFont(Face::MsSansSerif, 11);
    const QFont large = windowsFont(Face::MsSansSerif, 13, Bold);
    const QColor red(255, 0, 0);
    const QColor white(255, 255, 255);
    const Qt::CursorShape busy = Qt::BusyCursor;
    const Qt::CursorShape hand = Qt::PointingHandCursor;
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
    const QString makerHost = toQt(std::string(lines::makerHost()));
    using F = Form1Ui;
    // clang-format off
    return {
        // member      name        caption        place              font    alignment colour cursor
        //             hint                        spoken name
        {&F::Image1,   "Image1",   {},            {0, 0, 138, 208},  window, topLeft,  {},    {},
                       "",                         "Skin picture"},
        {&F::urllabel, "urllabel", makerHost,     {1, 126, 134, 13}, link,   centred,  red,   busy,
                       "Check for Update",         "Maker's web site"},
        {&F::oldref,   "oldref",   "0",           {8, 96, 9, 16},    large,  {},       white, {},
                       "",                         "Refresh minutes in the page"},
        {&F::look,     "look",     "Look now",    {8, 56, 73, 13},   link,   centred,  red,   busy,
                       "Open Stock Your List",     "Look now"},
        {&F::Label1,   "Label1",   "Grabhandle",  {8, 0, 121, 57},   small,  topLeft,  white, hand,
                       "",                         "Move the window"},
        {&F::xout,     "xout",     "X",           {107, 44, 12, 16}, letter, centred,  {},    {},
                       "",                         "Close"},
        {&F::Dat,      "Dat",      "D",           {70, 185, 12, 16}, letter, centred,  {},    {},
                       "",                         "Data list"},
        {&F::Brok,     "Brok",     "B",           {54, 185, 12, 16}, letter, centred,  {},    {},
                       "",                         "Link to my broker"},
        {&F::Label2,   "Label2",   {},            {0, 144, 137, 41}, window, topLeft,  {},    {},
                       "",                         "Pick a skin"},
        {&F::Stock,    "Stock",    "Stock",       {50, 25, 42, 18},  letter, {},       {},    {},
                       "Stock Symbols",            "Stock symbol"},
        {&F::price,    "price",    "Price",       {50, 88, 42, 18},  letter, {},       {},    {},
                       "Price",                    "Price"},
        {&F::ListBox1, "ListBox1", {},            {8, 184, 25, 17},  window, {},       {},    {},
                       "",                         "Page lines"},
        {&F::rem,      "rem",      "-",           {93, 102, 16, 16}, struck, {},       {},    {},
                       "Remove Stock and Price",   "Remove stock"},
        {&F::add,      "add",      "+",           {35, 80, 16, 16},  letter, {},       {},    {},
                       "Add Stock and Price",      "Add stock"},
        {&F::ref,      "ref",      "10",          {50, 144, 23, 18}, letter, {},       {},    {},
                       "Refresh Rate in Minutes",  "Refresh minutes"},
        {&F::UpDown1,  "UpDown1",  {},            {73, 144, 10, 18}, window, {},       {},    {},
                       "Change Refresh Rate",      "Change refresh rate"},
    };
    // clang-format on
}

QLabel* create(Form1Ui&, QLabel* Form1Ui::*, const ControlRow& row, QWidget* client)
{
    return new QLabel(row.caption, client);
}

ClickLabel* create(Form1Ui&, ClickLabel* Form1Ui::*, const ControlRow& row, QWidget* client)
{
    return new ClickLabel(row.caption, client);
}

// Made empty: its text is set once it has its own font, as a field lays out its text at
// each of the two (the first time in the application's font, which nothing else shows).
QLineEdit* create(Form1Ui&, QLineEdit* Form1Ui::*, const ControlRow&, QWidget* client)
{
    auto* edit = new QLineEdit(client);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setContentsMargins(0, 0, 0, 0);
    return edit;
}

UnseenListBox* create(Form1Ui&, UnseenListBox* Form1Ui::*, const ControlRow&, QWidget* client)
{
    return new UnseenListBox(client);
}

QPushButton* create(Form1Ui&, QPushButton* Form1Ui::*, const ControlRow& row, QWidget* client)
{
    return new GlyphButton(row.caption, client);
}

// The spinner's buddy is the row before it.
UpDown* create(Form1Ui& form, UpDown* Form1Ui::*, const ControlRow&, QWidget* client)
{
    return new UpDown(form.ref, client);
}

template <typename Control> void setAlignment(Control* control, Qt::Alignment alignment)
{
    if constexpr (std::is_base_of_v<QLabel, Control>)
        control->setAlignment(alignment);
}

void applyRow(QWidget* control, const ControlRow& row)
{
    control->setObjectName(QString::fromLatin1(row.name));
    control->setGeometry(row.place);
    control->setFont(row.font);
    if (row.colour) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::WindowText, *row.colour);
        control->setPalette(palette);
    }
    if (row.cursor)
        control->setCursor(*row.cursor);
    control->setToolTip(QString::fromLatin1(row.hint));
    // What assistive tools say: a name for each control, and its hint as the description.
    control->setAccessibleName(QString::fromLatin1(row.spokenName));
    control->setAccessibleDescription(control->toolTip());
}

// What assistive tools say of the label commands: the two that open a page are links, and
// those without a hint tell what they do.
void describeCommands(const Form1Ui& form)
{
    form.look->setLink(true);
    form.urllabel->setLink(true);
    const std::pair<QWidget*, const char*> descriptions[] = {
        {form.Label1, "Drag it with the mouse to move the window"},
        {form.xout, "Save the page and the settings and close the program"},
        {form.Dat, "Show every line of the page; choosing a line offers to delete it"},
        {form.Brok, "Add a link to your broker's web site to the page, once"},
        {form.Label2, "Choose another picture for the sign"},
    };
    for (const auto& [control, description] : descriptions)
        control->setAccessibleDescription(QString::fromLatin1(description));
}

} // namespace

void createForm1Controls(Form1Ui& form, QWidget* client, const QFont& window)
{
    for (const ControlRow& row : controlRows(window)) {
        std::visit(
            [&](auto member) {
                auto* control = create(form, member, row, client);
                if (row.alignment)
                    setAlignment(control, row.alignment);
                applyRow(control, row);
                if constexpr (std::is_base_of_v<QLineEdit,
                                                std::remove_pointer_t<decltype(control)>>)
                    control->setText(row.caption);
                form.*member = control;
            },
            row.member);
    }
    form.Image1->setPixmap(QPixmap::fromImage(builtInPicture(QStringLiteral(":/skin.bmp"))));
    form.oldref->setAutoFillBackground(true);
    // It only holds the written refresh minutes; the faces standing in for the designed one
    // are wide enough to reach into the sign, so it is kept out of sight altogether. Never
    // shown, it is not sized to its caption either: measuring would load its font for nothing.
    form.oldref->hide();
    form.ref->setReadOnly(true);
    form.UpDown1->setRange(2, 99);
    form.UpDown1->setPosition(10);
    describeCommands(form);
}

} // namespace stocks
