// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_metrics.h"

#include <array>

#include <windows.h>

namespace stocks::platform {
namespace {

constexpr std::array<int, 3> indices = {SM_CXFRAME, SM_CYCAPTION, SM_CYFRAME};

} // namespace

int systemMetricOfDesktop(SystemMetric metric)
{
    // At the default density: Qt scales the window and its shape to the screen itself, so the
    // frame it leaves room for is measured in the same unscaled pixels.
    return GetSystemMetricsForDpi(indices[static_cast<std::size_t>(metric)],
                                  USER_DEFAULT_SCREEN_DPI);
}

} // namespace stocks::platform
