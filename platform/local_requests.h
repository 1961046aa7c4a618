// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace stocks::platform {

/// @brief Requests from later processes of the same user, each answered by a call on the main
/// thread. The channel is named by a path in a private folder: on POSIX systems a listening
/// Unix socket there, each connection one request; on Windows a hidden message-only window
/// of that name, each posted message one request. Qt's local server would do, but its
/// library costs the start more time than the whole of this.
class RequestListener final {
public:
    /// Listens at the path, replacing whatever socket was left there (on Windows nothing
    /// outlives its process, and a name a listener has stays its own); does nothing when that
    /// fails (listening() tells).
    RequestListener(const QString& path, std::function<void()> onRequest);
    ~RequestListener();

    RequestListener(const RequestListener&) = delete;
    RequestListener& operator=(const RequestListener&) = delete;

    bool listening() const { return channel_ != nullptr; }

private:
    struct Channel;
    std::unique_ptr<Channel> channel_;
};

/// Makes one request to the listener at the path; true when a listener is there to take it.
/// On Windows it also lets the listener's process bring its window to the front, which the
/// system allows only to the process the user just started.
bool sendRequest(const QString& path);

} // namespace stocks::platform
