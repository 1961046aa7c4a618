// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/page_list_model.h"

#include "core/page_lines.h"
#include "ui/widgets/text_codec.h"

#include <QScopedValueRollback>

namespace stocks {

PageListModel::PageListModel(PageList& page) : page_(page), rows_(static_cast<int>(page.count()))
{
    page_.addObserver(this);
}

PageListModel::~PageListModel()
{
    page_.removeObserver(this);
}

int PageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

QVariant PageListModel::data(const QModelIndex& index, int role) const
{
    const auto row = static_cast<std::size_t>(index.row());
    if (role != Qt::DisplayRole || !index.isValid() || row >= page_.count())
        return {};
    // The list cuts a line at its right edge and never scrolls sideways; the longest line the
    // program writes shows in full, and a huge foreign line costs no more to draw.
    const std::string& line = page_.at(row);
    if (line.size() <= lines::maxLineLength)
        return toQt(line);
    return toQt(line.substr(0, lines::maxLineLength));
}

void PageListModel::lineInserted(std::size_t index, const std::string&)
{
    const QScopedValueRollback guard(changing_, true);
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row);
    ++rows_;
    endInsertRows();
}

void PageListModel::lineRemoved(std::size_t index)
{
    const QScopedValueRollback guard(changing_, true);
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row);
    --rows_;
    endRemoveRows();
}

void PageListModel::linesReset()
{
    const QScopedValueRollback guard(changing_, true);
    beginResetModel();
    rows_ = static_cast<int>(page_.count());
    endResetModel();
}

} // namespace stocks
