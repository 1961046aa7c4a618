// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/runtime_folder.h"

#include <QStandardPaths>

namespace stocks::platform {

QString runtimeFolder()
{
    // Qt's runtime location on Windows is the user's home folder, where every file shows.
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

} // namespace stocks::platform
