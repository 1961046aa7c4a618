// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/dataform.h"

#include "ui/dialogs/error_display.h"
#include "ui/dialogs/prompts.h"
#include "ui/page_list_model.h"
#include "ui/window/window_fonts.h"
#include "ui/window/window_shape.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <utility>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Morvane Stocks Data List"));
    setFont(stocks::windowsFont(stocks::Face::MsSansSerif, 11));
    const auto [frame, top] = stocks::clientOffset();
    resize(658 - 2 * frame, 268 - top - frame);
    move(282, 358);

    ListBox1 = new QListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Page lines"));
    ListBox1->setFont(stocks::windowsFont(stocks::Face::Verdana, 11));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox1);
}

void TForm2::showPageList(stocks::PageListModel& page, std::function<bool()> followPage)
{
    followPage_ = std::move(followPage);
    show();
    raise();
    activateWindow();
    if (page_ != &page) {
        page_ = &page;
        ListBox1->setModel(&page);
        // The list's click: the user chose a line, with the mouse, the keyboard or a screen
        // reader. A line moving under the selection as the page list changes is no choice,
        // and the current row alone also moves without any choice, when the list takes the
        // focus. The question waits for the event loop: whoever chose the line gets their
        // answer first, and a screen reader is not held until the box closes.
        connect(ListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            if (!forgetting_ && page_ && !page_->changing() && !questionQueued_) {
                questionQueued_ = true;
                QMetaObject::invokeMethod(this, "askQueuedQuestion", Qt::QueuedConnection);
            }
        });
    }
    // Each opening shows the page list as it is now, with no line chosen.
    forgetChoice();
    ListBox1->scrollToTop();
}

void TForm2::ListBox1Click()
{
    stocks::runHandler([this] {
        if (!stocks::prompts().confirmLineDeletion())
            return;
        const QItemSelectionModel* selection = ListBox1->selectionModel();
        if (!selection || !selection->hasSelection() || !page_)
            return;
        const auto row = static_cast<std::size_t>(selection->selectedIndexes().constFirst().row());
        stocks::PageList& page = page_->page();
        const std::string chosen = page.at(row);
        // On a page read again the row may hold another line: the chosen text is what goes.
        if (followPage_ && followPage_()) {
            const auto& lines = page.lines();
            const auto found = std::find(lines.begin(), lines.end(), chosen);
            if (found != lines.end())
                page.remove(static_cast<std::size_t>(found - lines.begin()));
        } else {
            page.remove(row);
        }
        forgetChoice();
    });
}

void TForm2::askQueuedQuestion()
{
    // Choices made before it runs make one question, about the line chosen last.
    questionQueued_ = false;
    ListBox1Click();
}

void TForm2::forgetChoice()
{
    const QScopedValueRollback quiet(forgetting_, true);
    if (auto* selection = ListBox1->selectionModel())
        selection->clear();
}
