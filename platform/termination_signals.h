// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>

#include <functional>

namespace stocks::platform {

/// @brief Turns the requests to end that reach the process from outside into a call on the
/// main thread, where the program can end as a close would: SIGTERM, SIGINT and SIGHUP on
/// POSIX systems, where the handler only writes a byte to a pipe that the event loop watches;
/// Ctrl+C, Ctrl+Break and the closing of its console on Windows, whose handler runs on a
/// thread of the system's and queues the call. A second request ends the program at once,
/// as the system's default would. One at a time; the defaults return when it is destroyed.
/// (Windows ends a session through window messages, which Qt turns into its session signals.)
class TerminationSignals final : public QObject {
public:
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void deliver();

    std::function<void()> onSignal_;
    bool installed_ = false;
};

} // namespace stocks::platform
