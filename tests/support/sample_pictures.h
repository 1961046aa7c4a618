// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

// Skin pictures made on the spot for tests and benchmarks: metafile records come from
// libUEMF's writer functions, the file headers are put together here.

#include <uemf.h>
#include <uwmf.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace stocks::samples {

inline void appendU16(QByteArray& out, std::uint16_t value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>(value >> 8));
}

inline void appendU32(QByteArray& out, std::uint32_t value)
{
    appendU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
    appendU16(out, static_cast<std::uint16_t>(value >> 16));
}

inline void putU32(QByteArray& out, qsizetype at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QImage filled(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline U_COLORREF colorRef(QColor colour)
{
    return colorref3_set(static_cast<std::uint8_t>(colour.red()),
                         static_cast<std::uint8_t>(colour.green()),
                         static_cast<std::uint8_t>(colour.blue()));
}

/// A 24-bit bottom-up DIB: the BITMAPINFO (malloc'd, as libUEMF wants it) and its rows.
struct Dib {
    PU_BITMAPINFO info = nullptr;
    QByteArray pixels;
    Dib() = default;
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    ~Dib() { std::free(info); }
};

/// A DIB whose top half is one colour and bottom half another, its rows stored bottom-up
/// unless topDown.
inline void makeTwoColourDib(Dib& dib, QSize size, QColor top, QColor bottom, bool topDown = false)
{
    const int height = topDown ? -size.height() : size.height();
    const U_BITMAPINFOHEADER header =
        bitmapinfoheader_set(size.width(), height, 1, 24, U_BI_RGB, 0, 3780, 3780, 0, 0);
    dib.info = bitmapinfo_set(header, nullptr);
    const int stride = (size.width() * 3 + 3) / 4 * 4;
    for (int stored = 0; stored < size.height(); ++stored) {
        const int row = topDown ? stored : size.height() - 1 - stored;
        const QColor colour = row < size.height() / 2 ? top : bottom;
        QByteArray line;
        for (int x = 0; x < size.width(); ++x) {
            line.append(static_cast<char>(colour.blue()));
            line.append(static_cast<char>(colour.green()));
            line.append(static_cast<char>(colour.red()));
        }
        line.append(stride - line.size(), '\0');
        dib.pixels.append(line);
    }
}

/// @brief Builds an enhanced metafile of a given size at 96 dots per inch.
class EmfBuilder {
public:
    explicit EmfBuilder(QSize pixels)
    {
        // A reference device of 1920 x 960 pixels over 508 x 254 mm is exactly 96 dpi.
        U_EMRHEADER header{};
        header.emr.iType = U_EMR_HEADER;
        header.emr.nSize = sizeof(U_EMRHEADER);
        header.rclBounds = {0, 0, pixels.width() - 1, pixels.height() - 1};
        header.rclFrame = {0, 0, pixels.width() * 2540 / 96, pixels.height() * 2540 / 96};
        header.dSignature = U_ENHMETA_SIGNATURE;
        header.nVersion = U_ENHMETA_VERSION;
        header.szlDevice = {1920, 960};
        header.szlMillimeters = {508, 254};
        header.szlMicrometers = {508000, 254000};
        bytes_.append(reinterpret_cast<const char*>(&header), sizeof header);
        records_ = 1;
    }

    /// Appends a record made by a U_EMR*_set function and frees it.
    EmfBuilder& add(char* record)
    {
        const auto* emr = reinterpret_cast<const U_EMR*>(record);
        bytes_.append(record, emr->nSize);
        std::free(record);
        ++records_;
        return *this;
    }

    /// Appends a record written by hand.
    EmfBuilder& addBytes(const QByteArray& record)
    {
        bytes_.append(record);
        ++records_;
        return *this;
    }

    /// A new object slot, for records made by hand.
    std::uint32_t nextHandle() { return handles_++; }

    /// Creates a solid brush or a pen in a new object slot and selects it.
    EmfBuilder& selectBrush(QColor colour)
    {
        add(U_EMRCREATEBRUSHINDIRECT_set(handles_, logbrush_set(U_BS_SOLID, colorRef(colour), 0)));
        return add(U_EMRSELECTOBJECT_set(handles_++));
    }
    EmfBuilder& selectPen(QColor colour, int width)
    {
        add(U_EMRCREATEPEN_set(handles_,
                               logpen_set(U_PS_SOLID, point32_set(width, 0), colorRef(colour))));
        return add(U_EMRSELECTOBJECT_set(handles_++));
    }

    QByteArray finish()
    {
        QByteArray eof;
        appendU32(eof, U_EMR_EOF);
        appendU32(eof, 20);
        appendU32(eof, 0);
        appendU32(eof, 16);
        appendU32(eof, 20);
        bytes_.append(eof);
        ++records_;
        putU32(bytes_, offsetof(U_EMRHEADER, nBytes), static_cast<std::uint32_t>(bytes_.size()));
        putU32(bytes_, offsetof(U_EMRHEADER, nRecords), records_);
        bytes_[offsetof(U_EMRHEADER, nHandles)] = static_cast<char>(handles_);
        return bytes_;
    }

private:
    QByteArray bytes_;
    std::uint32_t records_ = 0;
    std::uint32_t handles_ = 1;
};

/// @brief Builds an old-style metafile, with or without a placeable header.
class WmfBuilder {
public:
    /// With unitsPerInch > 0 a placeable header maps the bounding box at that resolution.
    WmfBuilder(QRect boundingBox, int unitsPerInch)
    {
        if (unitsPerInch > 0) {
            appendU32(bytes_, 0x9AC6CDD7);
            appendU16(bytes_, 0);
            appendU16(bytes_, static_cast<std::uint16_t>(boundingBox.left()));
            appendU16(bytes_, static_cast<std::uint16_t>(boundingBox.top()));
            appendU16(bytes_, static_cast<std::uint16_t>(boundingBox.right() + 1));
            appendU16(bytes_, static_cast<std::uint16_t>(boundingBox.bottom() + 1));
            appendU16(bytes_, static_cast<std::uint16_t>(unitsPerInch));
            appendU32(bytes_, 0);
            std::uint16_t checksum = 0;
            for (int i = 0; i < 20; i += 2)
                checksum ^=
                    static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[i]) |
                                               static_cast<unsigned char>(bytes_[i + 1]) << 8);
            appendU16(bytes_, checksum);
        }
        headerAt_ = bytes_.size();
        appendU16(bytes_, 1);
        appendU16(bytes_, 9);
        appendU16(bytes_, 0x0300);
        appendU32(bytes_, 0);
        appendU16(bytes_, 0);
        appendU32(bytes_, 0);
        appendU16(bytes_, 0);
    }

    /// Appends a record made by a U_WMR*_set function and frees it.
    WmfBuilder& add(char* record)
    {
        std::uint32_t words = 0;
        std::memcpy(&words, record, 4);
        bytes_.append(record, static_cast<qsizetype>(words) * 2);
        std::free(record);
        largest_ = std::max(largest_, words);
        return *this;
    }

    /// Appends a record written by hand.
    WmfBuilder& addBytes(const QByteArray& record)
    {
        bytes_.append(record);
        return *this;
    }

    /// Appends an object-creating record; the object takes the lowest free slot, and as
    /// slots are never freed here that is the next one.
    std::uint16_t create(char* record)
    {
        add(record);
        return objects_++;
    }

    /// Creates a solid brush or a pen and selects it.
    WmfBuilder& selectBrush(QColor colour)
    {
        const auto slot =
            create(U_WMRCREATEBRUSHINDIRECT_set(U_WLOGBRUSH_set(U_BS_SOLID, colorRef(colour), 0)));
        return add(U_WMRSELECTOBJECT_set(slot));
    }
    WmfBuilder& selectPen(QColor colour, int width)
    {
        const auto slot = create(U_WMRCREATEPENINDIRECT_set(
            U_PEN_set(U_PS_SOLID, static_cast<std::uint16_t>(width), colorRef(colour))));
        return add(U_WMRSELECTOBJECT_set(slot));
    }

    QByteArray finish()
    {
        add(U_WMREOF_set());
        const auto words = static_cast<std::uint32_t>((bytes_.size() - headerAt_) / 2);
        putU32(bytes_, headerAt_ + 6, words);
        bytes_[headerAt_ + 10] = static_cast<char>(objects_ & 0xFF);
        bytes_[headerAt_ + 11] = static_cast<char>(objects_ >> 8);
        putU32(bytes_, headerAt_ + 12, largest_);
        return bytes_;
    }

private:
    QByteArray bytes_;
    qsizetype headerAt_ = 0;
    std::uint32_t largest_ = 0;
    std::uint16_t objects_ = 0;
};

