// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/process_lock.h"

#include <QDir>

#include <windows.h>

namespace stocks::platform {

ProcessLock::ProcessLock(const QString& path) : path_(path)
{
    // No sharing at all: while this handle is open, nobody opens, renames or deletes the file.
    // The system closes the handle of a process that ends in any way, and the file goes with it.
    const QString name = QDir::toNativeSeparators(path_);
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(name.utf16()),
                                    GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        state_ =
            GetLastError() == ERROR_SHARING_VIOLATION ? State::HeldElsewhere : State::Unavailable;
        return;
    }
    file_ = reinterpret_cast<qintptr>(file);
    state_ = State::Held;
}

ProcessLock::~ProcessLock()
{
    if (file_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(file_)); // NOLINT: a handle kept as an integer
}

} // namespace stocks::platform
