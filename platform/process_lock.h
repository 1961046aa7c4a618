// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

namespace stocks::platform {

/// @brief An exclusive lock on a file for as long as this object lives. The system drops it
/// when the holding process ends in any way, so no lock outlives a copy that died, and no
/// check of process ids can be fooled. Taking it writes nothing to the disk. The file goes
/// as the lock is let go. An flock() on POSIX systems; on Windows the file opened without
/// sharing, deleted by the system as it closes.
class ProcessLock {
public:
    enum class State {
        Held,          ///< this object holds the lock
        HeldElsewhere, ///< another holder has it, in this process or another
        Unavailable,   ///< no lock can be kept at that path
    };

    /// Tries once, without waiting.
    explicit ProcessLock(const QString& path);
    ~ProcessLock();

    ProcessLock(const ProcessLock&) = delete;
    ProcessLock& operator=(const ProcessLock&) = delete;

    State state() const { return state_; }

private:
    QString path_;
    qintptr file_ = -1; ///< a file descriptor, or a Windows handle; -1 for none on either
    State state_ = State::Unavailable;
};

} // namespace stocks::platform
