#include "ui/list_box_mirror.h"

#include "ui/text_codec.h"

#include <QListWidget>

namespace stocks {

ListBoxMirror::ListBoxMirror(PageList& page, QListWidget* listBox) : page_(page), listBox_(listBox)
{
    linesReset();
    page_.addObserver(this);
}

ListBoxMirror::~ListBoxMirror()
{
    page_.removeObserver(this);
}

// The list box's own signals stay quiet: a line moving under the selection is no user's click.
void ListBoxMirror::lineInserted(std::size_t index, const std::string& text)
{
    const QSignalBlocker quiet(listBox_);
    listBox_->insertItem(static_cast<int>(index), toQt(text));
}

void ListBoxMirror::lineRemoved(std::size_t index)
{
    const QSignalBlocker quiet(listBox_);
    delete listBox_->takeItem(static_cast<int>(index));
}

void ListBoxMirror::linesReset()
{
    const QSignalBlocker quiet(listBox_);
    listBox_->clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(page_.count()));
    for (const auto& line : page_.lines())
        items.append(toQt(line));
    listBox_->addItems(items);
}

} // namespace stocks
