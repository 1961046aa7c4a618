// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/metafile_reader.h"

#include "tests/support/error_of.h"
#include "tests/support/sample_pictures.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace stocks {
namespace {

using samples::Dib;
using samples::EmfBuilder;
using samples::rect16;
using samples::rectl;
using samples::WmfBuilder;

constexpr QRgb red = 0xFFFF0000;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb black = 0xFF000000;
constexpr QRgb white = 0xFFFFFFFF;
constexpr QRgb magenta = 0xFFFF00FF;
constexpr QRgb cyan = 0xFF00FFFF;
constexpr QRgb nothing = 0;

QImage render(const QByteArray& bytes)
{
    const Metafile metafile = Metafile::fromBytes(bytes);
    return metafile.toImage(metafile.size());
}

QByteArray emfRecord(std::uint32_t type, const std::vector<std::uint32_t>& fields)
{
    QByteArray record;
    samples::appendU32(record, type);
    samples::appendU32(record, static_cast<std::uint32_t>(8 + 4 * fields.size()));
    for (const std::uint32_t field : fields)
        samples::appendU32(record, field);
    return record;
}

QByteArray wmfRecord(std::uint16_t function, const std::vector<std::uint16_t>& words)
{
    QByteArray record;
    samples::appendU32(record, static_cast<std::uint32_t>(3 + words.size()));
    samples::appendU16(record, function);
    for (const std::uint16_t word : words)
        samples::appendU16(record, word);
    return record;
}

// 96 x 72 pixels, no pen, a red brush.
EmfBuilder redEmf()
{
    EmfBuilder emf({96, 72});
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN)).selectBrush(Qt::red);
    return emf;
}

// 96 x 72 pixels at one logical unit a pixel, no pen, a red brush.
WmfBuilder redWmf()
{
    WmfBuilder wmf(QRect(0, 0, 96, 72), 96);
    const auto pen = wmf.create(U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_NULL, 0, {})));
    wmf.add(U_WMRSELECTOBJECT_set(pen)).selectBrush(Qt::red);
    return wmf;
}

TEST(MetafileReader, MapModesTurnLogicalUnitsIntoPixels)
{
    const auto redSquareUnder = [](std::uint32_t mapMode, char* extentsOrOrigin) {
        EmfBuilder emf = redEmf();
        emf.add(U_EMRSETMAPMODE_set(mapMode)).add(extentsOrOrigin);
        return emf;
    };
    EmfBuilder anisotropic =
        redSquareUnder(U_MM_ANISOTROPIC, U_EMRSETWINDOWEXTEX_set({1000, 1000}));
    anisotropic.add(U_EMRSETVIEWPORTEXTEX_set({96, 72}))
        .add(U_EMRRECTANGLE_set(rectl(0, 0, 500, 500)));
    const QImage stretched = render(anisotropic.finish());
    EXPECT_EQ(stretched.pixel(45, 33), red);
    EXPECT_EQ(stretched.pixel(50, 33), nothing);
    EXPECT_EQ(stretched.pixel(45, 38), nothing);

    EmfBuilder isotropic = redSquareUnder(U_MM_ISOTROPIC, U_EMRSETWINDOWEXTEX_set({1000, 1000}));
    isotropic.add(U_EMRSETVIEWPORTEXTEX_set({96, 72}))
        .add(U_EMRRECTANGLE_set(rectl(0, 0, 500, 500)));
    const QImage square = render(isotropic.finish());
    EXPECT_EQ(square.pixel(34, 34), red);
    EXPECT_EQ(square.pixel(40, 20), nothing);

    EmfBuilder shifted = redSquareUnder(U_MM_TEXT, U_EMRSETWINDOWORGEX_set({100, 100}));
    shifted.add(U_EMRRECTANGLE_set(rectl(100, 100, 120, 120)));
    const QImage moved = render(shifted.finish());
    EXPECT_EQ(moved.pixel(10, 10), red);
    EXPECT_EQ(moved.pixel(30, 30), nothing);

    // Tenths of a millimetre, y upwards: 100 units are 37.8 pixels at 96 dpi.
    EmfBuilder metric = redSquareUnder(U_MM_LOMETRIC, U_EMRSETWINDOWORGEX_set({0, 0}));
    metric.add(U_EMRRECTANGLE_set(rectl(0, 0, 100, -100)));
    const QImage upwards = render(metric.finish());
    EXPECT_EQ(upwards.pixel(36, 36), red);
    EXPECT_EQ(upwards.pixel(40, 20), nothing);
}

