// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "platform/system_metrics.h"

#include <array>

namespace stocks::platform {
namespace {

// Window managers draw frames of their own and tell nobody their sizes.
constexpr std::array<int, 3> classicMetrics = {4, 19, 4};

} // namespace

int systemMetricOfDesktop(SystemMetric metric)
{
    return classicMetrics[static_cast<std::size_t>(metric)];
}

} // namespace stocks::platform
