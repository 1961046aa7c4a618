// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_metrics.h"

#include <array>
#include <optional>

namespace stocks::platform {
namespace {

std::array<std::optional<int>, 3> overrides;

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

} // namespace stocks::platform
