// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSocketNotifier;

namespace stocks::platform {

/// @brief A listening Unix socket at a path in a private folder: each connection a later
/// process makes to it is one request. Qt's local server would do, but its library costs
/// the start more time than the whole of this.
class RequestListener final : public QObject {
public:
    /// Listens at the path, replacing whatever socket was left there; does nothing when that
    /// fails (listening() tells).
    RequestListener(const QString& path, std::function<void()> onRequest);
    ~RequestListener() override;

    RequestListener(const RequestListener&) = delete;
    RequestListener& operator=(const RequestListener&) = delete;

    bool listening() const { return socket_ >= 0; }

private:
    void acceptRequests();

    QByteArray path_;
    std::function<void()> onRequest_;
    int socket_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

/// Makes one request to the listener at the path; true when a listener is there to take it.
bool sendRequest(const QString& path);

} // namespace stocks::platform
