// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/process_lock.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace stocks::platform {
namespace {

using State = ProcessLock::State;

/// The lock holder beside this test, started on the path, once it has said how it went.
std::unique_ptr<QProcess> startHolder(const QString& path, QByteArray& said)
{
    auto holder = std::make_unique<QProcess>();
    holder->start(QCoreApplication::applicationDirPath() + QStringLiteral("/lock_holder"), {path});
    if (holder->waitForStarted()) {
        while (!holder->canReadLine() && holder->waitForReadyRead()) {
        }
        said = holder->readLine().trimmed();
    }
    return holder;
}

TEST(ProcessLockTest, OneHolderAtATimeAndTheFileGoesWithTheLock)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.lock"));
    {
        const ProcessLock first(path);
        ASSERT_EQ(first.state(), State::Held);
        EXPECT_TRUE(QFileInfo::exists(path));
        const ProcessLock second(path);
        EXPECT_EQ(second.state(), State::HeldElsewhere);
        const ProcessLock otherPage(folder.filePath(QStringLiteral("other.lock")));
        EXPECT_EQ(otherPage.state(), State::Held);
    }
    EXPECT_FALSE(QFileInfo::exists(path)) << "a lock let go leaves no file behind";
    const ProcessLock again(path);
    EXPECT_EQ(again.state(), State::Held);
}

TEST(ProcessLockTest, NoLockInAFolderThatIsNotThere)
{
    const QTemporaryDir folder;
    const ProcessLock lock(folder.filePath(QStringLiteral("missing/page.lock")));
    EXPECT_EQ(lock.state(), State::Unavailable);
}

TEST(ProcessLockTest, AnotherProcessHoldsTheLockUntilItIsKilled)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.lock"));
    QByteArray said;
    const auto holder = startHolder(path, said);
    ASSERT_EQ(said, "held");
    {
        const ProcessLock lock(path);
        EXPECT_EQ(lock.state(), State::HeldElsewhere);
        QByteArray refused;
        const auto another = startHolder(path, refused);
        EXPECT_EQ(refused, "refused");
        another->closeWriteChannel();
        another->waitForFinished();
    }
    // Killed, not ended: no code of ours runs, and the system must drop the lock by itself.
    holder->kill();
    ASSERT_TRUE(holder->waitForFinished());
    const ProcessLock lock(path);
    EXPECT_EQ(lock.state(), State::Held);
}

} // namespace
} // namespace stocks::platform
