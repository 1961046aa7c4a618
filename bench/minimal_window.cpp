// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "first_expose.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

// The yardstick for start-up: a bare window of the main window's size with a label and a
// field, gone once shown.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Stock")));
    layout->addWidget(new QLineEdit(QStringLiteral("Price")));
    window.resize(146, 235);
    const stocks::bench::FirstExpose quitWhenShown(window, [] { QCoreApplication::quit(); });
    window.show();
    return QApplication::exec();
}
