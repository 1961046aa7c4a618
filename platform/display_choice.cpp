// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/display_choice.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace stocks::platform {
namespace {

char platformOption[] = "-platform";
char x11Platform[] = "xcb";

bool platformChosen(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], platformOption) == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
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

bool canPlaceWindows()
{
    return !onWayland();
}

bool masksWindowPixels()
{
    return !onWayland();
}

} // namespace stocks::platform
