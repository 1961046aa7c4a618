#pragma once

#include <QtGlobal>

namespace stocks {

// Skin pictures come from any file the user picks, so their headers are not trusted: nothing
// wider or taller than this, and nothing over 64 MiB at four bytes a pixel, is decoded.
inline constexpr qint64 maxPictureSide = 8192;
inline constexpr qint64 maxPicturePixels = 16 * 1024 * 1024;

inline bool pictureSizeAllowed(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= maxPictureSide && height <= maxPictureSide &&
           width * height <= maxPicturePixels;
}

} // namespace stocks
