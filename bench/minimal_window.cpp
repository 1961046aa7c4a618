// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "first_expose.h"

#include <QApplication>
#include <QWidget>

// The yardstick for start-up: an empty window of the main window's size, gone once shown.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(146, 235);
    const stocks::bench::FirstExpose quitWhenShown(window, [] { QCoreApplication::quit(); });
    window.show();
    return QApplication::exec();
}