TEST(MetafileReader, EnhancedObjectsAreSelectedDeletedAndTakenFromStock)
{
    EmfBuilder emf({96, 72});
    emf.add(U_EMRRECTANGLE_set(rectl(0, 0, 20, 20)));
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN)).selectBrush(Qt::red);
    emf.add(U_EMRDELETEOBJECT_set(1)).add(U_EMRRECTANGLE_set(rectl(20, 0, 40, 20)));
    emf.add(U_EMRSELECTOBJECT_set(U_BLACK_BRUSH)).add(U_EMRRECTANGLE_set(rectl(40, 0, 60, 20)));
    emf.add(U_EMRSELECTOBJECT_set(1)).add(U_EMRRECTANGLE_set(rectl(60, 0, 80, 20)));
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_BRUSH)).add(U_EMRSELECTOBJECT_set(U_BLACK_PEN));
    emf.add(U_EMRRECTANGLE_set(rectl(0, 30, 40, 60)));
    const QImage image = render(emf.finish());
    EXPECT_EQ(image.pixel(10, 10), white) << "default brush";
    EXPECT_EQ(image.pixel(0, 10), black) << "default pen";
    EXPECT_EQ(image.pixel(30, 10), red) << "a selected brush outlives its deletion";
    EXPECT_EQ(image.pixel(50, 10), black) << "stock brush";
    EXPECT_EQ(image.pixel(70, 10), black) << "a deleted object cannot be selected";
    EXPECT_EQ(image.pixel(20, 45), nothing) << "null brush";
    EXPECT_EQ(image.pixel(0, 45), black) << "stock pen";
}

TEST(MetafileReader, OldStyleObjectsTakeTheLowestFreeSlot)
{
    WmfBuilder wmf = redWmf(); // slot 0 the pen, slot 1 the red brush
    wmf.create(
        U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref3_set(0, 255, 0), 0)));
    wmf.add(U_WMRDELETEOBJECT_set(1));
    wmf.create(
        U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorref3_set(0, 0, 255), 0)));
    wmf.add(U_WMRSELECTOBJECT_set(1)).add(U_WMRRECTANGLE_set(rect16(0, 0, 20, 20)));
    wmf.add(U_WMRSELECTOBJECT_set(2)).add(U_WMRRECTANGLE_set(rect16(20, 0, 40, 20)));
    const QImage image = render(wmf.finish());
    EXPECT_EQ(image.pixel(10, 10), blue);
    EXPECT_EQ(image.pixel(30, 10), green);
}

TEST(MetafileReader, PolyFillModeDecidesWhetherNestedFiguresLeaveAHole)
{
    const U_POINT16 squares[] = {{10, 10}, {60, 10}, {60, 60}, {10, 60},
                                 {25, 25}, {45, 25}, {45, 45}, {25, 45}};
    const std::uint32_t counts[] = {4, 4};
    const std::uint16_t shortCounts[] = {4, 4};
    for (const std::uint16_t mode : {U_ALTERNATE, U_WINDING}) {
        EmfBuilder emf = redEmf();
        emf.add(U_EMRSETPOLYFILLMODE_set(mode))
            .add(U_EMRPOLYPOLYGON16_set(rectl(10, 10, 60, 60), 2, counts, 8, squares));
        WmfBuilder wmf = redWmf();
        wmf.add(U_WMRSETPOLYFILLMODE_set(mode)).add(U_WMRPOLYPOLYGON_set(2, shortCounts, squares));
        for (const QImage& image : {render(emf.finish()), render(wmf.finish())}) {
            EXPECT_EQ(image.pixel(15, 15), red);
            EXPECT_EQ(image.pixel(35, 35), mode == U_WINDING ? red : nothing);
        }
    }
}

TEST(MetafileReader, OldStyleMetafileWithoutPlaceableHeaderIsAsLargeAsItsWindow)
{
    WmfBuilder wmf(QRect(), 0);
    wmf.add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC))
        .add(U_WMRSETWINDOWORG_set(point16_set(0, 100)))
        .add(U_WMRSETWINDOWEXT_set(point16_set(200, -100)))
        .selectBrush(Qt::red)
        .add(U_WMRRECTANGLE_set(rect16(10, 90, 50, 60)));
    const QImage image = render(wmf.finish());
    ASSERT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.pixel(30, 25), red);
    EXPECT_EQ(image.pixel(30, 50), nothing);
    EXPECT_EQ(image.pixel(100, 25), nothing);
}

