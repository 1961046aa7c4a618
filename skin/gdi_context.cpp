// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/gdi_context.h"

#include <QPaintDevice>

#include <array>
#include <cmath>

namespace stocks {
namespace {

// Deeper nesting than this is refused, as a device context refuses it when memory runs out.
constexpr std::size_t maxSaveDepth = 1000;

// Drawing work is counted in units of about one pixel filled, as measured with Qt's raster
// engine: a call into the painter costs about 300, each edge of a shape 10 plus one for each
// row of visible pixels it may cross, and each element of a clip path 100. Lines cost far
// more than fills: stroking an edge costs 200 with a hairline and 7,000 with a wide pen, plus
// 60 for each pixel of its length. Each element added to a path costs 200.
constexpr double callWork = 300;
constexpr double edgeWork = 10;
constexpr double clipElementWork = 100;
constexpr double hairlineEdgeWork = 200;
constexpr double wideEdgeWork = 7000;
constexpr double linePixelWork = 60;
constexpr double pathElementWork = 200;

bool isScaling(std::uint32_t mapMode)
{
    return mapMode == GdiContext::MmIsotropic || mapMode == GdiContext::MmAnisotropic;
}

qreal unitsPerMillimetre(std::uint32_t mapMode)
{
    switch (mapMode) {
    case GdiContext::MmLoMetric:
        return 10;
    case GdiContext::MmHiMetric:
        return 100;
    case GdiContext::MmLoEnglish:
        return 100 / 25.4;
    case GdiContext::MmHiEnglish:
        return 1000 / 25.4;
    default:
        return 1440 / 25.4;
    }
}

QSizeF scaled(QSizeF extent, const GdiContext::ExtentScale& scale)
{
    return QSizeF(extent.width() * scale.xNum / scale.xDenom,
                  extent.height() * scale.yNum / scale.yDenom);
}

bool isFinite(const QTransform& t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) &&
           std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy());
}

QPainter::CompositionMode rop2Composition(std::uint32_t mode)
{
    using C = QPainter::CompositionMode;
    static constexpr std::array<C, 16> modes = {
        C::RasterOp_ClearDestination,           // R2_BLACK
        C::RasterOp_NotSourceAndNotDestination, // R2_NOTMERGEPEN
        C::RasterOp_NotSourceAndDestination,    // R2_MASKNOTPEN
        C::RasterOp_NotSource,                  // R2_NOTCOPYPEN
        C::RasterOp_SourceAndNotDestination,    // R2_MASKPENNOT
        C::RasterOp_NotDestination,             // R2_NOT
        C::RasterOp_SourceXorDestination,       // R2_XORPEN
        C::RasterOp_NotSourceOrNotDestination,  // R2_NOTMASKPEN
        C::RasterOp_SourceAndDestination,       // R2_MASKPEN
        C::RasterOp_NotSourceXorDestination,    // R2_NOTXORPEN
        C::CompositionMode_Destination,         // R2_NOP
        C::RasterOp_NotSourceOrDestination,     // R2_MERGENOTPEN
        C::CompositionMode_SourceOver,          // R2_COPYPEN
        C::RasterOp_SourceOrNotDestination,     // R2_MERGEPENNOT
        C::RasterOp_SourceOrDestination,        // R2_MERGEPEN
        C::RasterOp_SetDestination,             // R2_WHITE
    };
    return mode >= 1 && mode <= 16 ? modes[mode - 1] : C::CompositionMode_SourceOver;
}

// The operation a ternary raster code (its bits 16-23) applies with a source bitmap.
QPainter::CompositionMode sourceComposition(std::uint32_t op)
{
    using C = QPainter::CompositionMode;
    switch (op) {
    case 0xEE:
        return C::RasterOp_SourceOrDestination;
    case 0x88:
        return C::RasterOp_SourceAndDestination;
    case 0x66:
        return C::RasterOp_SourceXorDestination;
    case 0x44:
        return C::RasterOp_SourceAndNotDestination;
    case 0x33:
        return C::RasterOp_NotSource;
    case 0x11:
        return C::RasterOp_NotSourceAndNotDestination;
    case 0xBB:
        return C::RasterOp_NotSourceOrDestination;
    default:
        return C::CompositionMode_SourceOver;
    }
}

