// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/checked_size.h"

#include <cstddef>
#include <cstdint>

namespace stocks {

// Skin pictures come from any file the user picks, so their headers are not trusted: nothing
// wider or taller than this, and nothing over 64 MiB at four bytes a pixel, is decoded.
inline constexpr std::int64_t maxPictureSide = 8192;
inline constexpr std::int64_t maxPicturePixels = std::int64_t{16} * 1024 * 1024;

inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height)
{
    const auto pixels = checkedProduct(width, height);
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
           pixels && *pixels <= maxPicturePixels;
}

// A metafile is refused past these, so that any skin file loads in a small fraction of a
// second. One unit of drawing work is about one pixel filled; see GdiContext for the rest.
inline constexpr std::size_t maxMetafileRecords = 500'000;
inline constexpr double metafileDrawingWork = 100'000'000;
inline constexpr double metafileRecordWork = 100;
inline constexpr double embeddedBitmapPixelWork = 4;
// Handing a bitmap to Qt's reader costs as much as filling 25,000 pixels, however small it is.
inline constexpr double embeddedBitmapWork = 25'000;

} // namespace stocks
