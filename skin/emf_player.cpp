// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/emf_player.h"

#include "skin/dib_image.h"
#include "skin/gdi_context.h"

#include <uemf.h>

#include <QPainter>

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace stocks {
namespace {

constexpr std::uint32_t stockObjectFlag = 0x80000000;
constexpr std::size_t firstField = sizeof(U_EMR); // the first field after type and size

QPointF pointAt(ByteView record, std::size_t offset)
{
    return QPointF(record.i32(offset), record.i32(offset + 4));
}

QSizeF sizeAt(ByteView record, std::size_t offset)
{
    return QSizeF(record.i32(offset), record.i32(offset + 4));
}

QRectF rectAt(ByteView record, std::size_t offset)
{
    return GdiContext::gdiRect(record.i32(offset), record.i32(offset + 4), record.i32(offset + 8),
                               record.i32(offset + 12));
}

QTransform xformAt(ByteView record, std::size_t offset)
{
    return QTransform(record.f32(offset), record.f32(offset + 4), record.f32(offset + 8),
                      record.f32(offset + 12), record.f32(offset + 16), record.f32(offset + 20));
}

// Reads count points of 32-bit (wide) or 16-bit coordinates, checking they fit the record.
QPolygonF pointsAt(ByteView record, std::size_t offset, std::uint64_t count, bool wide)
{
    const std::size_t pointSize = wide ? 8 : 4;
    if (offset > record.size() || count > (record.size() - offset) / pointSize)
        throwInvalidMetafile();
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t at = offset + static_cast<std::size_t>(i) * pointSize;
        if (wide)
            points.append(QPointF(record.i32(at), record.i32(at + 4)));
        else
            points.append(QPointF(record.i16(at), record.i16(at + 2)));
    }
    return points;
}

// POLYGON, POLYLINE, POLYBEZIER and their -TO forms, both point sizes: bounds, a count, then
// the points.
QPolygonF polyPointsAt(ByteView record, bool wide)
{
    return pointsAt(record, offsetof(U_EMRPOLYLINE, aptl),
                    record.u32(offsetof(U_EMRPOLYLINE, cptl)), wide);
}

// POLYPOLYLINE and POLYPOLYGON, both point sizes: nPolys at 24, total points at 28, the
// counts from 32, then the points.
std::vector<QPolygonF> polyPolyAt(ByteView record, bool wide)
{
    const std::uint64_t polygons = record.u32(offsetof(U_EMRPOLYPOLYLINE, nPolys));
    const std::uint64_t total = record.u32(offsetof(U_EMRPOLYPOLYLINE, cptl));
    const std::size_t countsAt = offsetof(U_EMRPOLYPOLYLINE, aPolyCounts);
    if (record.size() < countsAt || polygons > (record.size() - countsAt) / 4)
        throwInvalidMetafile();
    const std::size_t firstPoint = countsAt + static_cast<std::size_t>(polygons) * 4;
    const QPolygonF points = pointsAt(record, firstPoint, total, wide);
    std::vector<QPolygonF> result;
    result.reserve(static_cast<std::size_t>(polygons));
    std::uint64_t used = 0;
    for (std::uint64_t i = 0; i < polygons; ++i) {
        const std::uint64_t count = record.u32(countsAt + static_cast<std::size_t>(i) * 4);
        if (count > total - used)
            throwInvalidMetafile();
        result.push_back(points.mid(static_cast<qsizetype>(used), static_cast<qsizetype>(count)));
        used += count;
    }
    return result;
}

// SCALEVIEWPORTEXTEX and SCALEWINDOWEXTEX: x numerator and denominator, then y.
GdiContext::ExtentScale scaleAt(ByteView record)
{
    return {qreal(record.i32(firstField)), qreal(record.i32(firstField + 4)),
            qreal(record.i32(firstField + 8)), qreal(record.i32(firstField + 12))};
}

GdiObject penAt(ByteView record)
{
    return penObject(record.u32(offsetof(U_EMRCREATEPEN, lopn.lopnStyle)),
                     record.i32(offsetof(U_EMRCREATEPEN, lopn.lopnWidth)),
                     colorFromRef(record.u32(offsetof(U_EMRCREATEPEN, lopn.lopnColor))));
}

GdiObject extPenAt(ByteView record)
{
    constexpr std::uint32_t geometric = 0x10000;
    constexpr std::uint32_t hollowBrush = 1;
    constexpr std::uint32_t nullStyle = 5;
    const std::size_t pen = offsetof(U_EMREXTCREATEPEN, elp);
    const std::uint32_t style = record.u32(pen + offsetof(U_EXTLOGPEN, elpPenStyle));
    const std::uint32_t width = record.u32(pen + offsetof(U_EXTLOGPEN, elpWidth));
    const std::uint32_t brushStyle = record.u32(pen + offsetof(U_EXTLOGPEN, elpBrushStyle));
    const QColor color = colorFromRef(record.u32(pen + offsetof(U_EXTLOGPEN, elpColor)));
    const std::uint32_t effectiveStyle = brushStyle == hollowBrush ? nullStyle : style;
    const auto logicalWidth =
        (style & geometric) != 0 && width <= 0x7FFFFFFF ? static_cast<std::int32_t>(width) : 0;
    return penObject(effectiveStyle, logicalWidth, color);
}

GdiObject brushAt(ByteView record)
{
    return brushObject(record.u32(offsetof(U_EMRCREATEBRUSHINDIRECT, lb.lbStyle)),
                       colorFromRef(record.u32(offsetof(U_EMRCREATEBRUSHINDIRECT, lb.lbColor))),
                       record.u32(offsetof(U_EMRCREATEBRUSHINDIRECT, lb.lbHatch)));
}

// The rectangles of EXTSELECTCLIPRGN's region, in device units; none when it has no region.
std::vector<QRectF> clipRectsAt(ByteView record)
{
    const std::uint32_t dataSize = record.u32(offsetof(U_EMREXTSELECTCLIPRGN, cbRgnData));
    std::vector<QRectF> rects;
    if (dataSize == 0)
        return rects;
    const ByteView data = record.sub(offsetof(U_EMREXTSELECTCLIPRGN, RgnData), dataSize);
    const std::uint64_t count = data.u32(offsetof(U_RGNDATAHEADER, nCount));
    const std::size_t first = sizeof(U_RGNDATAHEADER);
    if (count > (data.size() - std::min(data.size(), first)) / sizeof(U_RECTL))
        throwInvalidMetafile();
    for (std::uint64_t i = 0; i < count; ++i)
        rects.push_back(rectAt(data, first + static_cast<std::size_t>(i) * sizeof(U_RECTL)));
    return rects;
}

struct Dib {
    std::optional<QImage> image;
    bool bottomUp = false;
};

// The source bitmap of a blit record; no image when the record has none or refers to a
// palette. A bitmap that is there but does not check out makes the metafile invalid.
Dib dibAt(ByteView record, std::size_t usageAt, std::size_t offBmiAt, std::size_t cbBmiAt,
          std::size_t offBitsAt, std::size_t cbBitsAt, WorkBudget& budget)
{
    const std::uint32_t cbBmi = record.u32(cbBmiAt);
    if (cbBmi == 0 || record.u32(usageAt) != U_DIB_RGB_COLORS)
        return {};
    const ByteView info = record.sub(record.u32(offBmiAt), cbBmi);
    const ByteView bits = record.sub(record.u32(offBitsAt), record.u32(cbBitsAt));
    Dib dib;
    dib.image = decodeDib(info, bits, budget);
    if (!dib.image)
        throwInvalidMetafile();
    dib.bottomUp = info.u32(0) == 12 || info.i32(8) > 0;
    return dib;
}

GdiObject patternBrushAt(ByteView record, WorkBudget& budget)
{
    const Dib dib = dibAt(record, offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, iUsage),
                          offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBmi),
                          offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, cbBmi),
                          offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, offBits),
                          offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, cbBits), budget);
    return dib.image ? patternBrushObject(*dib.image) : brushObject(0, QColor(Qt::black), 0);
}

