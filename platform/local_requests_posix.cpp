// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/local_requests.h"

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace stocks::platform {
namespace {

bool addressFor(const QByteArray& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

int newSocket()
{
    return socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

} // namespace

struct RequestListener::Channel {
    Channel(QByteArray name, int listening, std::function<void()> call)
        : path(std::move(name)), socket(listening), onRequest(std::move(call)),
          notifier(listening, QSocketNotifier::Read)
    {
        QObject::connect(&notifier, &QSocketNotifier::activated, &notifier,
                         [this] { acceptRequests(); });
    }

    ~Channel()
    {
        notifier.setEnabled(false);
        close(socket);
        unlink(path.constData());
    }

    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    void acceptRequests()
    {
        bool requested = false;
        for (int request; (request = accept4(socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
            close(request);
            requested = true;
        }
        if (requested)
            onRequest();
    }

    const QByteArray path;
    const int socket;
    const std::function<void()> onRequest;
    QSocketNotifier notifier;
};

RequestListener::RequestListener(const QString& path, std::function<void()> onRequest)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address;
    if (!addressFor(name, address))
        return;
    const int socket = newSocket();
    if (socket < 0)
        return;
    unlink(name.constData());
    if (bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(socket, SOMAXCONN) != 0) {
        close(socket);
        return;
    }
    channel_ = std::make_unique<Channel>(name, socket, std::move(onRequest));
}

RequestListener::~RequestListener() = default;

bool sendRequest(const QString& path)
{
    sockaddr_un address;
    if (!addressFor(QFile::encodeName(path), address))
        return false;
    const int socket = newSocket();
    if (socket < 0)
        return false;
    const int result =
        connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address));
    // A full queue means a listener that is there but busy: the request is as good as made.
    const bool taken = result == 0 || errno == EAGAIN;
    close(socket);
    return taken;
}

} // namespace stocks::platform
