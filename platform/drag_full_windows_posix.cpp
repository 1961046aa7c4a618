// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/drag_full_windows.h"

namespace stocks::platform {
namespace {
bool fullWindows = false;
}

void setDragFullWindows(bool on)
{
    fullWindows = on;
}

bool dragFullWindows()
{
    return fullWindows;
}

} // namespace stocks::platform