class EmfPlayer {
public:
    EmfPlayer(const EmfLayout& layout, QPainter& painter, WorkBudget& budget)
        : context_(painter, layout.deviceToImage, layout.pixelsPerMillimetre, budget),
          budget_(budget), objects_(layout.handles)
    {}

    /// False for a record of a type it does not draw.
    bool play(std::uint32_t type, ByteView record);

private:
    bool playShape(std::uint32_t type, ByteView record);
    bool playMapping(std::uint32_t type, ByteView record);
    bool playDeviceState(std::uint32_t type, ByteView record);
    bool playObject(std::uint32_t type, ByteView record);
    bool playPathOrBitmap(std::uint32_t type, ByteView record);
    void createObject(std::uint32_t index, GdiObject object);
    void selectObject(std::uint32_t index);
    void deleteObject(std::uint32_t index);
    void bitBlt(ByteView record, bool stretch);
    void stretchDibBits(ByteView record);

    GdiContext context_;
    WorkBudget& budget_;
    std::vector<GdiObject> objects_;
};

void EmfPlayer::createObject(std::uint32_t index, GdiObject object)
{
    if (index > 0 && index < objects_.size())
        objects_[index] = std::move(object);
}

void EmfPlayer::selectObject(std::uint32_t index)
{
    if ((index & stockObjectFlag) != 0)
        context_.selectObject(stockObject(index & ~stockObjectFlag));
    else if (index < objects_.size())
        context_.selectObject(objects_[index]);
}

