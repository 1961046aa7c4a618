// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks::platform {

/// GetSystemMetrics: the frame and caption sizes of the desktop, in the units Qt lays windows
/// out in. On Windows the system's own, read each time; elsewhere those of a classic desktop.
enum class SystemMetric { CxFrame, CyCaption, CyFrame };

int systemMetric(SystemMetric metric);

/// Lets tests try other frame sizes; the system's return with resetSystemMetrics().
void overrideSystemMetric(SystemMetric metric, int value);
void resetSystemMetrics();

/// What the system says, whatever a test set.
int systemMetricOfDesktop(SystemMetric metric);

} // namespace stocks::platform
