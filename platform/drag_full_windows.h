// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks::platform {

/// Stands in for SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, ...). There is no such
/// desktop-wide switch here, so the setting is only recorded for this process.
void setDragFullWindows(bool on);
bool dragFullWindows();

} // namespace stocks::platform
