// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/program/command_line.h"

#include "platform/display_choice.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace stocks {
namespace {

// Qt takes these out of the arguments when the application object starts; they are known
// here so that they pass. Options with a value first, then switches.
constexpr const char* qtValueOptions[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowtitle",
                                          "title",
                                          "qwindowicon",
                                          "icon",
                                          "session",
                                          "display",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "qmljsdebugger"};
constexpr const char* qtSwitches[] = {"reverse", "testability", "widgetcount",
                                      "nograb",  "dograb",      "sync"};

void addQtOptions(QCommandLineParser& parser)
{
    for (const char* name : qtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : qtSwitches) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList argumentList(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

std::optional<int> answerCommandLine(int argc, char** argv)
{
    QCommandLineParser parser;
    // Qt's options are written with one dash ("-platform xcb"), so ours may be too.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A tiny stock watcher: a dollar sign on the desktop that keeps a watch\n"
                       "list of stock charts as a web page for your browser."));
    // Not addHelpOption(): it brings --help-all, one more option to answer.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    addQtOptions(parser);
    const bool understood = parser.parse(argumentList(argc, argv));
    const QString name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    if (!understood || !parser.positionalArguments().isEmpty()) {
        const QCoreApplication application(argc, argv); // names the program in the usage
        const QString complaint =
            understood ? QStringLiteral("it takes no arguments") : parser.errorText();
        print(stderr,
              name + QStringLiteral(": ") + complaint + QStringLiteral("\n\n") + parser.helpText());
        return 2;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("Morvane Stocks " STOCKS_VERSION "\n"));
        return 0;
    }
    if (parser.isSet(help)) {
        const QCoreApplication application(argc, argv);
        print(stdout, parser.helpText());
        return 0;
    }
    if (!platform::displayGiven(argc, argv)) {
        print(stderr, name + QStringLiteral(": no display to show the window on (neither DISPLAY "
                                            "nor WAYLAND_DISPLAY is set)\n"));
        return 1;
    }
    return std::nullopt;
}

} // namespace stocks
