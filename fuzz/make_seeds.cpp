// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Writes the fuzz targets' first inputs into FOLDER/<target>/: the sample pictures of the tests,
// metafiles that between them use every record type the players handle, and settings and page
// files of the shapes users and other programs leave.
// Usage: make_fuzz_seeds FOLDER

#include "ini_seeds.h"
#include "tests/support/page_bytes.h"
#include "tests/support/sample_pictures.h"

#include <uemf_utf.h>

#include <QPainter>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace stocks::samples {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

fs::path folder;

void put(const std::string& target, const std::string& name, const QByteArray& bytes)
{
    fs::create_directories(folder / target);
    std::ofstream(folder / target / name, std::ios::binary).write(bytes.constData(), bytes.size());
}

void put(const std::string& target, const std::string& name, const std::string& bytes)
{
    put(target, name, QByteArray::fromStdString(bytes));
}

constexpr U_XFORM identity{1, 0, 0, 1, 0, 0};
const U_POINTL points32[] = {{10, 10}, {60, 15}, {40, 60}, {12, 50}, {30, 30}, {70, 70}, {20, 65}};
const U_POINT16 points16[] = {{5, 5}, {50, 8}, {45, 50}, {8, 45}, {25, 25}, {60, 60}, {15, 55}};
const std::uint32_t counts[] = {4, 3};
const std::uint16_t shortCounts[] = {4, 3};
const U_RECTL bounds = rectl(0, 0, 95, 71);

QByteArray emfShapes()
{
    EmfBuilder emf({96, 72});
    emf.selectBrush(Qt::yellow).selectPen(Qt::darkBlue, 2);
    emf.add(U_EMRPOLYGON_set(bounds, 4, points32)).add(U_EMRPOLYGON16_set(bounds, 4, points16));
    emf.add(U_EMRPOLYLINE_set(bounds, 3, points32)).add(U_EMRPOLYLINE16_set(bounds, 3, points16));
    emf.add(U_EMRPOLYBEZIER_set(bounds, 4, points32))
        .add(U_EMRPOLYBEZIER16_set(bounds, 7, points16));
    emf.add(U_EMRMOVETOEX_set({5, 60}))
        .add(U_EMRPOLYBEZIERTO_set(bounds, 3, points32))
        .add(U_EMRPOLYBEZIERTO16_set(bounds, 6, points16))
        .add(U_EMRPOLYLINETO_set(bounds, 2, points32))
        .add(U_EMRPOLYLINETO16_set(bounds, 2, points16))
        .add(U_EMRLINETO_set({90, 5}));
    emf.add(U_EMRPOLYPOLYLINE_set(bounds, 2, counts, 7, points32))
        .add(U_EMRPOLYPOLYLINE16_set(bounds, 2, counts, 7, points16))
        .add(U_EMRPOLYPOLYGON_set(bounds, 2, counts, 7, points32))
        .add(U_EMRPOLYPOLYGON16_set(bounds, 2, counts, 7, points16));
    emf.add(U_EMRRECTANGLE_set(rectl(2, 2, 30, 20)))
        .add(U_EMRELLIPSE_set(rectl(40, 2, 90, 30)))
        .add(U_EMRROUNDRECT_set(rectl(10, 40, 60, 70), {12, 8}))
        .add(U_EMRSETPIXELV_set({93, 69}, colorRef(Qt::red)));
    return emf.finish();
}

