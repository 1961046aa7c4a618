// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_list.h"

#include <QAbstractListModel>

namespace stocks {

/// @brief The page list as a read-only list model, one row per line. Every list that shows
/// the page reads its lines from here, so each line is stored once, in the page list.
class PageListModel final : public QAbstractListModel, private PageListObserver {
    Q_OBJECT
public:
    explicit PageListModel(PageList& page);
    ~PageListModel() override;
    PageListModel(const PageListModel&) = delete;
    PageListModel& operator=(const PageListModel&) = delete;

    PageList& page() { return page_; }
    /// True while the page list changes: a selection that moves meanwhile is no user's choice.
    bool changing() const { return changing_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    void lineInserted(std::size_t index, const std::string& text) override;
    void lineRemoved(std::size_t index) override;
    void linesReset() override;

    PageList& page_;
    // The page list is told after each change, the views must be told before it: until they
    // are, the model keeps answering with the count they know.
    int rows_ = 0;
    bool changing_ = false;
};

} // namespace stocks
