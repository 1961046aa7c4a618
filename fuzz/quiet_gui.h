// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QGuiApplication>

/// Qt's image plugins want an application. The `minimal` platform needs no display, and with
/// Qt's messages silenced the fuzzer's own report stays readable.
inline void startQuietGuiApplication()
{
    static int argc = 3;
    static char name[] = "fuzz";
    static char option[] = "-platform";
    static char platform[] = "minimal";
    static char* argv[] = {name, option, platform, nullptr};
    static const bool started = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    static QGuiApplication application(argc, argv);
    (void)started;
}