QByteArray emfState()
{
    U_RECTL clipRects[] = {rectl(0, 0, 40, 72), rectl(50, 10, 96, 60)};
    PU_RGNDATA region = rgndata_set(rgndataheader_set(2, rectl(0, 0, 96, 72)), clipRects);
    EmfBuilder emf({96, 72});
    emf.selectBrush(Qt::green).add(U_EMRSETPOLYFILLMODE_set(U_WINDING));
    emf.add(U_EMRSETMAPMODE_set(U_MM_ANISOTROPIC))
        .add(U_EMRSETWINDOWORGEX_set({-10, -10}))
        .add(U_EMRSETWINDOWEXTEX_set({200, 150}))
        .add(U_EMRSETVIEWPORTORGEX_set({2, 2}))
        .add(U_EMRSETVIEWPORTEXTEX_set({96, 72}))
        .add(U_EMRSCALEWINDOWEXTEX_set(3, 2, 3, 2))
        .add(U_EMRSCALEVIEWPORTEXTEX_set(2, 3, 2, 3));
    emf.add(U_EMRSAVEDC_set())
        .add(U_EMRINTERSECTCLIPRECT_set(rectl(0, 0, 150, 120)))
        .add(U_EMREXCLUDECLIPRECT_set(rectl(20, 20, 40, 40)))
        .add(U_EMREXTSELECTCLIPRGN_set(U_RGN_AND, region))
        .add(U_EMRSETWORLDTRANSFORM_set(xform_set(1, 0.2F, -0.2F, 1, 5, 5)))
        .add(U_EMRMODIFYWORLDTRANSFORM_set(xform_set(0.5F, 0, 0, 0.5F, 0, 0), U_MWT_LEFTMULTIPLY))
        .add(U_EMRMODIFYWORLDTRANSFORM_set(identity, U_MWT_RIGHTMULTIPLY))
        .add(U_EMRBEGINPATH_set())
        .add(U_EMRMOVETOEX_set({10, 10}))
        .add(U_EMRLINETO_set({100, 10}))
        .add(U_EMRPOLYBEZIERTO_set(bounds, 3, points32))
        .add(U_EMRCLOSEFIGURE_set())
        .add(U_EMRELLIPSE_set(rectl(20, 20, 80, 80)))
        .add(U_EMRENDPATH_set())
        .add(U_EMRSTROKEANDFILLPATH_set(bounds))
        .add(U_EMRRESTOREDC_set(-1));
    emf.add(U_EMRBEGINPATH_set())
        .add(U_EMRRECTANGLE_set(rectl(5, 5, 60, 60)))
        .add(U_EMRENDPATH_set())
        .add(U_EMRFILLPATH_set(bounds))
        .add(U_EMRBEGINPATH_set())
        .add(U_EMRPOLYLINE16_set(bounds, 3, points16))
        .add(U_EMRENDPATH_set())
        .add(U_EMRSTROKEPATH_set(bounds))
        .add(U_EMRBEGINPATH_set())
        .add(U_EMRROUNDRECT_set(rectl(1, 1, 9, 9), {2, 2}))
        .add(U_EMRABORTPATH_set());
    emf.add(U_EMREXTSELECTCLIPRGN_set(U_RGN_COPY, region))
        .add(U_EMRSETMAPMODE_set(U_MM_LOMETRIC))
        .add(U_EMRRECTANGLE_set(rectl(0, 0, 100, -100)))
        .add(U_EMRMODIFYWORLDTRANSFORM_set(identity, U_MWT_IDENTITY));
    std::free(region);
    return emf.finish();
}

// A font in handle slot `font`, selected, and a line of text in it.
void addText(EmfBuilder& emf, std::uint32_t font)
{
    std::uint16_t* face = U_Utf8ToUtf16le("DejaVu Sans", 0, nullptr);
    const U_LOGFONT logFont =
        logfont_set(-12, 0, 0, 0, U_FW_NORMAL, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                    U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, face);
    std::uint16_t* text = U_Utf8ToUtf16le("Stocks", 0, nullptr);
    std::uint32_t advances[6] = {7, 7, 7, 7, 7, 7};
    char* textRecord = emrtext_set({4, 60}, 6, 2, text, U_ETO_NONE, rectl(0, 0, -1, -1), advances);
    emf.add(U_EMREXTCREATEFONTINDIRECTW_set(font, reinterpret_cast<const char*>(&logFont), nullptr))
        .add(U_EMRSELECTOBJECT_set(font))
        .add(U_EMRSETTEXTCOLOR_set(colorRef(Qt::blue)))
        .add(U_EMREXTTEXTOUTW_set(bounds, U_GM_COMPATIBLE, 1, 1,
                                  reinterpret_cast<PU_EMRTEXT>(textRecord)));
    for (void* block :
         {static_cast<void*>(face), static_cast<void*>(text), static_cast<void*>(textRecord)})
        std::free(block);
}

