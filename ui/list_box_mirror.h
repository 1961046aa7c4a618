#pragma once

#include "core/page_list.h"

class QListWidget;

namespace stocks {

/// @brief Keeps a list box equal to a page list, line by line as the list changes.
class ListBoxMirror final : public PageListObserver {
public:
    ListBoxMirror(PageList& page, QListWidget* listBox);
    ~ListBoxMirror();
    ListBoxMirror(const ListBoxMirror&) = delete;
    ListBoxMirror& operator=(const ListBoxMirror&) = delete;

    void lineInserted(std::size_t index, const std::string& text) override;
    void lineRemoved(std::size_t index) override;
    void linesReset() override;

private:
    PageList& page_;
    QListWidget* listBox_;
};

} // namespace stocks
