// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace stocks::platform {

/// @brief Turns SIGTERM, SIGINT and SIGHUP into a call on the main thread, where the
/// program can end as a close would. The handler only writes a byte to a pipe that the
/// event loop watches. A second signal ends the program at once by its default action.
/// One at a time; the default actions return when it is destroyed.
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace stocks::platform
