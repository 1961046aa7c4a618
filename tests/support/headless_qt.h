// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QFile>
#include <QTemporaryDir>

// The platform that draws nowhere; a build whose Qt has no offscreen one names another.
#ifndef STOCKS_HEADLESS_PLATFORM
#define STOCKS_HEADLESS_PLATFORM "offscreen"
#endif

namespace stocks {

/// @brief Lets a test or benchmark run Qt with no display: the offscreen platform unless
/// one is chosen, and a private runtime folder so Qt does not warn about a missing one.
/// Create it before the application object.
class HeadlessQt {
public:
    HeadlessQt()
    {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", STOCKS_HEADLESS_PLATFORM);
        if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && runtimeDir_.isValid()) {
            QFile::setPermissions(runtimeDir_.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            qputenv("XDG_RUNTIME_DIR", runtimeDir_.path().toLocal8Bit());
        }
    }

private:
    QTemporaryDir runtimeDir_;
};

} // namespace stocks
