// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/program/one_copy_per_page.h"

#include "platform/local_requests.h"
#include "platform/process_lock.h"
#include "platform/runtime_folder.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <filesystem>

namespace stocks {
namespace {

// How long a later copy keeps trying to reach the running one, which may be just ending.
constexpr int askingMilliseconds = 3000;

/// The name of the lock and of the request socket: the same for every name of the same file.
QString keyFor(const std::filesystem::path& pageFile)
{
    std::error_code error;
    std::filesystem::path real = std::filesystem::absolute(pageFile, error);
    if (!error)
        real = std::filesystem::weakly_canonical(real, error);
    if (error)
        real = pageFile.lexically_normal();
    // The system's own bytes on POSIX systems, UTF-8 from the wide path on Windows.
    const std::u8string text = real.u8string();
    const QByteArray bytes(reinterpret_cast<const char*>(text.data()),
                           static_cast<qsizetype>(text.size()));
    return QStringLiteral("morvane-stocks-") +
           QString::fromLatin1(
               QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32));
}

} // namespace

OneCopyPerPage::OneCopyPerPage(const ProgramFiles& files)
{
    // The runtime folder, not the page's: a read-only page folder must not stop a start.
    const QString folder = platform::runtimeFolder();
    if (folder.isEmpty())
        return;
    const QString base =
        folder + QLatin1Char('/') + keyFor(std::filesystem::path(storedPageFileName(files)));
    const QString lockFile = base + QStringLiteral(".lock");
    const QString requestPath = base + QStringLiteral(".socket");

    const QDeadlineTimer deadline(askingMilliseconds);
    using State = platform::ProcessLock::State;
    for (;;) {
        auto lock = std::make_unique<platform::ProcessLock>(lockFile);
        if (lock->state() == State::Held) {
            lock_ = std::move(lock);
            break;
        }
        // No lock can be kept there; running unguarded beats not running at all.
        if (lock->state() == State::Unavailable)
            return;
        if (platform::sendRequest(requestPath)) {
            anotherCopyRuns_ = true;
            return;
        }
        if (deadline.hasExpired()) {
            std::fprintf(stderr, "Morvane Stock: a copy that does not answer holds %s\n",
                         qPrintable(lockFile));
            anotherCopyRuns_ = true;
            return;
        }
        QThread::msleep(50);
    }
    // Listening from now on: a copy started while this one still starts is not turned away.
    listener_ =
        std::make_unique<platform::RequestListener>(requestPath, [this] { bringToFront(); });
}

OneCopyPerPage::~OneCopyPerPage() = default;

void OneCopyPerPage::bringToFrontOnRequest(QWidget& window)
{
    window_ = &window;
    if (requestWaiting_)
        bringToFront();
}

void OneCopyPerPage::bringToFront()
{
    requestWaiting_ = window_ == nullptr;
    if (!window_)
        return;
    if (window_->isMinimized())
        window_->showNormal();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace stocks