TEST(MetafileReader, SavedStatesClippingPathsAndWorldTransforms)
{
    EmfBuilder emf = redEmf();
    emf.add(U_EMRSAVEDC_set()).selectBrush(Qt::blue);
    emf.add(U_EMRINTERSECTCLIPRECT_set(rectl(0, 0, 5, 5))).add(U_EMRRESTOREDC_set(-1));
    emf.add(U_EMRRECTANGLE_set(rectl(0, 0, 20, 20)));
    emf.add(U_EMRSAVEDC_set()).add(U_EMRINTERSECTCLIPRECT_set(rectl(30, 0, 50, 20)));
    emf.add(U_EMREXCLUDECLIPRECT_set(rectl(35, 5, 40, 10)));
    emf.add(U_EMRRECTANGLE_set(rectl(30, 0, 60, 30))).add(U_EMRRESTOREDC_set(-1));
    emf.add(U_EMRBEGINPATH_set()).add(U_EMRRECTANGLE_set(rectl(70, 0, 90, 20)));
    emf.add(U_EMRENDPATH_set());
    emf.add(U_EMRRECTANGLE_set(rectl(0, 50, 10, 60)));
    emf.add(U_EMRFILLPATH_set(rectl(70, 0, 90, 20)));
    emf.add(U_EMRSETWORLDTRANSFORM_set(xform_set(2, 0, 0, 2, 0, 0)));
    emf.add(U_EMRRECTANGLE_set(rectl(20, 15, 30, 25)));
    emf.add(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0, 0, 1, 0, 0)));
    // A clip region of one device rectangle, then no region at all: the clip is gone.
    emf.addBytes(emfRecord(U_EMR_EXTSELECTCLIPRGN,
                           {48, U_RGN_COPY, 32, 1, 1, 16, 0, 62, 10, 72, 0, 62, 10, 72}));
    emf.add(U_EMRRECTANGLE_set(rectl(0, 62, 30, 72)));
    emf.addBytes(emfRecord(U_EMR_EXTSELECTCLIPRGN, {0, U_RGN_COPY}));
    emf.add(U_EMRRECTANGLE_set(rectl(80, 62, 90, 72)));
    const QImage image = render(emf.finish());
    EXPECT_EQ(image.pixel(10, 10), red) << "brush and clip come back with the saved state";
    EXPECT_EQ(image.pixel(45, 15), red);
    EXPECT_EQ(image.pixel(37, 7), nothing) << "excluded";
    EXPECT_EQ(image.pixel(55, 25), nothing) << "outside the clip";
    EXPECT_EQ(image.pixel(80, 10), red) << "filled path";
    EXPECT_EQ(image.pixel(5, 55), red);
    EXPECT_EQ(image.pixel(50, 40), red) << "doubled by the world transform";
    EXPECT_EQ(image.pixel(35, 40), nothing);
    EXPECT_EQ(image.pixel(5, 66), red) << "inside the clip region";
    EXPECT_EQ(image.pixel(20, 66), nothing) << "outside the clip region";
    EXPECT_EQ(image.pixel(85, 66), red) << "clip region removed";
}