void EmfPlayer::deleteObject(std::uint32_t index)
{
    if (index > 0 && index < objects_.size())
        objects_[index] = {};
}

void EmfPlayer::bitBlt(ByteView record, bool stretch)
{
    // BITBLT and STRETCHBLT share their layout up to the source size STRETCHBLT adds.
    const Dib dib =
        dibAt(record, offsetof(U_EMRBITBLT, iUsageSrc), offsetof(U_EMRBITBLT, offBmiSrc),
              offsetof(U_EMRBITBLT, cbBmiSrc), offsetof(U_EMRBITBLT, offBitsSrc),
              offsetof(U_EMRBITBLT, cbBitsSrc), budget_);
    const QPointF dest = pointAt(record, offsetof(U_EMRBITBLT, Dest));
    const QSizeF destSize = sizeAt(record, offsetof(U_EMRBITBLT, cDest));
    const QPointF source = pointAt(record, offsetof(U_EMRBITBLT, Src));
    const QSizeF sourceSize = stretch ? sizeAt(record, offsetof(U_EMRSTRETCHBLT, cSrc)) : destSize;
    context_.blit(QRectF(dest, destSize), dib.image ? &*dib.image : nullptr,
                  QRectF(source, sourceSize), record.u32(offsetof(U_EMRBITBLT, dwRop)));
}

void EmfPlayer::stretchDibBits(ByteView record)
{
    const Dib dib = dibAt(
        record, offsetof(U_EMRSTRETCHDIBITS, iUsageSrc), offsetof(U_EMRSTRETCHDIBITS, offBmiSrc),
        offsetof(U_EMRSTRETCHDIBITS, cbBmiSrc), offsetof(U_EMRSTRETCHDIBITS, offBitsSrc),
        offsetof(U_EMRSTRETCHDIBITS, cbBitsSrc), budget_);
    if (!dib.image)
        return;
    const QSizeF sourceSize = sizeAt(record, offsetof(U_EMRSTRETCHDIBITS, cSrc));
    QPointF source = pointAt(record, offsetof(U_EMRSTRETCHDIBITS, Src));
    // The source rectangle of a bottom-up bitmap is measured from its bottom row.
    if (dib.bottomUp)
        source.setY(dib.image->height() - source.y() - sourceSize.height());
    context_.blit(QRectF(pointAt(record, offsetof(U_EMRSTRETCHDIBITS, Dest)),
                         sizeAt(record, offsetof(U_EMRSTRETCHDIBITS, cDest))),
                  &*dib.image, QRectF(source, sourceSize),
                  record.u32(offsetof(U_EMRSTRETCHDIBITS, dwRop)));
}