// Objects, blits and text. Handles are numbered from 1 in the order they are made.
QByteArray emfObjects()
{
    Dib colours;
    makeTwoColourDib(colours, {4, 4}, Qt::magenta, Qt::cyan);
    Dib topDown;
    makeTwoColourDib(topDown, {4, 4}, Qt::blue, Qt::yellow, true);
    const auto cbPx = static_cast<std::uint32_t>(colours.pixels.size());
    U_RGBQUAD twoColours[] = {rgbquad_set(0, 0, 0, 0), rgbquad_set(255, 255, 255, 0)};
    PU_BITMAPINFO mono =
        bitmapinfo_set(bitmapinfoheader_set(8, 8, 1, 1, U_BI_RGB, 0, 0, 0, 2, 0), twoColours);
    const char monoRows[32] = {'\x55', 0, 0, 0, '\xAA', 0, 0, 0, '\x55', 0, 0, 0, '\xAA'};
    U_STYLEENTRY dashes[] = {3, 1, 1, 1};
    PU_EXTLOGPEN userPen =
        extlogpen_set(U_PS_GEOMETRIC | U_PS_USERSTYLE | U_PS_ENDCAP_FLAT | U_PS_JOIN_MITER, 3,
                      U_BS_SOLID, colorRef(Qt::red), 0, 4, dashes);

    EmfBuilder emf({96, 72});
    emf.add(U_EMRCREATEPEN_set(1, logpen_set(U_PS_DASH, {1, 0}, colorRef(Qt::black))))
        .add(U_EMREXTCREATEPEN_set(2, nullptr, 0, nullptr, userPen))
        .add(U_EMRCREATEBRUSHINDIRECT_set(
            3, logbrush_set(U_BS_HATCHED, colorRef(Qt::darkGreen), U_HS_DIAGCROSS)))
        .add(U_EMRCREATEDIBPATTERNBRUSHPT_set(4, U_DIB_RGB_COLORS, mono, 32, monoRows));
    emf.add(U_EMRSELECTOBJECT_set(1))
        .add(U_EMRSELECTOBJECT_set(3))
        .add(U_EMRSETBKMODE_set(U_OPAQUE))
        .add(U_EMRSETBKCOLOR_set(colorRef(Qt::lightGray)))
        .add(U_EMRRECTANGLE_set(rectl(2, 2, 40, 30)))
        .add(U_EMRSELECTOBJECT_set(2))
        .add(U_EMRSETROP2_set(U_R2_XORPEN))
        .add(U_EMRLINETO_set({90, 70}))
        .add(U_EMRSELECTOBJECT_set(4))
        .add(U_EMRBITBLT_set(bounds, {44, 2}, {20, 20}, {0, 0}, identity, {}, U_DIB_RGB_COLORS,
                             U_PATCOPY, nullptr, 0, nullptr))
        .add(U_EMRBITBLT_set(bounds, {66, 2}, {4, 4}, {0, 0}, identity, {}, U_DIB_RGB_COLORS,
                             U_SRCCOPY, colours.info, cbPx, colours.pixels.data()))
        .add(U_EMRSTRETCHBLT_set(bounds, {72, 2}, {16, 16}, {0, 0}, {4, 4}, identity, {},
                                 U_DIB_RGB_COLORS, U_SRCINVERT, colours.info, cbPx,
                                 colours.pixels.data()))
        .add(U_EMRSTRETCHDIBITS_set(bounds, {60, 40}, {30, 30}, {0, 0}, {4, 4}, U_DIB_RGB_COLORS,
                                    U_SRCAND, topDown.info, cbPx, topDown.pixels.data()));
    addText(emf, 5);
    emf.add(U_EMRSELECTOBJECT_set(U_STOCK_OBJECT | 19)) // the DC pen
        .add(U_EMRSELECTOBJECT_set(U_LTGRAY_BRUSH))
        .add(U_EMRDELETEOBJECT_set(1))
        .add(U_EMRDELETEOBJECT_set(4));
    std::free(mono);
    std::free(userPen);
    QByteArray bytes = emf.finish();
    bytes[offsetof(U_EMRHEADER, nHandles)] = 6;
    return bytes;
}

QByteArray wmfShapes()
{
    WmfBuilder wmf(QRect(0, 0, 96, 72), 96);
    wmf.selectBrush(Qt::yellow).selectPen(Qt::darkBlue, 2);
    wmf.add(U_WMRPOLYGON_set(4, points16))
        .add(U_WMRPOLYLINE_set(3, points16))
        .add(U_WMRPOLYPOLYGON_set(2, shortCounts, points16))
        .add(U_WMRRECTANGLE_set(rect16(2, 2, 30, 20)))
        .add(U_WMRROUNDRECT_set(12, 8, rect16(10, 40, 60, 70)))
        .add(U_WMRELLIPSE_set(rect16(40, 2, 90, 30)))
        .add(U_WMRSETPIXEL_set(colorRef(Qt::red), {93, 69}))
        .add(U_WMRMOVETO_set({5, 60}))
        .add(U_WMRLINETO_set({90, 5}));
    return wmf.finish();
}

