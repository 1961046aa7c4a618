// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/display_choice.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/stat.h>

namespace stocks::platform {
namespace {

char platformOption[] = "-platform";
char x11Platform[] = "xcb";

/// The value of Qt's option `name` ("-name VALUE" or "--name VALUE"), or null.
const char* qtOption(int argc, char** argv, std::string_view name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument.starts_with('-') && argument.substr(1) == name)
            return argv[i + 1];
    }
    return nullptr;
}

/// The platforms the user chose, a list of names separated by ';'; empty when none.
std::string chosenPlatforms(int argc, char** argv)
{
    if (const char* option = qtOption(argc, argv, "platform"))
        return option;
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    return variable ? variable : "";
}

bool platformChosen(int argc, char** argv)
{
    return !chosenPlatforms(argc, argv).empty();
}

/// A display on this machine ("[unix]:N[.S]") whose socket is there. Only a look at the
/// file: connecting to find out would cost the start its time.
bool localX11DisplayReachable()
{
    const char* display = std::getenv("DISPLAY");
    if (!display)
        return false;
    std::string name = display;
    if (name.starts_with("unix:"))
        name.erase(0, 4);
    if (!name.starts_with(':'))
        return false;
    const std::string number = name.substr(1, name.find('.') - 1);
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    struct stat socket = {};
    return stat(("/tmp/.X11-unix/X" + number).c_str(), &socket) == 0 && S_ISSOCK(socket.st_mode);
}

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace

ApplicationArguments::ApplicationArguments(int argc, char** argv)
    : count_(argc), values_(argv, argv + argc)
{
    if (!platformChosen(argc, argv) && localX11DisplayReachable()) {
        values_.push_back(platformOption);
        values_.push_back(x11Platform);
        count_ += 2;
    }
    values_.push_back(nullptr);
}

bool displayGiven(int argc, char** argv)
{
    const bool x11 = std::getenv("DISPLAY") || qtOption(argc, argv, "display");
    const bool wayland = std::getenv("WAYLAND_DISPLAY") || std::getenv("WAYLAND_SOCKET");
    const std::string platforms = chosenPlatforms(argc, argv);
    if (platforms.empty())
        return x11 || wayland;
    std::string_view rest = platforms;
    while (!rest.empty()) {
        const std::string_view name = rest.substr(0, rest.find(';'));
        rest.remove_prefix(std::min(rest.size(), name.size() + 1));
        if (name.empty())
            continue;
        const bool needsX11 = name.starts_with("xcb");
        const bool needsWayland = name.starts_with("wayland");
        if ((needsX11 && x11) || (needsWayland && wayland) || (!needsX11 && !needsWayland))
            return true;
    }
    return false;
}

bool canPlaceWindows()
{
    return !onWayland();
}

bool masksWindowPixels()
{
    return !onWayland();
}

} // namespace stocks::platform