// Shapes, lines and single pixels.
bool EmfPlayer::playShape(std::uint32_t type, ByteView record)
{
    switch (type) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYBEZIER16:
        context_.polyBezier(polyPointsAt(record, type == U_EMR_POLYBEZIER));
        break;
    case U_EMR_POLYGON:
    case U_EMR_POLYGON16:
        context_.polygon(polyPointsAt(record, type == U_EMR_POLYGON));
        break;
    case U_EMR_POLYLINE:
    case U_EMR_POLYLINE16:
        context_.polyline(polyPointsAt(record, type == U_EMR_POLYLINE));
        break;
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYBEZIERTO16:
        context_.polyBezierTo(polyPointsAt(record, type == U_EMR_POLYBEZIERTO));
        break;
    case U_EMR_POLYLINETO:
    case U_EMR_POLYLINETO16:
        context_.polylineTo(polyPointsAt(record, type == U_EMR_POLYLINETO));
        break;
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYLINE16:
        context_.polyPolyline(polyPolyAt(record, type == U_EMR_POLYPOLYLINE));
        break;
    case U_EMR_POLYPOLYGON:
    case U_EMR_POLYPOLYGON16:
        context_.polyPolygon(polyPolyAt(record, type == U_EMR_POLYPOLYGON));
        break;
    case U_EMR_SETPIXELV:
        context_.setPixel(pointAt(record, firstField), colorFromRef(record.u32(firstField + 8)));
        break;
    case U_EMR_MOVETOEX:
        context_.moveTo(pointAt(record, firstField));
        break;
    case U_EMR_LINETO:
        context_.lineTo(pointAt(record, firstField));
        break;
    case U_EMR_ELLIPSE:
        context_.ellipse(rectAt(record, firstField));
        break;
    case U_EMR_RECTANGLE:
        context_.rectangle(rectAt(record, firstField));
        break;
    case U_EMR_ROUNDRECT:
        context_.roundRect(rectAt(record, firstField),
                           sizeAt(record, offsetof(U_EMRROUNDRECT, szlCorner)));
        break;
    default:
        return false;
    }
    return true;
}

// Where logical coordinates land: window, viewport and world transform.
bool EmfPlayer::playMapping(std::uint32_t type, ByteView record)
{
    switch (type) {
    case U_EMR_SETWINDOWEXTEX:
        context_.setWindowExt(sizeAt(record, firstField));
        break;
    case U_EMR_SETWINDOWORGEX:
        context_.setWindowOrg(pointAt(record, firstField));
        break;
    case U_EMR_SETVIEWPORTEXTEX:
        context_.setViewportExt(sizeAt(record, firstField));
        break;
    case U_EMR_SETVIEWPORTORGEX:
        context_.setViewportOrg(pointAt(record, firstField));
        break;
    case U_EMR_SETMAPMODE:
        context_.setMapMode(record.u32(firstField));
        break;
    case U_EMR_SCALEVIEWPORTEXTEX:
        context_.scaleViewportExt(scaleAt(record));
        break;
    case U_EMR_SCALEWINDOWEXTEX:
        context_.scaleWindowExt(scaleAt(record));
        break;
    case U_EMR_SETWORLDTRANSFORM:
        context_.setWorldTransform(xformAt(record, firstField));
        break;
    case U_EMR_MODIFYWORLDTRANSFORM:
        context_.modifyWorldTransform(xformAt(record, firstField),
                                      record.u32(offsetof(U_EMRMODIFYWORLDTRANSFORM, iMode)));
        break;
    default:
        return false;
    }
    return true;
}