TEST(MetafileReader, LinesCurvesPixelsAndHatches)
{
    const U_POINT16 line[] = {{10, 10}, {80, 10}};
    const U_POINT16 curve[] = {{10, 30}, {30, 30}, {50, 30}, {80, 30}};
    PU_EXTLOGPEN wide = extlogpen_set(U_PS_GEOMETRIC | U_PS_SOLID, 5, U_BS_SOLID,
                                      colorref3_set(0, 0, 255), 0, 0, nullptr);
    EmfBuilder emf({96, 72});
    const auto pen = emf.nextHandle();
    emf.add(U_EMREXTCREATEPEN_set(pen, nullptr, 0, nullptr, wide)).add(U_EMRSELECTOBJECT_set(pen));
    std::free(wide);
    emf.add(U_EMRPOLYLINE16_set(rectl(10, 10, 80, 10), 2, line));
    emf.add(U_EMRPOLYBEZIER16_set(rectl(10, 30, 80, 30), 4, curve));
    emf.add(U_EMRSETPIXELV_set(point32_set(5, 5), colorref3_set(0, 255, 0)));
    const auto hatch = emf.nextHandle();
    emf.add(U_EMRCREATEBRUSHINDIRECT_set(
        hatch, logbrush_set(U_BS_HATCHED, colorref3_set(255, 0, 0), U_HS_CROSS)));
    emf.add(U_EMRSELECTOBJECT_set(hatch)).add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    emf.add(U_EMRSETBKCOLOR_set(colorref3_set(255, 255, 0)));
    emf.add(U_EMRRECTANGLE_set(rectl(10, 40, 40, 70)));
    emf.add(U_EMRSETBKMODE_set(U_TRANSPARENT)).add(U_EMRRECTANGLE_set(rectl(50, 40, 80, 70)));
    const QImage image = render(emf.finish());
    EXPECT_EQ(image.pixel(40, 12), blue) << "5 pixels wide";
    EXPECT_EQ(image.pixel(40, 15), nothing);
    EXPECT_EQ(image.pixel(40, 30), blue) << "a straight curve";
    EXPECT_EQ(image.pixel(5, 5), green);
    const auto colours = [&image](int left) {
        std::set<QRgb> seen;
        for (int y = 42; y < 68; ++y)
            for (int x = left; x < left + 26; ++x)
                seen.insert(image.pixel(x, y));
        return seen;
    };
    EXPECT_EQ(colours(12), (std::set<QRgb>{red, 0xFFFFFF00})) << "opaque background";
    EXPECT_EQ(colours(52), (std::set<QRgb>{red, nothing})) << "transparent background";
}

TEST(MetafileReader, EmbeddedBitmapsOfEveryBlitRecordDraw)
{
    Dib dib;
    samples::makeTwoColourDib(dib, {4, 4}, Qt::magenta, Qt::cyan);
    Dib topDown;
    samples::makeTwoColourDib(topDown, {4, 4}, Qt::magenta, Qt::cyan, true);
    const auto cbPx = static_cast<std::uint32_t>(dib.pixels.size());
    const U_XFORM identity = xform_set(1, 0, 0, 1, 0, 0);
    EmfBuilder emf = redEmf();
    emf.add(U_EMRBITBLT_set(rectl(0, 0, 3, 3), {0, 0}, {4, 4}, {0, 0}, identity, {},
                            U_DIB_RGB_COLORS, U_SRCCOPY, dib.info, cbPx, dib.pixels.data()));
    emf.add(U_EMRSTRETCHBLT_set(rectl(10, 0, 17, 7), {10, 0}, {8, 8}, {0, 0}, {4, 4}, identity, {},
                                U_DIB_RGB_COLORS, U_SRCCOPY, dib.info, cbPx, dib.pixels.data()));
    emf.add(U_EMRBITBLT_set(rectl(30, 0, 39, 9), {30, 0}, {10, 10}, {0, 0}, identity, {},
                            U_DIB_RGB_COLORS, U_PATCOPY, nullptr, 0, nullptr));
    emf.add(U_EMRSTRETCHDIBITS_set(rectl(50, 0, 53, 3), {50, 0}, {4, 4}, {0, 0}, {4, 4},
                                   U_DIB_RGB_COLORS, U_SRCCOPY, topDown.info, cbPx,
                                   topDown.pixels.data()));
    QByteArray png = samples::encoded(samples::filled({4, 4}, Qt::blue), "png");
    PU_BITMAPINFO pngInfo =
        bitmapinfo_set(bitmapinfoheader_set(4, 4, 1, 0, U_BI_PNG, png.size(), 0, 0, 0, 0), nullptr);
    emf.add(U_EMRSTRETCHDIBITS_set(rectl(60, 0, 63, 3), {60, 0}, {4, 4}, {0, 0}, {4, 4},
                                   U_DIB_RGB_COLORS, U_SRCCOPY, pngInfo,
                                   static_cast<std::uint32_t>(png.size()), png.data()));
    std::free(pngInfo);
    const QImage enhanced = render(emf.finish());
    EXPECT_EQ(enhanced.pixel(1, 0), magenta);
    EXPECT_EQ(enhanced.pixel(1, 3), cyan);
    EXPECT_EQ(enhanced.pixel(11, 1), magenta);
    EXPECT_EQ(enhanced.pixel(12, 6), cyan);
    EXPECT_EQ(enhanced.pixel(35, 5), red) << "pattern copy with the brush";
    EXPECT_EQ(enhanced.pixel(51, 0), magenta) << "top-down bitmap";
    EXPECT_EQ(enhanced.pixel(51, 3), cyan);
    EXPECT_EQ(enhanced.pixel(61, 1), blue) << "PNG bitmap";

    WmfBuilder wmf = redWmf();
    wmf.add(
        U_WMRDIBBITBLT_set({0, 0}, {4, 4}, {0, 0}, U_SRCCOPY, dib.info, cbPx, dib.pixels.data()));
    wmf.add(U_WMRDIBSTRETCHBLT_set({10, 0}, {8, 8}, {0, 0}, {4, 4}, U_SRCCOPY, dib.info, cbPx,
                                   dib.pixels.data()));
    wmf.add(U_WMRPATBLT_set({30, 0}, {10, 10}, U_PATCOPY));
    const QImage old = render(wmf.finish());
    EXPECT_EQ(old.pixel(1, 0), magenta);
    EXPECT_EQ(old.pixel(1, 3), cyan);
    EXPECT_EQ(old.pixel(11, 1), magenta);
    EXPECT_EQ(old.pixel(12, 6), cyan);
    EXPECT_EQ(old.pixel(35, 5), red);
}

