// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/raster_reader.h"

#include "skin/picture_limits.h"

#include <QImageReader>

namespace stocks {

std::optional<QImage> readRaster(QIODevice& device, const char* format,
                                 const std::function<void(QSize)>& onSize)
{
    QImageReader reader(&device, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.isValid() && !pictureSizeAllowed(size.width(), size.height()))
        return std::nullopt;
    if (size.isValid() && onSize)
        onSize(size);
    QImage image = reader.read();
    if (!size.isValid() && !image.isNull() && onSize)
        onSize(image.size());
    if (image.isNull() || !pictureSizeAllowed(image.width(), image.height()))
        return std::nullopt;
    return image;
}

} // namespace stocks
