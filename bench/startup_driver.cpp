// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "first_expose.h"
#include "platform/display_choice.h"
#include "ui/program/program_run.h"
#include "ui/stokfile1.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>

// Starts the program as its entry does, but with its files in the given folder, and closes
// the main window as soon as it is shown, so that the whole close sequence runs.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: startup_driver FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    stocks::platform::ApplicationArguments arguments(argc, argv);
    QApplication application(arguments.count(), arguments.values());
    QApplication::setApplicationName(QStringLiteral("Morvane Stock"));
    const int result =
        stocks::runProgram(stocks::programFilesFor(folder / "stocks"), [](TForm1& form1) {
            // A child of the window, so that it goes with the window.
            auto* closeWhenShown =
                new stocks::bench::FirstExpose(form1, [&form1] { form1.close(); });
            closeWhenShown->setParent(&form1);
        });
    // Only a close sequence that ran to its end leaves the page file behind.
    if (result == 0 && !std::filesystem::exists(folder / "MorvaneStocks.html")) {
        std::fputs("startup_driver: the close sequence wrote no page file\n", stderr);
        return 4;
    }
    return result;
}