// No placeable header: the window extent gives the size.
QByteArray wmfState()
{
    WmfBuilder wmf(QRect(), 0);
    wmf.add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC))
        .add(U_WMRSETWINDOWORG_set({0, 0}))
        .add(U_WMRSETWINDOWEXT_set({96, 72}))
        .add(U_WMRSETVIEWPORTORG_set({1, 1}))
        .add(U_WMRSETVIEWPORTEXT_set({96, 72}))
        .add(U_WMROFFSETWINDOWORG_set({-2, -2}))
        .add(U_WMROFFSETVIEWPORTORG_set({1, 1}))
        .add(U_WMRSCALEWINDOWEXT_set({2, 2}, {3, 3}))
        .add(U_WMRSCALEVIEWPORTEXT_set({3, 3}, {2, 2}))
        .add(U_WMRSETPOLYFILLMODE_set(U_WINDING))
        .selectBrush(Qt::green)
        .add(U_WMRSAVEDC_set())
        .add(U_WMRINTERSECTCLIPRECT_set(rect16(0, 0, 80, 60)))
        .add(U_WMREXCLUDECLIPRECT_set(rect16(20, 20, 40, 40)))
        .add(U_WMRPOLYPOLYGON_set(2, shortCounts, points16))
        .add(U_WMRRESTOREDC_set(-1))
        .add(U_WMRSETMAPMODE_set(U_MM_TEXT))
        .add(U_WMRRECTANGLE_set(rect16(50, 50, 90, 70)));
    return wmf.finish();
}

QByteArray wmfObjects()
{
    Dib colours;
    makeTwoColourDib(colours, {4, 4}, Qt::magenta, Qt::cyan);
    const auto cbPx = static_cast<std::uint32_t>(colours.pixels.size());
    const char monoRows[16] = {'\x55', 0, '\xAA', 0, '\x55', 0, '\xAA', 0};
    U_BITMAP16* pattern = U_BITMAP16_set(0, 8, 8, 2, 1, monoRows);
    U_PLTNTRY entries[] = {U_PLTNTRY_set(colorRef(Qt::red)), U_PLTNTRY_set(colorRef(Qt::blue))};
    U_PALETTE* palette = U_PLTENTRY_set(0x0300, 2, entries);
    char faceName[] = "DejaVu Sans";
    U_FONT* font =
        U_FONT_set(-12, 0, 0, 0, U_FW_NORMAL, 0, 0, 0, U_ANSI_CHARSET, U_OUT_DEFAULT_PRECIS,
                   U_CLIP_DEFAULT_PRECIS, U_DEFAULT_QUALITY, U_DEFAULT_PITCH, faceName);
    U_REGION* region = U_REGION_set(20, 0, 0, rect16(0, 0, 40, 40), nullptr);
    char text[] = "Stocks";

    WmfBuilder wmf(QRect(0, 0, 96, 72), 96);
    const auto dashed =
        wmf.create(U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_DASH, 1, colorRef(Qt::black))));
    const auto hatched = wmf.create(U_WMRCREATEBRUSHINDIRECT_set(
        U_WLOGBRUSH_set(U_BS_HATCHED, colorRef(Qt::darkGreen), U_HS_DIAGCROSS)));
    const auto tiled = wmf.create(U_WMRDIBCREATEPATTERNBRUSH_set(
        U_BS_DIBPATTERNPT, U_DIB_RGB_COLORS, colours.info, cbPx, colours.pixels.data(), nullptr));
    const auto old = wmf.create(U_WMRCREATEPATTERNBRUSH_set(pattern, const_cast<char*>(monoRows)));
    wmf.create(U_WMRCREATEPALETTE_set(palette));
    const auto typeface = wmf.create(U_WMRCREATEFONTINDIRECT_set(font));
    wmf.create(U_WMRCREATEREGION_set(region));
    wmf.add(U_WMRSELECTOBJECT_set(dashed))
        .add(U_WMRSELECTOBJECT_set(hatched))
        .add(U_WMRSETBKMODE_set(U_OPAQUE))
        .add(U_WMRSETBKCOLOR_set(colorRef(Qt::lightGray)))
        .add(U_WMRRECTANGLE_set(rect16(2, 2, 40, 30)))
        .add(U_WMRSETROP2_set(U_R2_XORPEN))
        .add(U_WMRLINETO_set({90, 70}))
        .add(U_WMRSELECTOBJECT_set(tiled))
        .add(U_WMRPATBLT_set({44, 2}, {20, 20}, U_PATCOPY))
        .add(U_WMRSELECTOBJECT_set(old))
        .add(U_WMRPATBLT_set({44, 24}, {20, 20}, U_PATINVERT))
        .add(U_WMRDIBBITBLT_set({66, 2}, {4, 4}, {0, 0}, U_SRCCOPY, colours.info, cbPx,
                                colours.pixels.data()))
        .add(U_WMRDIBSTRETCHBLT_set({72, 2}, {16, 16}, {0, 0}, {4, 4}, U_SRCINVERT, colours.info,
                                    cbPx, colours.pixels.data()))
        .add(U_WMRSTRETCHDIB_set({60, 40}, {30, 30}, {0, 0}, {4, 4}, U_DIB_RGB_COLORS, U_SRCAND,
                                 colours.info, cbPx, colours.pixels.data()))
        .add(U_WMRSELECTOBJECT_set(typeface))
        .add(U_WMRTEXTOUT_set({4, 60}, text))
        .add(U_WMRDELETEOBJECT_set(dashed))
        .add(U_WMRDELETEOBJECT_set(tiled));
    for (void* block : {static_cast<void*>(pattern), static_cast<void*>(palette),
                        static_cast<void*>(font), static_cast<void*>(region)})
        std::free(block);
    return wmf.finish();
}