// Modes, colours, clipping and the saved states of the device context.
bool EmfPlayer::playDeviceState(std::uint32_t type, ByteView record)
{
    switch (type) {
    case U_EMR_SETBKMODE:
        context_.setBackgroundMode(record.u32(firstField));
        break;
    case U_EMR_SETPOLYFILLMODE:
        context_.setPolyFillMode(record.u32(firstField));
        break;
    case U_EMR_SETROP2:
        context_.setRop2(record.u32(firstField));
        break;
    case U_EMR_SETBKCOLOR:
        context_.setBackgroundColor(colorFromRef(record.u32(firstField)));
        break;
    case U_EMR_EXCLUDECLIPRECT:
        context_.excludeClip(rectAt(record, firstField));
        break;
    case U_EMR_INTERSECTCLIPRECT:
        context_.intersectClip(rectAt(record, firstField));
        break;
    case U_EMR_SAVEDC:
        context_.save();
        break;
    case U_EMR_RESTOREDC:
        context_.restore(record.i32(firstField));
        break;
    case U_EMR_EXTSELECTCLIPRGN:
        context_.selectClipRects(clipRectsAt(record),
                                 record.u32(offsetof(U_EMREXTSELECTCLIPRGN, iMode)));
        break;
    default:
        return false;
    }
    return true;
}

// Pens and brushes: made, selected and deleted.
bool EmfPlayer::playObject(std::uint32_t type, ByteView record)
{
    switch (type) {
    case U_EMR_SELECTOBJECT:
        selectObject(record.u32(firstField));
        break;
    case U_EMR_CREATEPEN:
        createObject(record.u32(firstField), penAt(record));
        break;
    case U_EMR_EXTCREATEPEN:
        createObject(record.u32(offsetof(U_EMREXTCREATEPEN, ihPen)), extPenAt(record));
        break;
    case U_EMR_CREATEBRUSHINDIRECT:
        createObject(record.u32(firstField), brushAt(record));
        break;
    case U_EMR_CREATEDIBPATTERNBRUSHPT:
        createObject(record.u32(offsetof(U_EMRCREATEDIBPATTERNBRUSHPT, ihBrush)),
                     patternBrushAt(record, budget_));
        break;
    case U_EMR_DELETEOBJECT:
        deleteObject(record.u32(firstField));
        break;
    default:
        return false;
    }
    return true;
}

// Paths, and bitmaps copied onto the picture.
bool EmfPlayer::playPathOrBitmap(std::uint32_t type, ByteView record)
{
    switch (type) {
    case U_EMR_BEGINPATH:
        context_.beginPath();
        break;
    case U_EMR_ENDPATH:
        context_.endPath();
        break;
    case U_EMR_CLOSEFIGURE:
        context_.closeFigure();
        break;
    case U_EMR_FILLPATH:
        context_.fillPath();
        break;
    case U_EMR_STROKEANDFILLPATH:
        context_.strokeAndFillPath();
        break;
    case U_EMR_STROKEPATH:
        context_.strokePath();
        break;
    case U_EMR_ABORTPATH:
        context_.abortPath();
        break;
    case U_EMR_BITBLT:
        bitBlt(record, false);
        break;
    case U_EMR_STRETCHBLT:
        bitBlt(record, true);
        break;
    case U_EMR_STRETCHDIBITS:
        stretchDibBits(record);
        break;
    default:
        return false;
    }
    return true;
}

bool EmfPlayer::play(std::uint32_t type, ByteView record)
{
    const std::array groups = {&EmfPlayer::playShape, &EmfPlayer::playMapping,
                               &EmfPlayer::playDeviceState, &EmfPlayer::playObject,
                               &EmfPlayer::playPathOrBitmap};
    return std::any_of(groups.begin(), groups.end(),
                       [&](auto group) { return (this->*group)(type, record); });
}

} // namespace

void playEmf(const EmfLayout& layout, ByteView bytes, QPainter& painter, WorkBudget& budget)
{
    // The records end with the end-of-file record, which draws nothing.
    EmfPlayer player(layout, painter, budget);
    playRecords(layout.records, bytes, budget,
                [&player](std::uint32_t type, ByteView record) { player.play(type, record); });
}

} // namespace stocks