TEST(MetafileReader, PaintDrawsAtThePainterOriginAndLeavesThePainterAsItWas)
{
    const Metafile metafile = Metafile::fromBytes(samples::sampleEmf());
    QImage canvas(200, 150, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.translate(50, 40);
    painter.setPen(Qt::yellow);
    metafile.paint(painter);
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(50, 40));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::yellow));
    EXPECT_FALSE(painter.hasClipping());
    painter.end();
    EXPECT_EQ(canvas.pixel(50 + 25, 40 + 20), red);
    EXPECT_EQ(canvas.pixel(25, 20), white);
}

TEST(MetafileReader, UnknownWellFormedRecordsAreSkipped)
{
    // libUEMF has no layout for SETTEXTJUSTIFICATION and would ask it to be 2048 bytes long.
    EmfBuilder emf = redEmf();
    emf.addBytes(emfRecord(U_EMR_SETTEXTJUSTIFICATION, {0, 0})).addBytes(emfRecord(200, {1, 2}));
    emf.add(U_EMRRECTANGLE_set(rectl(0, 0, 20, 20)));
    EXPECT_EQ(render(emf.finish()).pixel(10, 10), red);
    WmfBuilder wmf = redWmf();
    wmf.addBytes(wmfRecord(0x0999, {1, 2, 3})).add(U_WMRRECTANGLE_set(rect16(0, 0, 20, 20)));
    EXPECT_EQ(render(wmf.finish()).pixel(10, 10), red);
}

