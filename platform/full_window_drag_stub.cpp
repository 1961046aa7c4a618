// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/full_window_drag.h"

namespace stocks::platform {
namespace {

// Other desktops have no such switch: this stand-in only remembers the setting for this process.
bool fullWindows = false;
} // namespace

void setDragFullWindows(bool on)
{
    fullWindows = on;
}

bool dragFullWindows()
{
    return fullWindows;
}

} // namespace stocks::platform
