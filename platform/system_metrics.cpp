// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_metrics.h"

#include <QtGlobal>

#include <array>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace stocks::platform {
namespace {

std::array<std::optional<int>, 3> overrides;

#ifdef Q_OS_WIN
constexpr std::array<int, 3> indices = {SM_CXFRAME, SM_CYCAPTION, SM_CYFRAME};
#else
// Window managers draw frames of their own and tell nobody their sizes.
constexpr std::array<int, 3> classicMetrics = {4, 19, 4};
#endif

} // namespace

int systemMetric(SystemMetric metric)
{
    const std::optional<int>& value = overrides[static_cast<std::size_t>(metric)];
    return value ? *value : systemMetricOfDesktop(metric);
}

void overrideSystemMetric(SystemMetric metric, int value)
{
    overrides[static_cast<std::size_t>(metric)] = value;
}

void resetSystemMetrics()
{
    overrides = {};
}

int systemMetricOfDesktop(SystemMetric metric)
{
#ifdef Q_OS_WIN
    // At the default density: Qt scales the window and its shape to the screen itself, so the
    // frame it leaves room for is measured in the same unscaled pixels.
    return GetSystemMetricsForDpi(indices[static_cast<std::size_t>(metric)],
                                  USER_DEFAULT_SCREEN_DPI);
#else
    return classicMetrics[static_cast<std::size_t>(metric)];
#endif
}

} // namespace stocks::platform
