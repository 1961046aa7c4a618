// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

namespace stocks::platform {

/// Stands in for GetSystemMetrics: the frame and caption sizes of a classic desktop.
enum class SystemMetric { CxFrame, CyCaption, CyFrame };

int systemMetric(SystemMetric metric);

/// Lets tests try other frame sizes; the defaults return with resetSystemMetrics().
void overrideSystemMetric(SystemMetric metric, int value);
void resetSystemMetrics();

} // namespace stocks::platform
