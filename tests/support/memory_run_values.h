// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/run_values.h"
#include "core/stock_error.h"

#include <optional>
#include <string>
#include <vector>

namespace stocks {

// The run values as plain members. `events` records the start's steps in the order they
// touch the window: its shape, the settings, the skin, the spinner and the page list.
class MemoryRunValues final : public RunValues, private PageListObserver {
public:
    MemoryRunValues() { page_.addObserver(this); }
    ~MemoryRunValues() override { page_.removeObserver(this); }
    MemoryRunValues(const MemoryRunValues&) = delete;
    MemoryRunValues& operator=(const MemoryRunValues&) = delete;

    std::string pageFileName() const override { return pageFileName_; }
    void setPageFileName(const std::string& name) override
    {
        events.push_back("settings");
        pageFileName_ = name;
    }
    std::string refText() const override { return ref_; }
    void setRefText(const std::string& text) override { ref_ = text; }
    std::string oldrefCaption() const override { return oldref_; }
    void setOldrefCaption(const std::string& caption) override { oldref_ = caption; }
    int spinnerPosition() const override { return spinner_; }
    void setSpinnerPosition(int position) override
    {
        events.push_back("spinner " + std::to_string(position));
        spinner_ = position;
    }
    int windowTop() const override { return top_; }
    int windowLeft() const override { return left_; }
    void setWindowPosition(int top, int left) override
    {
        top_ = top;
        left_ = left;
    }
    bool brokerVisible() const override { return broker_; }
    void setBrokerVisible(bool visible) override { broker_ = visible; }
    std::string skinFileName() const override { return skin_; }
    void setSkinFileName(const std::string& name) override { skin_ = name; }
    std::string chartAddress() const override { return chart_; }
    void setChartAddress(const std::string& address) override { chart_ = address; }
    bool lookVisible() const override { return look_; }
    void setLookVisible(bool visible) override { look_ = visible; }
    PageList& pageList() override { return page_; }
    bool pageFileUnreadable() const override { return unreadable_; }
    void setPageFileUnreadable(bool unreadable) override { unreadable_ = unreadable; }
    std::optional<FileIdentity> pageFileIdentity() const override { return identity_; }
    void setPageFileIdentity(const std::optional<FileIdentity>& identity) override
    {
        identity_ = identity;
    }
    bool closingPageSaved() const override { return closingSaved_; }
    void setClosingPageSaved(bool saved) override { closingSaved_ = saved; }
    void applyWindowShape() override { events.push_back("shape"); }
    void loadSkin(const std::string& fileName) override
    {
        events.push_back("skin " + fileName);
        if (skinError)
            throw StockError(*skinError);
    }

    std::vector<std::string> events;
    std::optional<std::string> skinError;

private:
    void lineInserted(std::size_t, const std::string&) override { pageChanged(); }
    void lineRemoved(std::size_t) override { pageChanged(); }
    void linesReset() override { pageChanged(); }
    void pageChanged()
    {
        if (events.empty() || events.back() != "page")
            events.push_back("page");
    }

    PageList page_;
    std::optional<FileIdentity> identity_;
    std::string pageFileName_, ref_, oldref_, skin_, chart_;
    int spinner_ = 0, top_ = 0, left_ = 0;
    bool broker_ = false, look_ = true, unreadable_ = false, closingSaved_ = false;
};

} // namespace stocks
