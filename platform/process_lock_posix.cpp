// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/process_lock.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stocks::platform {
namespace {

bool sameFile(int file, const QByteArray& path)
{
    struct stat opened = {};
    struct stat named = {};
    return fstat(file, &opened) == 0 && stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

ProcessLock::ProcessLock(const QString& path) : path_(path)
{
    const QByteArray name = QFile::encodeName(path_);
    // The holder removes the file as it lets go; a lock taken on a file that is no longer
    // at the path guards nothing, so take the new one instead.
    for (;;) {
        const int file = open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (file < 0)
            return;
        if (flock(file, LOCK_EX | LOCK_NB) != 0) {
            state_ = errno == EWOULDBLOCK ? State::HeldElsewhere : State::Unavailable;
            close(file);
            return;
        }
        if (sameFile(file, name)) {
            file_ = file;
            state_ = State::Held;
            return;
        }
        close(file);
    }
}

ProcessLock::~ProcessLock()
{
    if (file_ < 0)
        return;
    unlink(QFile::encodeName(path_).constData());
    close(static_cast<int>(file_));
}

} // namespace stocks::platform
