// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/wmf_player.h"

#include "skin/dib_image.h"
#include "skin/gdi_context.h"

#include <uwmf.h>

#include <QPainter>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

namespace stocks {
namespace {

enum Function : std::uint16_t {
    SaveDc = 0x001E,
    CreatePalette = 0x00F7,
    SetBkMode = 0x0102,
    SetMapMode = 0x0103,
    SetRop2 = 0x0104,
    SetPolyFillMode = 0x0106,
    RestoreDc = 0x0127,
    SelectObject = 0x012D,
    DibCreatePatternBrush = 0x0142,
    DeleteObject = 0x01F0,
    CreatePatternBrush = 0x01F9,
    SetBkColor = 0x0201,
    SetWindowOrg = 0x020B,
    SetWindowExt = 0x020C,
    SetViewportOrg = 0x020D,
    SetViewportExt = 0x020E,
    OffsetWindowOrg = 0x020F,
    OffsetViewportOrg = 0x0211,
    LineTo = 0x0213,
    MoveTo = 0x0214,
    CreatePenIndirect = 0x02FA,
    CreateFontIndirect = 0x02FB,
    CreateBrushIndirect = 0x02FC,
    Polygon = 0x0324,
    Polyline = 0x0325,
    ScaleWindowExt = 0x0410,
    ScaleViewportExt = 0x0412,
    ExcludeClipRect = 0x0415,
    IntersectClipRect = 0x0416,
    Ellipse = 0x0418,
    Rectangle = 0x041B,
    SetPixel = 0x041F,
    PolyPolygon = 0x0538,
    RoundRect = 0x061C,
    PatBlt = 0x061D,
    CreateRegion = 0x06FF,
    DibBitBlt = 0x0940,
    DibStretchBlt = 0x0B41,
    StretchDib = 0x0F43,
};

constexpr std::uint16_t patternBrushStyle = 3;

// libUEMF's getters report a record too short for them with 0.
void check(int recordSize)
{
    if (recordSize == 0)
        throwInvalidMetafile();
}

// The one field a record carries, through libUEMF's getter for that record.
template <typename Field> Field fieldOf(int (*get)(const char*, Field*), const char* record)
{
    Field field{};
    check(get(record, &field));
    return field;
}

QPointF point(U_POINT16 p)
{
    return QPointF(p.x, p.y);
}

QSizeF size(U_POINT16 p)
{
    return QSizeF(p.x, p.y);
}

QRectF rect(U_RECT16 r)
{
    return GdiContext::gdiRect(r.left, r.top, r.right, r.bottom);
}

QColor color(U_COLORREF c)
{
    return QColor(c.Red, c.Green, c.Blue);
}

GdiContext::ExtentScale scaleOf(int (*get)(const char*, U_POINT16*, U_POINT16*), const char* record)
{
    U_POINT16 denom{};
    U_POINT16 num{};
    check(get(record, &denom, &num));
    return {qreal(num.x), qreal(denom.x), qreal(num.y), qreal(denom.y)};
}

QPolygonF pointsAt(ByteView record, std::size_t offset, std::uint64_t count)
{
    if (offset > record.size() || count > (record.size() - offset) / 4)
        throwInvalidMetafile();
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t at = offset + static_cast<std::size_t>(i) * 4;
        points.append(QPointF(record.i16(at), record.i16(at + 2)));
    }
    return points;
}

// POLYGON and POLYLINE: a count, then the points.
QPolygonF polyPointsOf(int (*get)(const char*, std::uint16_t*, const char**), ByteView record)
{
    std::uint16_t count = 0;
    const char* points = nullptr;
    check(get(record.data(), &count, &points));
    return pointsAt(record, U_SIZE_METARECORD + 2, count);
}

std::vector<QPolygonF> polyPolygonAt(ByteView record)
{
    std::uint16_t polygons = 0;
    const std::uint16_t* counts = nullptr;
    const char* data = nullptr;
    check(U_WMRPOLYPOLYGON_get(record.data(), &polygons, &counts, &data));
    // libUEMF's pointers into the record are unaligned and unchecked: the counts and points
    // are read through the view.
    const std::size_t countsAt = U_SIZE_METARECORD + 2;
    const std::size_t countsSize = static_cast<std::size_t>(polygons) * 2;
    record.require(countsAt, countsSize);
    std::vector<QPolygonF> shapes;
    shapes.reserve(polygons);
    std::size_t next = countsAt + countsSize;
    for (std::size_t i = 0; i < polygons; ++i) {
        const std::uint16_t count = record.u16(countsAt + i * 2);
        shapes.push_back(pointsAt(record, next, count));
        next += static_cast<std::size_t>(count) * 4;
    }
    return shapes;
}

GdiObject penAt(const char* record)
{
    const U_PEN pen = fieldOf(U_WMRCREATEPENINDIRECT_get, record);
    return penObject(pen.Style, static_cast<std::int16_t>(pen.Widthw[0]), color(pen.Color));
}

GdiObject brushAt(ByteView record)
{
    const char* brush = nullptr;
    check(U_WMRCREATEBRUSHINDIRECT_get(record.data(), &brush));
    const std::size_t at = U_SIZE_METARECORD;
    return brushObject(record.u16(at), colorFromRef(record.u32(at + 2)), record.u16(at + 6));
}

// The bitmap a DIB record carries after its fixed fields, if it carries one.
std::optional<QImage> dibAfter(ByteView record, const char* dib, WorkBudget& budget)
{
    if (dib == nullptr)
        return std::nullopt;
    auto image =
        decodePackedDib(record.from(static_cast<std::size_t>(dib - record.data())), budget);
    if (!image)
        throwInvalidMetafile();
    return image;
}

GdiObject patternBrushAt(ByteView record, WorkBudget& budget)
{
    std::uint16_t style = 0;
    std::uint16_t usage = 0;
    const char* bitmap16 = nullptr;
    const char* dib = nullptr;
    check(U_WMRDIBCREATEPATTERNBRUSH_get(record.data(), &style, &usage, &bitmap16, &dib));
    // Old-style bitmap patterns and palette-indexed ones are not drawn: such a brush is black.
    if (style == patternBrushStyle || usage != U_DIB_RGB_COLORS)
        return brushObject(0, QColor(Qt::black), 0);
    return patternBrushObject(*dibAfter(record, dib, budget));
}

class WmfPlayer {
public:
    WmfPlayer(const WmfLayout& layout, QPainter& painter, WorkBudget& budget)
        : context_(painter, QTransform(), 96 / 25.4, budget), budget_(budget),
          objects_(layout.objects)
    {
        for (std::uint16_t slot = 0; slot < layout.objects; ++slot)
            freeSlots_.insert(freeSlots_.end(), slot);
        context_.setMapMode(GdiContext::MmAnisotropic);
        context_.setWindowOrg(layout.windowOrg);
        context_.setWindowExt(layout.windowExt);
        context_.setViewportExt(QSizeF(layout.size));
    }

