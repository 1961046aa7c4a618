#pragma once

#include <QWidget>

#include <memory>

class QListWidget;

namespace stocks {
class ListBoxMirror;
class PageList;
} // namespace stocks

/// @brief The data list window: every page line as raw text; a line is deleted after a
/// confirmation.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    QListWidget* ListBox1;

    /// Shows the window (or brings it to the front) with a fresh copy of the page list,
    /// kept equal to it while the window lives.
    void showPageList(stocks::PageList& page);
    void ListBox1Click();

private:
    stocks::PageList* page_ = nullptr;
    std::unique_ptr<stocks::ListBoxMirror> mirror_;
};

extern TForm2* Form2;
