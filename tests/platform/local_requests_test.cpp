// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/local_requests.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

namespace stocks::platform {
namespace {

/// Counts the requests a listener takes and lets the test wait for the next one.
class Requests {
public:
    Requests()
    {
        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, &loop_, &QEventLoop::quit);
    }

    std::function<void()> counter()
    {
        return [this] {
            ++count;
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
            loop_.quit();
        };
    }

    /// Runs the event loop until a request arrives; gives up after a long while.
    void awaitOne()
    {
        deadline_.start(10000);
        loop_.exec();
        deadline_.stop();
    }

    int count = 0;
    bool onMainThread = true;

private:
    QEventLoop loop_;
    QTimer deadline_;
};

TEST(LocalRequestsTest, EachRequestReachesTheListenerOnTheMainThread)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.socket"));
    Requests requests;
    const RequestListener listener(path, requests.counter());
    ASSERT_TRUE(listener.listening());

    ASSERT_TRUE(sendRequest(path));
    requests.awaitOne();
    EXPECT_EQ(requests.count, 1);
    ASSERT_TRUE(sendRequest(path));
    requests.awaitOne();
    EXPECT_EQ(requests.count, 2);
    EXPECT_TRUE(requests.onMainThread);

    EXPECT_FALSE(sendRequest(folder.filePath(QStringLiteral("other.socket"))))
        << "no listener on another page";
}

TEST(LocalRequestsTest, NobodyTakesARequestOnceTheListenerIsGone)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.socket"));
    std::optional<RequestListener> listener;
    listener.emplace(path, [] {});
    ASSERT_TRUE(listener->listening());
    listener.reset();
    EXPECT_FALSE(sendRequest(path));

    Requests requests;
    const RequestListener next(path, requests.counter());
    ASSERT_TRUE(next.listening()) << "the next copy listens at the same path";
    ASSERT_TRUE(sendRequest(path));
    requests.awaitOne();
    EXPECT_EQ(requests.count, 1);
}

} // namespace
} // namespace stocks::platform
