// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_metrics.h"

#include <array>

namespace stocks::platform {
namespace {

constexpr std::array<int, 3> classicMetrics = {4, 19, 4};
std::array<int, 3> metrics = classicMetrics;

} // namespace

int systemMetric(SystemMetric metric)
{
    return metrics[static_cast<std::size_t>(metric)];
}

void overrideSystemMetric(SystemMetric metric, int value)
{
    metrics[static_cast<std::size_t>(metric)] = value;
}

void resetSystemMetrics()
{
    metrics = classicMetrics;
}

} // namespace stocks::platform
