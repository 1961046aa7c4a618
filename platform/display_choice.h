// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <vector>

namespace stocks::platform {

/// @brief The program's arguments for the application object, with Qt's "-platform xcb"
/// added when the user chose no platform and an X display is reachable beside Wayland:
/// only on X11 can the window be put back at its stored place. Qt takes the option out
/// again, so nothing started later inherits the choice. On Windows, the arguments as given.
class ApplicationArguments {
public:
    ApplicationArguments(int argc, char** argv);

    ApplicationArguments(const ApplicationArguments&) = delete;
    ApplicationArguments& operator=(const ApplicationArguments&) = delete;

    int& count() { return count_; }
    char** values() { return values_.data(); }

private:
    int count_ = 0;
    std::vector<char*> values_;
};

/// False when there is nowhere to show a window: neither an X display (DISPLAY or -display)
/// nor a Wayland display (WAYLAND_DISPLAY or WAYLAND_SOCKET) for the platform the user
/// chose (-platform or QT_QPA_PLATFORM), or for either when none was chosen. Other platforms
/// (offscreen, vnc, ...) are Qt's business. Asked before the application object exists:
/// without a display Qt aborts the process. Always true on Windows, whose desktop is there.
bool displayGiven(int argc, char** argv);

/// False where the window system neither places a program's windows nor tells it where
/// they are (Wayland). True on Windows.
bool canPlaceWindows();

/// False where the window system takes a window's mask only for the mouse and shows the
/// window's whole rectangle (Wayland); true where the mask cuts what shows as well (X11,
/// Windows).
bool masksWindowPixels();

} // namespace stocks::platform
