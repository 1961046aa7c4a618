// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/file_names.h"
#include "core/program_files.h"
#include "platform/display_choice.h"
#include "ui/program/command_line.h"
#include "ui/program/program_run.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv)
{
    if (const auto status = stocks::answerCommandLine(argc, argv))
        return *status;
    stocks::platform::ApplicationArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    // Ties the window to its desktop entry and menu icon (on Wayland, its app id).
    QApplication::setDesktopFileName(QStringLiteral("com.morvane.Stocks"));
    // Qt's path has '/' and is UTF-8 here; Windows users read '\', and a folder named outside
    // the ANSI code page must not pass through it.
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    return stocks::runProgram(stocks::programFilesFor(stocks::pathOf(executable.toStdString())));
}
