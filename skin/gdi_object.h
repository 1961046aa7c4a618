// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QBrush>
#include <QColor>
#include <QPen>

#include <cstdint>

namespace stocks {

/// @brief A pen, brush or other object of a metafile's object table.
struct GdiObject {
    enum class Kind { Empty, Pen, Brush, Other };
    Kind kind = Kind::Empty;
    QPen pen;
    QBrush brush;
};

/// A COLORREF (0x00BBGGRR).
QColor colorFromRef(std::uint32_t colorRef);

/// A pen from a LOGPEN's style bits, width in logical units and colour.
GdiObject penObject(std::uint32_t style, std::int32_t width, QColor color);

/// A brush from a LOGBRUSH's style, colour and hatch.
GdiObject brushObject(std::uint32_t style, QColor color, std::uint32_t hatch);

/// A brush that tiles a bitmap.
GdiObject patternBrushObject(const QImage& pattern);

/// Stock objects of an enhanced metafile (the index without its high bit); Empty for those
/// that are neither pens nor brushes.
GdiObject stockObject(std::uint32_t index);

} // namespace stocks