inline U_RECTL rectl(int left, int top, int right, int bottom)
{
    return U_RECTL{left, top, right, bottom};
}

inline U_RECT16 rect16(int left, int top, int right, int bottom)
{
    return U_RECT16{static_cast<int16_t>(left), static_cast<int16_t>(top),
                    static_cast<int16_t>(right), static_cast<int16_t>(bottom)};
}

// The sample pictures below are 96 x 72 pixels and hold, in pixels: a red rectangle
// (10,10)-(40,30), a green ellipse (50,5)-(90,35), a blue triangle (10,40) (40,40) (25,65),
// a black line 3 pixels wide from (50,45) to (90,45), and a 4 x 4 bitmap, magenta above and
// cyan below, stretched over (60,50)-(80,66). Everything else is left transparent.
inline QByteArray sampleEmf()
{
    Dib dib;
    makeTwoColourDib(dib, {4, 4}, Qt::magenta, Qt::cyan);
    const U_POINT16 triangle[] = {{10, 40}, {40, 40}, {25, 65}};
    EmfBuilder emf({96, 72});
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN))
        .selectBrush(Qt::red)
        .add(U_EMRRECTANGLE_set(rectl(10, 10, 40, 30)))
        .selectBrush(Qt::green)
        .add(U_EMRELLIPSE_set(rectl(50, 5, 90, 35)))
        .selectBrush(Qt::blue)
        .add(U_EMRPOLYGON16_set(rectl(10, 40, 40, 65), 3, triangle))
        .selectPen(Qt::black, 3)
        .add(U_EMRMOVETOEX_set(point32_set(50, 45)))
        .add(U_EMRLINETO_set(point32_set(90, 45)))
        .add(U_EMRSTRETCHDIBITS_set(rectl(60, 50, 79, 65), point32_set(60, 50), point32_set(20, 16),
                                    point32_set(0, 0), point32_set(4, 4), U_DIB_RGB_COLORS,
                                    U_SRCCOPY, dib.info, static_cast<uint32_t>(dib.pixels.size()),
                                    dib.pixels.data()));
    return emf.finish();
}