    /// False for a record of a type it does not draw.
    bool play(std::uint16_t function, ByteView record);

private:
    bool playShape(std::uint16_t function, ByteView record);
    bool playMapping(std::uint16_t function, ByteView record);
    bool playDeviceState(std::uint16_t function, ByteView record);
    bool playObject(std::uint16_t function, ByteView record);
    void addObject(GdiObject object);
    void selectObject(std::uint16_t index);
    void deleteObject(std::uint16_t index);
    void roundRect(const char* record);
    void setPixel(const char* record);
    void patBlt(const char* record);
    void blit(ByteView record, std::uint16_t function);

    GdiContext context_;
    WorkBudget& budget_;
    std::vector<GdiObject> objects_;
    // Kept apart so that finding the lowest one does not walk a table of 65,535 slots.
    std::set<std::uint16_t> freeSlots_;
};

// A new object takes the lowest free slot of the table; with none free it is not created.
void WmfPlayer::addObject(GdiObject object)
{
    if (freeSlots_.empty())
        return;
    objects_[*freeSlots_.begin()] = std::move(object);
    freeSlots_.erase(freeSlots_.begin());
}

void WmfPlayer::selectObject(std::uint16_t index)
{
    if (index < objects_.size())
        context_.selectObject(objects_[index]);
}

void WmfPlayer::deleteObject(std::uint16_t index)
{
    if (index < objects_.size()) {
        objects_[index] = {};
        freeSlots_.insert(index);
    }
}

void WmfPlayer::roundRect(const char* record)
{
    std::int16_t height = 0;
    std::int16_t width = 0;
    U_RECT16 bounds{};
    check(U_WMRROUNDRECT_get(record, &height, &width, &bounds));
    context_.roundRect(rect(bounds), QSizeF(width, height));
}

void WmfPlayer::setPixel(const char* record)
{
    U_COLORREF colour{};
    U_POINT16 at{};
    check(U_WMRSETPIXEL_get(record, &colour, &at));
    context_.setPixel(point(at), color(colour));
}

void WmfPlayer::patBlt(const char* record)
{
    U_POINT16 at{};
    U_POINT16 extent{};
    std::uint32_t rop = 0;
    check(U_WMRPATBLT_get(record, &at, &extent, &rop));
    context_.blit(QRectF(point(at), size(extent)), nullptr, QRectF(), rop);
}

void WmfPlayer::blit(ByteView record, std::uint16_t function)
{
    U_POINT16 dest{};
    U_POINT16 destSize{};
    U_POINT16 source{};
    U_POINT16 sourceSize{};
    std::uint32_t rop = 0;
    const char* dib = nullptr;
    if (function == DibBitBlt) {
        check(U_WMRDIBBITBLT_get(record.data(), &dest, &destSize, &source, &rop, &dib));
        sourceSize = destSize;
    } else if (function == DibStretchBlt) {
        check(U_WMRDIBSTRETCHBLT_get(record.data(), &dest, &destSize, &source, &sourceSize, &rop,
                                     &dib));
    } else {
        std::uint16_t usage = 0;
        check(U_WMRSTRETCHDIB_get(record.data(), &dest, &destSize, &source, &sourceSize, &usage,
                                  &rop, &dib));
        if (usage != U_DIB_RGB_COLORS)
            return;
    }
    const auto image = dibAfter(record, dib, budget_);
    context_.blit(QRectF(point(dest), size(destSize)), image ? &*image : nullptr,
                  QRectF(point(source), size(sourceSize)), rop);
}

// Shapes, lines, single pixels and bitmaps.
bool WmfPlayer::playShape(std::uint16_t function, ByteView record)
{
    const char* data = record.data();
    switch (function) {
    case LineTo:
        context_.lineTo(point(fieldOf(U_WMRLINETO_get, data)));
        break;
    case MoveTo:
        context_.moveTo(point(fieldOf(U_WMRMOVETO_get, data)));
        break;
    case Ellipse:
        context_.ellipse(rect(fieldOf(U_WMRELLIPSE_get, data)));
        break;
    case Rectangle:
        context_.rectangle(rect(fieldOf(U_WMRRECTANGLE_get, data)));
        break;
    case RoundRect:
        roundRect(data);
        break;
    case SetPixel:
        setPixel(data);
        break;
    case PatBlt:
        patBlt(data);
        break;
    case Polygon:
        context_.polygon(polyPointsOf(U_WMRPOLYGON_get, record));
        break;
    case Polyline:
        context_.polyline(polyPointsOf(U_WMRPOLYLINE_get, record));
        break;
    case PolyPolygon:
        context_.polyPolygon(polyPolygonAt(record));
        break;
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
        blit(record, function);
        break;
    default:
        return false;
    }
    return true;
}

// Where logical coordinates land: window and viewport.
bool WmfPlayer::playMapping(std::uint16_t function, ByteView record)
{
    const char* data = record.data();
    switch (function) {
    case SetMapMode:
        context_.setMapMode(fieldOf(U_WMRSETMAPMODE_get, data));
        break;
    case SetWindowOrg:
        context_.setWindowOrg(point(fieldOf(U_WMRSETWINDOWORG_get, data)));
        break;
    case SetWindowExt:
        context_.setWindowExt(size(fieldOf(U_WMRSETWINDOWEXT_get, data)));
        break;
    case SetViewportOrg:
        context_.setViewportOrg(point(fieldOf(U_WMRSETVIEWPORTORG_get, data)));
        break;
    case SetViewportExt:
        context_.setViewportExt(size(fieldOf(U_WMRSETVIEWPORTEXT_get, data)));
        break;
    case OffsetWindowOrg:
        context_.offsetWindowOrg(point(fieldOf(U_WMROFFSETWINDOWORG_get, data)));
        break;
    case OffsetViewportOrg:
        context_.offsetViewportOrg(point(fieldOf(U_WMROFFSETVIEWPORTORG_get, data)));
        break;
    case ScaleWindowExt:
        context_.scaleWindowExt(scaleOf(U_WMRSCALEWINDOWEXT_get, data));
        break;
    case ScaleViewportExt:
        context_.scaleViewportExt(scaleOf(U_WMRSCALEVIEWPORTEXT_get, data));
        break;
    default:
        return false;
    }
    return true;
}

// Modes, colours, clipping and the saved states of the device context.
bool WmfPlayer::playDeviceState(std::uint16_t function, ByteView record)
{
    const char* data = record.data();
    switch (function) {
    case SaveDc:
        check(U_WMRSAVEDC_get(data));
        context_.save();
        break;
    case RestoreDc:
        context_.restore(fieldOf(U_WMRRESTOREDC_get, data));
        break;
    case SetBkMode:
        context_.setBackgroundMode(fieldOf(U_WMRSETBKMODE_get, data));
        break;
    case SetRop2:
        context_.setRop2(fieldOf(U_WMRSETROP2_get, data));
        break;
    case SetPolyFillMode:
        context_.setPolyFillMode(fieldOf(U_WMRSETPOLYFILLMODE_get, data));
        break;
    case SetBkColor:
        context_.setBackgroundColor(color(fieldOf(U_WMRSETBKCOLOR_get, data)));
        break;
    case ExcludeClipRect:
        context_.excludeClip(rect(fieldOf(U_WMREXCLUDECLIPRECT_get, data)));
        break;
    case IntersectClipRect:
        context_.intersectClip(rect(fieldOf(U_WMRINTERSECTCLIPRECT_get, data)));
        break;
    default:
        return false;
    }
    return true;
}

// Pens, brushes and the other objects: made, selected and deleted.
bool WmfPlayer::playObject(std::uint16_t function, ByteView record)
{
    const char* data = record.data();
    switch (function) {
    case SelectObject:
        selectObject(fieldOf(U_WMRSELECTOBJECT_get, data));
        break;
    case DeleteObject:
        deleteObject(fieldOf(U_WMRDELETEOBJECT_get, data));
        break;
    case CreatePenIndirect:
        addObject(penAt(data));
        break;
    case CreateBrushIndirect:
        addObject(brushAt(record));
        break;
    case DibCreatePatternBrush:
        addObject(patternBrushAt(record, budget_));
        break;
    case CreatePatternBrush:
        addObject(brushObject(0, QColor(Qt::black), 0));
        break;
    case CreatePalette:
    case CreateFontIndirect:
    case CreateRegion:
        addObject(GdiObject{GdiObject::Kind::Other, {}, {}});
        break;
    default:
        return false;
    }
    return true;
}

bool WmfPlayer::play(std::uint16_t function, ByteView record)
{
    const std::array groups = {&WmfPlayer::playShape, &WmfPlayer::playMapping,
                               &WmfPlayer::playDeviceState, &WmfPlayer::playObject};
    return std::any_of(groups.begin(), groups.end(),
                       [&](auto group) { return (this->*group)(function, record); });
}

} // namespace

void playWmf(const WmfLayout& layout, ByteView bytes, QPainter& painter, WorkBudget& budget)
{
    // The records end with the end-of-file record, which draws nothing.
    WmfPlayer player(layout, painter, budget);
    playRecords(layout.records, bytes, budget, [&player](std::uint32_t type, ByteView record) {
        player.play(static_cast<std::uint16_t>(type), record);
    });
}

} // namespace stocks
