// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/full_window_drag.h"

#include <windows.h>

namespace stocks::platform {

void setDragFullWindows(bool on)
{
    // No update flags: neither written to the user's profile nor broadcast to every window,
    // whose answers the end of a drag would otherwise wait for. The result is not used.
    SystemParametersInfoW(SPI_SETDRAGFULLWINDOWS, on ? TRUE : FALSE, nullptr, 0);
}

bool dragFullWindows()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &on, 0) && on;
}

} // namespace stocks::platform
