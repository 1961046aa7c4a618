// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks::platform {

/// SystemParametersInfo(SPI_SETDRAGFULLWINDOWS, ...): on Windows the desktop-wide switch
/// itself, for the rest of the logon, stored nowhere and announced to nobody; dragFullWindows()
/// reads it back from the system. Elsewhere there is no such switch, so the setting is only
/// recorded for this process.
void setDragFullWindows(bool on);
bool dragFullWindows();

} // namespace stocks::platform
