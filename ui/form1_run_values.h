// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/page_lines.h"
#include "core/run_values.h"

class QLabel;
class QLineEdit;
class QRect;
class QWidget;

namespace stocks {
class UpDown;

/// @brief The main window's controls that hold run values, handed over by the window.
struct Form1Controls {
    QWidget* window;
    QLabel* Image1;
    QLabel* oldref;
    QLabel* look;
    QLabel* Label1;
    QLabel* Brok;
    QLineEdit* ref;
    UpDown* UpDown1;
};

/// @brief The run values as the main window holds them: in its controls, with the page
/// list and the two file names that file dialogs would hold kept here.
class Form1RunValues final : public RunValues {
public:
    explicit Form1RunValues(const Form1Controls& form) : form_(form) {}

    std::string pageFileName() const override { return pageFileName_; }
    void setPageFileName(const std::string& name) override { pageFileName_ = name; }
    std::string refText() const override;
    void setRefText(const std::string& text) override;
    std::string oldrefCaption() const override;
    void setOldrefCaption(const std::string& caption) override;
    int spinnerPosition() const override;
    void setSpinnerPosition(int position) override;
    int windowTop() const override;
    int windowLeft() const override;
    void setWindowPosition(int top, int left) override;
    bool brokerVisible() const override;
    void setBrokerVisible(bool visible) override;
    std::string skinFileName() const override { return skinFileName_; }
    void setSkinFileName(const std::string& name) override { skinFileName_ = name; }
    std::string chartAddress() const override { return chartAddress_; }
    void setChartAddress(const std::string& address) override { chartAddress_ = address; }
    bool lookVisible() const override;
    void setLookVisible(bool visible) override;
    PageList& pageList() override { return page_; }
    bool pageFileUnreadable() const override { return pageFileUnreadable_; }
    void setPageFileUnreadable(bool unreadable) override { pageFileUnreadable_ = unreadable; }
    std::optional<FileIdentity> pageFileIdentity() const override { return pageFileIdentity_; }
    void setPageFileIdentity(const std::optional<FileIdentity>& identity) override
    {
        pageFileIdentity_ = identity;
    }
    bool closingPageSaved() const override { return closingPageSaved_; }
    void setClosingPageSaved(bool saved) override { closingPageSaved_ = saved; }
    void applyWindowShape() override;
    void loadSkin(const std::string& fileName) override;

private:
    QRect grabArea() const;

    Form1Controls form_;
    PageList page_;
    std::string pageFileName_;
    std::string skinFileName_ = "0";
    std::string chartAddress_{lines::builtInChartAddress()};
    std::optional<FileIdentity> pageFileIdentity_;
    bool pageFileUnreadable_ = false;
    bool closingPageSaved_ = false;
    // The place read at start, kept for the close where the window cannot learn its own.
    int storedTop_ = 0;
    int storedLeft_ = 0;
};

} // namespace stocks
