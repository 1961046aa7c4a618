// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/gdi_object.h"
#include "skin/work_budget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

namespace stocks {

/// @brief The state of a Windows device context while a metafile plays onto a QPainter:
/// mapping, selected pen and brush, background, fill mode, current position, clipping and
/// the path bracket. Coordinates passed in are logical units. Only what falls on the painter's
/// device, inside its clip, is drawn; the work of that is charged to a WorkBudget.
class GdiContext {
public:
    enum MapMode : std::uint32_t {
        MmText = 1,
        MmLoMetric = 2,
        MmHiMetric = 3,
        MmLoEnglish = 4,
        MmHiEnglish = 5,
        MmTwips = 6,
        MmIsotropic = 7,
        MmAnisotropic = 8,
    };

    /// deviceToImage maps the metafile's device units onto the picture's pixels, which lie in
    /// the painter's current coordinates; pixelsPerMillimetre is the reference device's
    /// resolution, for the metric map modes.
    GdiContext(QPainter& painter, const QTransform& deviceToImage, qreal pixelsPerMillimetre,
               WorkBudget& budget);
    ~GdiContext();
    GdiContext(const GdiContext&) = delete;
    GdiContext& operator=(const GdiContext&) = delete;

    void setMapMode(std::uint32_t mode);
    void setWindowOrg(QPointF origin);
    void setWindowExt(QSizeF extent);
    void setViewportOrg(QPointF origin);
    void setViewportExt(QSizeF extent);
    void offsetWindowOrg(QPointF by);
    void offsetViewportOrg(QPointF by);
    /// @brief The ratio for each axis that the scaling records multiply an extent by.
    struct ExtentScale {
        qreal xNum = 1;
        qreal xDenom = 1;
        qreal yNum = 1;
        qreal yDenom = 1;
    };
    void scaleWindowExt(const ExtentScale& scale);
    void scaleViewportExt(const ExtentScale& scale);
    void setWorldTransform(const QTransform& transform);
    /// mode: 1 identity, 2 left-multiply, 3 right-multiply, 4 set.
    void modifyWorldTransform(const QTransform& transform, std::uint32_t mode);

    void setBackgroundMode(std::uint32_t mode);
    void setBackgroundColor(QColor color);
    void setPolyFillMode(std::uint32_t mode);
    void setRop2(std::uint32_t mode);
    void selectObject(const GdiObject& object);

    void save();
    /// which < 0: that many levels back; which > 0: the state saved as that level.
    void restore(std::int32_t which);
    void intersectClip(const QRectF& rect);
    void excludeClip(const QRectF& rect);
    /// Rectangles in device units; mode is a region combine mode (1 and, 5 copy).
    void selectClipRects(const std::vector<QRectF>& deviceRects, std::uint32_t mode);

    void beginPath();
    void endPath();
    void abortPath();
    void closeFigure();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();

    void moveTo(QPointF point);
    void lineTo(QPointF point);
    void rectangle(const QRectF& rect);
    void roundRect(const QRectF& rect, QSizeF corner);
    void ellipse(const QRectF& rect);
    void polygon(const QPolygonF& points);
    void polyline(const QPolygonF& points);
    void polylineTo(const QPolygonF& points);
    void polyBezier(const QPolygonF& points);
    void polyBezierTo(const QPolygonF& points);
    void polyPolygon(const std::vector<QPolygonF>& polygons);
    void polyPolyline(const std::vector<QPolygonF>& polylines);
    void setPixel(QPointF point, QColor color);
    /// Copies sourceRect of source onto target with a ternary raster operation; without a
    /// source only the pattern operations (brush, black, white, inversion) draw.
    void blit(const QRectF& target, const QImage* source, const QRectF& sourceRect,
              std::uint32_t rop);

    /// A rectangle from GDI's left, top, right and bottom.
    static QRectF gdiRect(qreal left, qreal top, qreal right, qreal bottom);

private:
    struct State {
        std::uint32_t mapMode = MmText;
        QPointF windowOrg;
        QPointF viewportOrg;
        QSizeF windowExt{1, 1};
        QSizeF viewportExt{1, 1};
        QTransform world;
        QPen pen{QBrush(Qt::black), 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin};
        QBrush brush{Qt::white};
        bool opaqueBackground = true;
        QColor backgroundColor{Qt::white};
        Qt::FillRule fillRule = Qt::OddEvenFill;
        QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
        QPointF position;
    };

    QTransform pageTransform() const;
    void mappingChanged() { transformDirty_ = true; }
    void prepare();
    void prepareTransform();
    bool inPath() const { return pathOpen_; }
    void startFigure();
    void drawShapePath(const QPainterPath& path, bool fill, bool stroke);
    template <typename Add> void addToPath(Add add);
    qreal penReach() const;
    qreal lineLength(const QPolygonF& points, bool closed) const;
    qreal lineLength(const QRectF& rect) const;
    qreal lineLength(const QPainterPath& path) const;
    double strokeWork(qsizetype edges, qreal length) const;
    /// With the length of its line the shape is stroked too.
    bool chargeDrawing(const QRectF& bounds, qsizetype points,
                       std::optional<qreal> strokedLength = std::nullopt);
    void chargeClip(qsizetype elements);

    QPainter& painter_;
    WorkBudget& budget_;
    QRectF visible_; // in device pixels
    QTransform deviceToPainter_;
    qreal pixelsPerMillimetre_;
    std::optional<QPainterPath> callerClip_;
    State state_;
    std::vector<State> saved_;
    bool transformDirty_ = true;
    bool styleDirty_ = true;
    bool pathOpen_ = false;
    bool figureStarted_ = false;
    QPainterPath path_;
};

} // namespace stocks
