// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/local_requests.h"

#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace stocks::platform {
namespace {

TEST(LocalRequestsTest, EachRequestReachesTheListenerOnTheMainThread)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.socket"));
    int calls = 0;
    bool onMainThread = true;
    RequestListener listener(path, [&] {
        ++calls;
        onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
    });
    ASSERT_TRUE(listener.listening());

    ASSERT_TRUE(sendRequest(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }));
    ASSERT_TRUE(sendRequest(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 2; }));
    EXPECT_TRUE(onMainThread);

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

    int calls = 0;
    const RequestListener next(path, [&] { ++calls; });
    ASSERT_TRUE(next.listening()) << "the next copy listens at the same path";
    ASSERT_TRUE(sendRequest(path));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }));
}

} // namespace
} // namespace stocks::platform