// What costs the most time is charged even where little of it shows: handing a bitmap to Qt,
// making a path that is never drawn, and stroking lines.
TEST(MetafileReader, WorkThatShowsLittleIsChargedAsItCosts)
{
    Dib dib;
    samples::makeTwoColourDib(dib, {1, 1}, Qt::red, Qt::red);
    const auto cbPx = static_cast<std::uint32_t>(dib.pixels.size());
    const auto hiddenBitmaps = [&](int count) {
        EmfBuilder emf({96, 72});
        for (int i = 0; i < count; ++i)
            emf.add(U_EMRSTRETCHDIBITS_set(rectl(0, 0, 0, 0), {-10, -10}, {1, 1}, {0, 0}, {1, 1},
                                           U_DIB_RGB_COLORS, U_SRCCOPY, dib.info, cbPx,
                                           dib.pixels.data()));
        return emf.finish();
    };
    std::vector<U_POINT16> zigzag(10'000);
    for (std::size_t i = 0; i < zigzag.size(); ++i)
        zigzag[i] = {static_cast<std::int16_t>(i % 2 == 0 ? -50 : 200), 3};
    const auto polylines = [&](int count, std::uint32_t points, bool inPath) {
        EmfBuilder emf({96, 72});
        if (inPath)
            emf.add(U_EMRBEGINPATH_set());
        for (int i = 0; i < count; ++i)
            emf.add(U_EMRPOLYLINE16_set(rectl(0, 0, 96, 72), points, zigzag.data()));
        if (inPath)
            emf.add(U_EMRABORTPATH_set());
        return emf.finish();
    };
    EXPECT_NO_THROW(render(hiddenBitmaps(1'000)));
    EXPECT_EQ(errorOf([&] { render(hiddenBitmaps(10'000)); }), "Metafile is not valid");
    EXPECT_NO_THROW(render(polylines(10, 10'000, true)));
    EXPECT_EQ(errorOf([&] { render(polylines(100, 10'000, true)); }), "Metafile is not valid");
    EXPECT_NO_THROW(render(polylines(1, 2'000, false)));
    EXPECT_EQ(errorOf([&] { render(polylines(2, 10'000, false)); }), "Metafile is not valid");
}

QByteArray patched(QByteArray bytes, qsizetype at, std::uint32_t value)
{
    samples::putU32(bytes, at, value);
    return bytes;
}

TEST(MetafileReader, BrokenHeadersRecordsAndBitmapsAreNotValid)
{
    const QByteArray emf = samples::sampleEmf();
    const qsizetype firstEmfRecord = sizeof(U_EMRHEADER);
    const QByteArray wmf = samples::sampleWmf();
    const qsizetype firstWmfRecord = 22 + 18;

    Dib dib;
    samples::makeTwoColourDib(dib, {4, 4}, Qt::magenta, Qt::cyan);
    EmfBuilder shortBits = redEmf();
    shortBits.add(U_EMRSTRETCHDIBITS_set(rectl(0, 0, 3, 3), {0, 0}, {4, 4}, {0, 0}, {4, 4},
                                         U_DIB_RGB_COLORS, U_SRCCOPY, dib.info, 12,
                                         dib.pixels.data()));
    WmfBuilder shortWmfBits = redWmf();
    shortWmfBits.add(U_WMRSTRETCHDIB_set({0, 0}, {4, 4}, {0, 0}, {4, 4}, U_DIB_RGB_COLORS,
                                         U_SRCCOPY, dib.info, 12, dib.pixels.data()));
    EmfBuilder hugePolygon = redEmf();
    // 0x40000000 points of 4 bytes wrap a 32-bit size to 0.
    hugePolygon.addBytes(emfRecord(U_EMR_POLYGON16, {0, 0, 10, 10, 0x40000000, 0}));
    EmfBuilder polygonCounts = redEmf();
    polygonCounts.addBytes(emfRecord(U_EMR_POLYPOLYGON16, {0, 0, 10, 10, 2, 3, 3, 3, 0, 0, 0}));
    WmfBuilder longPolygon = redWmf();
    longPolygon.addBytes(wmfRecord(0x0324, {1000, 0, 0, 10, 10}));
    WmfBuilder noExtent(QRect(), 0);
    noExtent.add(U_WMRRECTANGLE_set(rect16(0, 0, 10, 10)));

    const std::vector<std::pair<const char*, QByteArray>> broken = {
        {"empty record", patched(emf, firstEmfRecord + 4, 0)},
        {"unaligned record", patched(emf, firstEmfRecord + 4, 10)},
        {"record past the end", patched(emf, firstEmfRecord + 4, 0x7FFFFFF0)},
        {"no end-of-file record", emf.left(emf.size() - 20)},
        {"second header", patched(emf, firstEmfRecord, U_EMR_HEADER)},
        {"huge frame and bounds",
         patched(patched(emf, offsetof(U_EMRHEADER, rclFrame.right), 3000000),
                 offsetof(U_EMRHEADER, rclBounds.right), 200000)},
        {"bitmap rows missing", shortBits.finish()},
        {"points wrapping the size", hugePolygon.finish()},
        {"polygon counts over the total", polygonCounts.finish()},
        {"empty old-style record", patched(wmf, firstWmfRecord, 0)},
        {"old-style record past the end", patched(wmf, firstWmfRecord, 0x10000)},
        {"no old-style end-of-file record", wmf.left(wmf.size() - 6)},
        {"zero units per inch", patched(wmf, 14, 0)},
        {"no placeable header, no window extent", noExtent.finish()},
        {"polygon longer than its record", longPolygon.finish()},
        {"old-style bitmap rows missing", shortWmfBits.finish()},
        {"neither kind", QByteArray("not a metafile at all, just text")},
    };
    for (const auto& item : broken)
        EXPECT_EQ(errorOf([&] { render(item.second); }), "Metafile is not valid") << item.first;
}

} // namespace
} // namespace stocks