void writeMetafiles()
{
    put("emf", "sample.emf", sampleEmf());
    put("emf", "shapes.emf", emfShapes());
    put("emf", "state.emf", emfState());
    put("emf", "objects.emf", emfObjects());
    put("wmf", "sample.wmf", sampleWmf());
    put("wmf", "shapes.wmf", wmfShapes());
    put("wmf", "state.wmf", wmfState());
    put("wmf", "objects.wmf", wmfObjects());
}

void writeRasters()
{
    QImage colour(24, 16, QImage::Format_RGB32);
    colour.fill(Qt::red);
    QPainter(&colour).fillRect(4, 4, 8, 8, Qt::blue);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(4, 4, 8, 8, Qt::blue);
    put("raster", "colour.bmp", encoded(colour, "bmp"));
    put("raster", "indexed.bmp", encoded(colour.convertToFormat(QImage::Format_Indexed8), "bmp"));
    put("raster", "mono.bmp", encoded(colour.convertToFormat(QImage::Format_Mono), "bmp"));
    put("raster", "icon.ico", encoded(icon, "ico"));
    put("raster", "large.ico", encoded(icon.scaled(48, 48), "ico"));
}

void writeSettings()
{
    for (const auto& seed : iniSeeds())
        put("ini", seed.name, seed.input());
}

void writePages()
{
    const Lines users = {lines::stock("IBM", "95"), lines::stock("MSFT", ""),
                         lines::stock("BRK.A", "bought at \x80 120")};
    const std::string closed = pageBytes(closedPage(users, 10));
    put("page", "closed", "IBM|95|10|5\n" + closed);
    put("page", "first run", "MSFT||10|10\n" + pageBytes(seededPage()));
    const std::string charts = "https://charts.example.com/c?s=%s&t=5d";
    put("page", "moved charts",
        "IBM|95|10|10|" + charts + "\n" +
            pageBytes(closedPage({lines::stock("IBM", "95"), lines::stock("IBM", "95", charts),
                                  lines::stock("T", "", charts)},
                                 10)));
    put("page", "older lines",
        "ibm|95|0x0A|$10\n" + pageBytes({lines::title(), lines::stockAsOlderPagesWrote("IBM", "95"),
                                         lines::refresh(600), lines::footer()}));
    put("page", "mixed ends",
        "a b|\x80|x|2\n<html>\n\r\n" + std::string(300, 'w') + "\r\nzero\0cut\r\n\rlast"s);
    put("page", "utf-16", "IBM|95|10|10\n\xFF\xFE<\0h\0t\0m\0l\0>\0\r\0\n\0"s);
}

} // namespace
} // namespace stocks::samples

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    using namespace stocks::samples;
    folder = argv[1];
    writeMetafiles();
    writeRasters();
    writeSettings();
    writePages();
    return 0;
}