bool usesSource(std::uint32_t op)
{
    return (((op >> 2) ^ op) & 0x33) != 0;
}

} // namespace

// Making a path is work even where it is never drawn, and its elements take memory.
template <typename Add> void GdiContext::addToPath(Add add)
{
    const int before = path_.elementCount();
    add();
    budget_.spend(pathElementWork * (path_.elementCount() - before));
}

GdiContext::GdiContext(QPainter& painter, const QTransform& deviceToImage,
                       qreal pixelsPerMillimetre, WorkBudget& budget)
    : painter_(painter), budget_(budget), deviceToPainter_(deviceToImage * painter.transform()),
      pixelsPerMillimetre_(pixelsPerMillimetre)
{
    painter_.save();
    if (const QPaintDevice* device = painter_.device())
        visible_ = QRectF(0, 0, device->width(), device->height());
    if (painter_.hasClipping()) {
        callerClip_ = painter_.transform().map(painter_.clipPath());
        visible_ &= callerClip_->boundingRect();
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

GdiContext::~GdiContext()
{
    for (std::size_t i = 0; i <= saved_.size(); ++i)
        painter_.restore();
}

QRectF GdiContext::gdiRect(qreal left, qreal top, qreal right, qreal bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

QTransform GdiContext::pageTransform() const
{
    qreal sx = 1;
    qreal sy = 1;
    if (isScaling(state_.mapMode)) {
        sx = state_.viewportExt.width() / state_.windowExt.width();
        sy = state_.viewportExt.height() / state_.windowExt.height();
        if (state_.mapMode == MmIsotropic) {
            const qreal scale = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(scale, sx);
            sy = std::copysign(scale, sy);
        }
    } else if (state_.mapMode != MmText) {
        sx = pixelsPerMillimetre_ / unitsPerMillimetre(state_.mapMode);
        sy = -sx;
    }
    return QTransform(sx, 0, 0, sy, state_.viewportOrg.x() - state_.windowOrg.x() * sx,
                      state_.viewportOrg.y() - state_.windowOrg.y() * sy);
}

void GdiContext::setMapMode(std::uint32_t mode)
{
    if (mode < MmText || mode > MmAnisotropic)
        return;
    if (isScaling(mode) && !isScaling(state_.mapMode)) {
        // The scaling modes start from the scale the previous mode had.
        const QTransform page = pageTransform();
        state_.windowExt = QSizeF(1, 1);
        state_.viewportExt = QSizeF(page.m11(), page.m22());
    }
    state_.mapMode = mode;
    mappingChanged();
}

void GdiContext::setWindowOrg(QPointF origin)
{
    state_.windowOrg = origin;
    mappingChanged();
}

void GdiContext::setWindowExt(QSizeF extent)
{
    if (!isScaling(state_.mapMode) || extent.width() == 0 || extent.height() == 0)
        return;
    state_.windowExt = extent;
    mappingChanged();
}

void GdiContext::setViewportOrg(QPointF origin)
{
    state_.viewportOrg = origin;
    mappingChanged();
}

void GdiContext::setViewportExt(QSizeF extent)
{
    if (!isScaling(state_.mapMode) || extent.width() == 0 || extent.height() == 0)
        return;
    state_.viewportExt = extent;
    mappingChanged();
}

void GdiContext::offsetWindowOrg(QPointF by)
{
    setWindowOrg(state_.windowOrg + by);
}

void GdiContext::offsetViewportOrg(QPointF by)
{
    setViewportOrg(state_.viewportOrg + by);
}

void GdiContext::scaleWindowExt(const ExtentScale& scale)
{
    if (scale.xDenom != 0 && scale.yDenom != 0)
        setWindowExt(scaled(state_.windowExt, scale));
}

void GdiContext::scaleViewportExt(const ExtentScale& scale)
{
    if (scale.xDenom != 0 && scale.yDenom != 0)
        setViewportExt(scaled(state_.viewportExt, scale));
}

void GdiContext::setWorldTransform(const QTransform& transform)
{
    if (!isFinite(transform))
        return;
    state_.world = transform;
    mappingChanged();
}

void GdiContext::modifyWorldTransform(const QTransform& transform, std::uint32_t mode)
{
    switch (mode) {
    case 1:
        setWorldTransform(QTransform());
        break;
    case 2:
        setWorldTransform(transform * state_.world);
        break;
    case 3:
        setWorldTransform(state_.world * transform);
        break;
    case 4:
        setWorldTransform(transform);
        break;
    default:
        break;
    }
}

void GdiContext::setBackgroundMode(std::uint32_t mode)
{
    if (mode != 1 && mode != 2)
        return;
    state_.opaqueBackground = mode == 2;
    styleDirty_ = true;
}

void GdiContext::setBackgroundColor(QColor color)
{
    state_.backgroundColor = color;
    styleDirty_ = true;
}

void GdiContext::setPolyFillMode(std::uint32_t mode)
{
    if (mode == 1 || mode == 2)
        state_.fillRule = mode == 2 ? Qt::WindingFill : Qt::OddEvenFill;
}

void GdiContext::setRop2(std::uint32_t mode)
{
    state_.composition = rop2Composition(mode);
    styleDirty_ = true;
}

void GdiContext::selectObject(const GdiObject& object)
{
    if (object.kind == GdiObject::Kind::Pen)
        state_.pen = object.pen;
    else if (object.kind == GdiObject::Kind::Brush)
        state_.brush = object.brush;
    else
        return;
    styleDirty_ = true;
}

void GdiContext::save()
{
    if (saved_.size() >= maxSaveDepth)
        return;
    saved_.push_back(state_);
    painter_.save();
}

void GdiContext::restore(std::int32_t which)
{
    const auto levels = static_cast<std::int64_t>(saved_.size());
    std::int64_t keep = 0;
    if (which < 0 && -static_cast<std::int64_t>(which) <= levels)
        keep = levels + which;
    else if (which > 0 && which <= levels)
        keep = which - 1;
    else
        return;
    while (static_cast<std::int64_t>(saved_.size()) > keep) {
        state_ = saved_.back();
        saved_.pop_back();
        painter_.restore();
    }
    transformDirty_ = true;
    styleDirty_ = true;
}

void GdiContext::intersectClip(const QRectF& rect)
{
    chargeClip(4);
    prepareTransform();
    painter_.setClipRect(rect, Qt::IntersectClip);
}

// The clip is cut by intersecting it with everything but the rectangle. Subtracting from the
// clip's own path instead grows that path with every cut, and each cut then costs more.
void GdiContext::excludeClip(const QRectF& rect)
{
    prepareTransform();
    bool invertible = false;
    const QTransform toLogical = painter_.transform().inverted(&invertible);
    const QPaintDevice* device = painter_.device();
    if (!invertible || device == nullptr)
        return;
    QPainterPath outside;
    outside.setFillRule(Qt::OddEvenFill);
    outside.addPolygon(toLogical.map(QPolygonF(QRectF(0, 0, device->width(), device->height()))));
    outside.addRect(rect);
    chargeClip(outside.elementCount());
    painter_.setClipPath(outside, Qt::IntersectClip);
}

void GdiContext::selectClipRects(const std::vector<QRectF>& deviceRects, std::uint32_t mode)
{
    constexpr std::uint32_t regionAnd = 1;
    constexpr std::uint32_t regionCopy = 5;
    if (mode != regionAnd && mode != regionCopy)
        return;
    transformDirty_ = true;
    if (mode == regionCopy) {
        painter_.setTransform(QTransform());
        if (callerClip_)
            painter_.setClipPath(*callerClip_, Qt::ReplaceClip);
        else
            painter_.setClipping(false);
        if (deviceRects.empty())
            return;
    }
    chargeClip(static_cast<qsizetype>(deviceRects.size()) * 4);
    QPainterPath region;
    region.setFillRule(Qt::WindingFill);
    for (const QRectF& rect : deviceRects)
        region.addRect(rect);
    painter_.setTransform(deviceToPainter_);
    painter_.setClipPath(region, Qt::IntersectClip);
}

void GdiContext::beginPath()
{
    pathOpen_ = true;
    figureStarted_ = false;
    path_ = QPainterPath();
}

void GdiContext::endPath()
{
    pathOpen_ = false;
}

void GdiContext::abortPath()
{
    pathOpen_ = false;
    path_ = QPainterPath();
}

void GdiContext::closeFigure()
{
    if (!inPath())
        return;
    path_.closeSubpath();
    figureStarted_ = false;
}

void GdiContext::fillPath()
{
    if (inPath())
        return;
    drawShapePath(path_, true, false);
    path_ = QPainterPath();
}

void GdiContext::strokePath()
{
    if (inPath())
        return;
    drawShapePath(path_, false, true);
    path_ = QPainterPath();
}

void GdiContext::strokeAndFillPath()
{
    if (inPath())
        return;
    drawShapePath(path_, true, true);
    path_ = QPainterPath();
}

void GdiContext::moveTo(QPointF point)
{
    state_.position = point;
    if (inPath()) {
        addToPath([&] { path_.moveTo(point); });
        figureStarted_ = true;
    }
}

void GdiContext::lineTo(QPointF point)
{
    if (inPath()) {
        addToPath([&] {
            startFigure();
            path_.lineTo(point);
        });
    } else {
        prepare();
        const QPolygonF line{state_.position, point};
        if (chargeDrawing(line.boundingRect(), 2, lineLength(line, false)))
            painter_.drawLine(state_.position, point);
    }
    state_.position = point;
}

void GdiContext::rectangle(const QRectF& rect)
{
    if (inPath()) {
        addToPath([&] { path_.addRect(rect); });
        figureStarted_ = false;
        return;
    }
    prepare();
    if (chargeDrawing(rect, 4, lineLength(rect)))
        painter_.drawRect(rect);
}

void GdiContext::roundRect(const QRectF& rect, QSizeF corner)
{
    const qreal xRadius = std::abs(corner.width()) / 2;
    const qreal yRadius = std::abs(corner.height()) / 2;
    if (inPath()) {
        addToPath([&] { path_.addRoundedRect(rect, xRadius, yRadius); });
        figureStarted_ = false;
        return;
    }
    prepare();
    if (chargeDrawing(rect, 4, lineLength(rect)))
        painter_.drawRoundedRect(rect, xRadius, yRadius);
}

void GdiContext::ellipse(const QRectF& rect)
{
    if (inPath()) {
        addToPath([&] { path_.addEllipse(rect); });
        figureStarted_ = false;
        return;
    }
    prepare();
    if (chargeDrawing(rect, 4, lineLength(rect)))
        painter_.drawEllipse(rect);
}

void GdiContext::polygon(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    if (inPath()) {
        addToPath([&] {
            path_.addPolygon(points);
            path_.closeSubpath();
        });
        figureStarted_ = false;
        return;
    }
    prepare();
    if (chargeDrawing(points.boundingRect(), points.size(), lineLength(points, true)))
        painter_.drawPolygon(points, state_.fillRule);
}

void GdiContext::polyline(const QPolygonF& points)
{
    if (points.size() < 2)
        return;
    if (inPath()) {
        addToPath([&] {
            path_.moveTo(points.front());
            for (qsizetype i = 1; i < points.size(); ++i)
                path_.lineTo(points[i]);
        });
        figureStarted_ = true;
        return;
    }
    prepare();
    if (chargeDrawing(points.boundingRect(), points.size(), lineLength(points, false)))
        painter_.drawPolyline(points);
}

void GdiContext::polylineTo(const QPolygonF& points)
{
    if (points.isEmpty())
        return;
    if (inPath()) {
        addToPath([&] {
            startFigure();
            for (const QPointF& point : points)
                path_.lineTo(point);
        });
    } else {
        QPolygonF line;
        line.reserve(points.size() + 1);
        line << state_.position << points;
        prepare();
        if (chargeDrawing(line.boundingRect(), line.size(), lineLength(line, false)))
            painter_.drawPolyline(line);
    }
    state_.position = points.back();
}

void GdiContext::polyBezier(const QPolygonF& points)
{
    if (points.size() < 4 || (points.size() - 1) % 3 != 0)
        return;
    moveTo(points.front());
    polyBezierTo(points.mid(1));
}

void GdiContext::polyBezierTo(const QPolygonF& points)
{
    if (points.isEmpty() || points.size() % 3 != 0)
        return;
    const auto addCurves = [&points](QPainterPath& path) {
        for (qsizetype i = 0; i + 2 < points.size(); i += 3)
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
    };
    if (inPath()) {
        addToPath([&] {
            startFigure();
            addCurves(path_);
        });
    } else {
        QPainterPath curve(state_.position);
        addCurves(curve);
        drawShapePath(curve, false, true);
    }
    state_.position = points.back();
}

void GdiContext::polyPolygon(const std::vector<QPolygonF>& polygons)
{
    QPainterPath shape;
    shape.setFillRule(state_.fillRule);
    for (const QPolygonF& points : polygons) {
        if (points.size() < 2)
            continue;
        shape.addPolygon(points);
        shape.closeSubpath();
    }
    if (inPath()) {
        addToPath([&] { path_.addPath(shape); });
        figureStarted_ = false;
        return;
    }
    drawShapePath(shape, true, true);
}

void GdiContext::polyPolyline(const std::vector<QPolygonF>& polylines)
{
    for (const QPolygonF& points : polylines)
        polyline(points);
}

void GdiContext::setPixel(QPointF point, QColor color)
{
    if (inPath())
        return;
    prepare();
    budget_.spend(callWork);
    const QPointF device = painter_.transform().map(point);
    painter_.setTransform(QTransform());
    painter_.fillRect(QRectF(std::floor(device.x()), std::floor(device.y()), 1, 1), color);
    transformDirty_ = true;
}

void GdiContext::blit(const QRectF& target, const QImage* source, const QRectF& sourceRect,
                      std::uint32_t rop)
{
    if (inPath())
        return;
    const std::uint32_t op = (rop >> 16) & 0xFF;
    prepare();
    if (!chargeDrawing(target.normalized(), 0))
        return;
    styleDirty_ = true;
    if (source == nullptr || !usesSource(op)) {
        const QRectF area = target.normalized();
        switch (op) {
        case 0xF0:
            painter_.fillRect(area, state_.brush);
            break;
        case 0x00:
            painter_.fillRect(area, Qt::black);
            break;
        case 0xFF:
            painter_.fillRect(area, Qt::white);
            break;
        case 0x55:
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillRect(area, Qt::black);
            break;
        case 0x5A:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter_.fillRect(area, state_.brush);
            break;
        default:
            break;
        }
        return;
    }
    if (sourceRect.width() == 0 || sourceRect.height() == 0)
        return;
    const QRectF visible = sourceRect.normalized() & QRectF(source->rect());
    if (visible.isEmpty())
        return;
    // Maps the source rectangle onto the target, mirrored where their extents differ in sign.
    const QTransform sourceToTarget = QTransform::fromTranslate(-sourceRect.x(), -sourceRect.y()) *
                                      QTransform::fromScale(target.width() / sourceRect.width(),
                                                            target.height() / sourceRect.height()) *
                                      QTransform::fromTranslate(target.x(), target.y());
    painter_.setTransform(sourceToTarget * painter_.transform());
    painter_.setCompositionMode(sourceComposition(op));
    painter_.drawImage(visible.topLeft(), *source, visible);
    transformDirty_ = true;
}

void GdiContext::prepareTransform()
{
    if (!transformDirty_)
        return;
    painter_.setTransform(state_.world * pageTransform() * deviceToPainter_);
    transformDirty_ = false;
}

void GdiContext::prepare()
{
    prepareTransform();
    if (!styleDirty_)
        return;
    painter_.setPen(state_.pen);
    painter_.setBrush(state_.brush);
    painter_.setBackgroundMode(state_.opaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
    painter_.setBackground(QBrush(state_.backgroundColor));
    painter_.setCompositionMode(state_.composition);
    styleDirty_ = false;
}

void GdiContext::startFigure()
{
    if (figureStarted_)
        return;
    path_.moveTo(state_.position);
    figureStarted_ = true;
}

void GdiContext::drawShapePath(const QPainterPath& path, bool fill, bool stroke)
{
    prepare();
    if (!chargeDrawing(path.controlPointRect(), path.elementCount(),
                       stroke ? std::optional(lineLength(path)) : std::nullopt))
        return;
    QPainterPath shape = path;
    if (fill)
        shape.setFillRule(state_.fillRule);
    if (fill && stroke)
        painter_.drawPath(shape);
    else if (fill)
        painter_.fillPath(shape, state_.brush);
    else if (stroke)
        painter_.strokePath(shape, state_.pen);
}

// How far, in device pixels, a stroke of the selected pen can reach past a shape's outline:
// half its width, or more at a mitred corner.
qreal GdiContext::penReach() const
{
    const QPen& pen = painter_.pen();
    if (pen.style() == Qt::NoPen)
        return 0;
    const QTransform& t = painter_.transform();
    const qreal stretch =
        std::abs(t.m11()) + std::abs(t.m12()) + std::abs(t.m21()) + std::abs(t.m22());
    const qreal width =
        pen.isCosmetic() ? std::max<qreal>(pen.widthF(), 1) : pen.widthF() * stretch;
    return width * std::max<qreal>(pen.miterLimit(), 1);
}

// The length in device pixels of a line through the points, each edge counted with at most the
// visible area's width and height, as it is clipped there.
qreal GdiContext::lineLength(const QPolygonF& points, bool closed) const
{
    const QTransform& t = painter_.transform();
    const qreal longest = visible_.width() + visible_.height();
    const qsizetype edges = closed ? points.size() : points.size() - 1;
    qreal length = 0;
    for (qsizetype i = 0; i < edges; ++i) {
        const QPointF step = t.map(points[(i + 1) % points.size()]) - t.map(points[i]);
        // A step that is not a number counts as the longest.
        length += std::min(longest, std::abs(step.x()) + std::abs(step.y()));
    }
    return length;
}

qreal GdiContext::lineLength(const QRectF& rect) const
{
    return lineLength(QPolygonF(rect), false);
}

// Curves count by their control points, which enclose them.
qreal GdiContext::lineLength(const QPainterPath& path) const
{
    QPolygonF figure;
    qreal length = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element& element = path.elementAt(i);
        if (element.isMoveTo()) {
            length += lineLength(figure, false);
            figure.clear();
        }
        figure << QPointF(element);
    }
    return length + lineLength(figure, false);
}

double GdiContext::strokeWork(qsizetype edges, qreal length) const
{
    const QPen& pen = painter_.pen();
    if (pen.style() == Qt::NoPen)
        return 0;
    const double perEdge = pen.isCosmetic() ? hairlineEdgeWork : wideEdgeWork;
    return static_cast<double>(edges) * perEdge + linePixelWork * length;
}

// Drawing outside the visible area costs nothing and is skipped. Inside it, a shape is charged
// by the pixels of its bounding box there, by its edges and, when stroked, by its line; past
// the budget the metafile is refused.
bool GdiContext::chargeDrawing(const QRectF& bounds, qsizetype points,
                               std::optional<qreal> strokedLength)
{
    const QRectF device = painter_.transform().mapRect(bounds);
    const qreal reach = 1 + (strokedLength ? penReach() : 0);
    const qreal left = std::max(device.left() - reach, visible_.left());
    const qreal right = std::min(device.right() + reach, visible_.right());
    const qreal top = std::max(device.top() - reach, visible_.top());
    const qreal bottom = std::min(device.bottom() + reach, visible_.bottom());
    // Also false for coordinates that are not numbers, which nothing could draw.
    if (!(left <= right && top <= bottom))
        return false;
    const qreal rows = bottom - top;
    budget_.spend(callWork + (right - left) * rows +
                  static_cast<double>(points) * (edgeWork + rows) +
                  (strokedLength ? strokeWork(points, *strokedLength) : 0));
    return true;
}

// A new clip is worked out over the whole visible area, and path clips by their elements.
void GdiContext::chargeClip(qsizetype elements)
{
    budget_.spend(callWork + visible_.width() * visible_.height() +
                  static_cast<double>(elements) * clipElementWork);
}

} // namespace stocks
