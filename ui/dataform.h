// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QListView;

namespace stocks {
class PageListModel;
} // namespace stocks

/// @brief The data list window: every page line as raw text; a line is deleted after a
/// confirmation.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    QListView* ListBox1;

    /// Shows the window (or brings it to the front) with the page list as it is now, and
    /// follows the page list while the window lives. Before a deletion, followPage brings the
    /// page list up to date with the page file and tells whether it read the file again.
    void showPageList(stocks::PageListModel& page, std::function<bool()> followPage = {});
    void ListBox1Click();

private:
    Q_INVOKABLE void askQueuedQuestion();
    void forgetChoice();

    QPointer<stocks::PageListModel> page_;
    std::function<bool()> followPage_;
    bool forgetting_ = false;
    bool questionQueued_ = false;
};

extern TForm2* Form2;
