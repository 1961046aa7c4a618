// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/file_identity.h"
#include "core/page_list.h"

#include <optional>

#include <string>

namespace stocks {

/// @brief The values a run keeps between start and close, held by the main window's controls.
///
/// Texts are Windows-1252 bytes; the page and skin file names are the platform's bytes,
/// as the file system takes them. The start and close sequences and the editing commands
/// read and write them only through this interface.
class RunValues {
public:
    virtual ~RunValues() = default;

    virtual std::string pageFileName() const = 0;
    virtual void setPageFileName(const std::string& name) = 0;

    /// Text of the refresh field: the current refresh minutes.
    virtual std::string refText() const = 0;
    virtual void setRefText(const std::string& text) = 0;

    /// The refresh minutes the page list currently carries.
    virtual std::string oldrefCaption() const = 0;
    virtual void setOldrefCaption(const std::string& caption) = 0;

    /// Setting the spinner from here never raises its changing event.
    virtual int spinnerPosition() const = 0;
    virtual void setSpinnerPosition(int position) = 0;

    virtual int windowTop() const = 0;
    virtual int windowLeft() const = 0;
    virtual void setWindowPosition(int top, int left) = 0;

    virtual bool brokerVisible() const = 0;
    virtual void setBrokerVisible(bool visible) = 0;

    virtual std::string skinFileName() const = 0;
    virtual void setSkinFileName(const std::string& name) = 0;

    /// The chart image address this run writes stock lines with, "%s" standing for the symbol.
    virtual std::string chartAddress() const = 0;
    virtual void setChartAddress(const std::string& address) = 0;

    virtual bool lookVisible() const = 0;
    virtual void setLookVisible(bool visible) = 0;

    virtual PageList& pageList() = 0;

    /// True after a page file that exists could not be read: no save may overwrite it until it
    /// has been read.
    virtual bool pageFileUnreadable() const = 0;
    virtual void setPageFileUnreadable(bool unreadable) = 0;

    /// The page file as this run last read or wrote it; nothing when there was none.
    virtual std::optional<FileIdentity> pageFileIdentity() const = 0;
    virtual void setPageFileIdentity(const std::optional<FileIdentity>& identity) = 0;

    /// True while the page file holds the page as this run's last close or session save
    /// wrote it, and no other save has followed.
    virtual bool closingPageSaved() const = 0;
    virtual void setClosingPageSaved(bool saved) = 0;

    /// Cuts the window to its outline. First step of the start sequence.
    virtual void applyWindowShape() = 0;
    /// Replaces the skin picture by the named file; throws StockError when it cannot.
    virtual void loadSkin(const std::string& fileName) = 0;
};

} // namespace stocks
