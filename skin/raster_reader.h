// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QImage>

#include <functional>
#include <optional>

class QIODevice;

namespace stocks {

/// Reads a picture by the named Qt format only, never by what its content looks like. The
/// size its header claims is checked against the skin limits, and shown to `onSize`, before
/// any pixels are allocated; where the header tells no size, the decoded picture's is shown.
/// Nothing when the picture cannot be read or is larger than a skin may be.
std::optional<QImage> readRaster(QIODevice& device, const char* format,
                                 const std::function<void(QSize)>& onSize = {});

} // namespace stocks
