// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/gdi_object.h"

#include <QImage>

namespace stocks {
namespace {

enum PenStyle : std::uint32_t {
    PsSolid = 0,
    PsDash = 1,
    PsDot = 2,
    PsDashDot = 3,
    PsDashDotDot = 4,
    PsNull = 5,
    PsStyleMask = 0x0F,
    PsEndCapMask = 0xF00,
    PsEndCapSquare = 0x100,
    PsEndCapFlat = 0x200,
    PsJoinMask = 0xF000,
    PsJoinBevel = 0x1000,
    PsJoinMiter = 0x2000,
};

enum BrushStyle : std::uint32_t { BsSolid = 0, BsNull = 1, BsHatched = 2 };

Qt::PenStyle qtPenStyle(std::uint32_t style, std::int32_t width)
{
    // Wide pens draw dashed styles solid.
    if (width > 1)
        return Qt::SolidLine;
    switch (style & PsStyleMask) {
    case PsDash:
        return Qt::DashLine;
    case PsDot:
        return Qt::DotLine;
    case PsDashDot:
        return Qt::DashDotLine;
    case PsDashDotDot:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle hatchStyle(std::uint32_t hatch)
{
    switch (hatch) {
    case 0:
        return Qt::HorPattern;
    case 1:
        return Qt::VerPattern;
    case 2:
        return Qt::FDiagPattern;
    case 3:
        return Qt::BDiagPattern;
    case 4:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

} // namespace

QColor colorFromRef(std::uint32_t colorRef)
{
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

GdiObject penObject(std::uint32_t style, std::int32_t width, QColor color)
{
    GdiObject object;
    object.kind = GdiObject::Kind::Pen;
    if ((style & PsStyleMask) == PsNull) {
        object.pen = QPen(Qt::NoPen);
        return object;
    }
    // Pens one unit wide or less draw one pixel whatever the mapping.
    const qreal penWidth = width > 1 ? width : 0;
    const Qt::PenCapStyle cap = (style & PsEndCapMask) == PsEndCapSquare ? Qt::SquareCap
                                : (style & PsEndCapMask) == PsEndCapFlat ? Qt::FlatCap
                                                                         : Qt::RoundCap;
    const Qt::PenJoinStyle join = (style & PsJoinMask) == PsJoinBevel   ? Qt::BevelJoin
                                  : (style & PsJoinMask) == PsJoinMiter ? Qt::MiterJoin
                                                                        : Qt::RoundJoin;
    object.pen = QPen(QBrush(color), penWidth, qtPenStyle(style, width), cap, join);
    return object;
}

GdiObject brushObject(std::uint32_t style, QColor color, std::uint32_t hatch)
{
    GdiObject object;
    object.kind = GdiObject::Kind::Brush;
    switch (style) {
    case BsNull:
        object.brush = QBrush(Qt::NoBrush);
        break;
    case BsHatched:
        object.brush = QBrush(color, hatchStyle(hatch));
        break;
    default:
        object.brush = QBrush(color);
        break;
    }
    return object;
}

GdiObject patternBrushObject(const QImage& pattern)
{
    GdiObject object;
    object.kind = GdiObject::Kind::Brush;
    object.brush = QBrush(pattern);
    return object;
}

GdiObject stockObject(std::uint32_t index)
{
    switch (index) {
    case 0:
        return brushObject(BsSolid, QColor(255, 255, 255), 0);
    case 1:
        return brushObject(BsSolid, QColor(192, 192, 192), 0);
    case 2:
        return brushObject(BsSolid, QColor(128, 128, 128), 0);
    case 3:
        return brushObject(BsSolid, QColor(64, 64, 64), 0);
    case 4:
        return brushObject(BsSolid, QColor(0, 0, 0), 0);
    case 5:
        return brushObject(BsNull, QColor(0, 0, 0), 0);
    case 6:
        return penObject(PsSolid, 0, QColor(255, 255, 255));
    case 7:
        return penObject(PsSolid, 0, QColor(0, 0, 0));
    case 8:
        return penObject(PsNull, 0, QColor(0, 0, 0));
    case 18: // DC_BRUSH, white until changed
        return brushObject(BsSolid, QColor(255, 255, 255), 0);
    case 19: // DC_PEN, black until changed
        return penObject(PsSolid, 0, QColor(0, 0, 0));
    default:
        return {};
    }
}

} // namespace stocks