/// The same picture in a placeable metafile whose logical units are tenths of a pixel.
inline QByteArray sampleWmf()
{
    Dib dib;
    makeTwoColourDib(dib, {4, 4}, Qt::magenta, Qt::cyan);
    const U_POINT16 triangle[] = {{100, 400}, {400, 400}, {250, 650}};
    WmfBuilder wmf(QRect(0, 0, 960, 720), 960);
    wmf.add(U_WMRSETMAPMODE_set(U_MM_ANISOTROPIC))
        .add(U_WMRSETWINDOWORG_set(point16_set(0, 0)))
        .add(U_WMRSETWINDOWEXT_set(point16_set(960, 720)));
    const auto nullPen =
        wmf.create(U_WMRCREATEPENINDIRECT_set(U_PEN_set(U_PS_NULL, 0, colorRef(Qt::black))));
    wmf.add(U_WMRSELECTOBJECT_set(nullPen))
        .selectBrush(Qt::red)
        .add(U_WMRRECTANGLE_set(rect16(100, 100, 400, 300)))
        .selectBrush(Qt::green)
        .add(U_WMRELLIPSE_set(rect16(500, 50, 900, 350)))
        .selectBrush(Qt::blue)
        .add(U_WMRPOLYGON_set(3, triangle))
        .selectPen(Qt::black, 30)
        .add(U_WMRMOVETO_set(point16_set(500, 450)))
        .add(U_WMRLINETO_set(point16_set(900, 450)))
        .add(U_WMRSTRETCHDIB_set(point16_set(600, 500), point16_set(200, 160), point16_set(0, 0),
                                 point16_set(4, 4), U_DIB_RGB_COLORS, U_SRCCOPY, dib.info,
                                 static_cast<uint32_t>(dib.pixels.size()), dib.pixels.data()));
    return wmf.finish();
}

/// A picture of many shapes for the drawing benchmark: rectangles, ellipses and triangles in
/// turn, each in a colour of its own, over a size x size area.
inline QByteArray manyShapesEmf(int count, int size)
{
    EmfBuilder emf({size, size});
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN));
    for (int i = 0; i < count; ++i) {
        const int x = (i * 37) % (size - 40);
        const int y = (i * 53) % (size - 40);
        emf.add(U_EMRCREATEBRUSHINDIRECT_set(
            1, logbrush_set(U_BS_SOLID, colorref3_set(i % 256, (i * 7) % 256, (i * 13) % 256), 0)));
        emf.add(U_EMRSELECTOBJECT_set(1));
        if (i % 3 == 0) {
            emf.add(U_EMRRECTANGLE_set(rectl(x, y, x + 30, y + 20)));
        } else if (i % 3 == 1) {
            emf.add(U_EMRELLIPSE_set(rectl(x, y, x + 30, y + 20)));
        } else {
            const U_POINT16 triangle[] = {
                {static_cast<int16_t>(x), static_cast<int16_t>(y + 20)},
                {static_cast<int16_t>(x + 30), static_cast<int16_t>(y + 20)},
                {static_cast<int16_t>(x + 15), static_cast<int16_t>(y)}};
            emf.add(U_EMRPOLYGON16_set(rectl(x, y, x + 30, y + 20), 3, triangle));
        }
        emf.add(U_EMRSELECTOBJECT_set(U_WHITE_BRUSH));
        emf.add(U_EMRDELETEOBJECT_set(1));
    }
    QByteArray bytes = emf.finish();
    bytes[offsetof(U_EMRHEADER, nHandles)] = 2;
    return bytes;
}

/// A size x size picture of count red rectangles, each as large as the whole picture.
inline QByteArray coveringRectanglesEmf(int count, int size)
{
    EmfBuilder emf({size, size});
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN)).selectBrush(Qt::red);
    for (int i = 0; i < count; ++i)
        emf.add(U_EMRRECTANGLE_set(rectl(0, 0, size, size)));
    return emf.finish();
}

} // namespace stocks::samples
