// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/start_close.h"

#include <memory>

class QWidget;

namespace stocks {

namespace platform {
class ProcessLock;
class RequestListener;
} // namespace platform

/// @brief One program per page file. The first copy on a page holds a lock named after the
/// page's real path and listens for later copies; a later copy on the same page asks that
/// one to come to the front and ends. A copy that died holds no lock.
class OneCopyPerPage {
public:
    /// Takes the lock for the page file the settings name, before any window shows.
    explicit OneCopyPerPage(const ProgramFiles& files);
    ~OneCopyPerPage();

    OneCopyPerPage(const OneCopyPerPage&) = delete;
    OneCopyPerPage& operator=(const OneCopyPerPage&) = delete;

    /// True when another copy runs on this page; it has been asked to come to the front.
    bool anotherCopyRuns() const { return anotherCopyRuns_; }

    /// From now on, a later copy's request brings this window to the front.
    void bringToFrontOnRequest(QWidget& window);

private:
    void bringToFront();

    std::unique_ptr<platform::ProcessLock> lock_;
    std::unique_ptr<platform::RequestListener> listener_;
    QWidget* window_ = nullptr;
    bool anotherCopyRuns_ = false;
    bool requestWaiting_ = false;
};

} // namespace stocks
