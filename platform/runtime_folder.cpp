// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/runtime_folder.h"

#include <QStandardPaths>

namespace stocks::platform {

QString runtimeFolder()
{
#ifdef Q_OS_WIN
    // Qt's runtime location on Windows is the user's home folder, where every file shows.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
}

} // namespace stocks::platform
