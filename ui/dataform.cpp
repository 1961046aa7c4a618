#include "ui/dataform.h"

#include "core/page_list.h"
#include "ui/error_display.h"
#include "ui/list_box_mirror.h"
#include "ui/prompts.h"
#include "ui/window_fonts.h"
#include "ui/window_shape.h"

#include <QListWidget>
#include <QVBoxLayout>

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Morvane Stocks Data List"));
    setFont(stocks::windowsFont(stocks::Face::MsSansSerif, 11));
    const auto [frame, top] = stocks::clientOffset();
    resize(658 - 2 * frame, 268 - top - frame);
    move(282, 358);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(stocks::windowsFont(stocks::Face::Verdana, 11));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ListBox1);

    // The list's click: the user chose a line, with the mouse or the keyboard. The current
    // row alone also moves without any choice, when the list takes the focus.
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm2::ListBox1Click);
}

TForm2::~TForm2() = default;

void TForm2::showPageList(stocks::PageList& page)
{
    show();
    raise();
    activateWindow();
    // A fresh copy at every opening, then kept in step with the page list, so a deletion
    // here can never undo an edit made in the main window meanwhile.
    mirror_.reset();
    page_ = &page;
    mirror_ = std::make_unique<stocks::ListBoxMirror>(page, ListBox1);
}

void TForm2::ListBox1Click()
{
    stocks::runHandler([this] {
        if (!stocks::prompts().confirmLineDeletion())
            return;
        const QList<QListWidgetItem*> chosen = ListBox1->selectedItems();
        if (chosen.isEmpty() || !page_)
            return;
        const int row = ListBox1->row(chosen.constFirst());
        const QSignalBlocker quiet(ListBox1);
        page_->remove(static_cast<std::size_t>(row));
        ListBox1->setCurrentRow(-1);
    });
}
