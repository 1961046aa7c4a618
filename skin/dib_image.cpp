// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/dib_image.h"

#include "skin/checked_size.h"
#include "skin/picture_limits.h"
#include "skin/raster_reader.h"

#include <QBuffer>

#include <cstdlib>

namespace stocks {
namespace {

constexpr std::uint32_t coreHeaderSize = 12;
constexpr std::uint32_t infoHeaderSize = 40;

enum Compression : std::uint32_t { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, Jpeg = 4, Png = 5 };

struct DibLayout {
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: rows run top-down
    std::uint32_t bitCount = 0;
    std::uint32_t compression = Rgb;
    std::size_t infoBytes = 0; // header, masks and colour table
};

bool bitCountFits(std::uint32_t bitCount, std::uint32_t compression, bool core)
{
    switch (compression) {
    case Rgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 ||
               (!core && (bitCount == 16 || bitCount == 32));
    case Rle8:
        return bitCount == 8;
    case Rle4:
        return bitCount == 4;
    case BitFields:
        return bitCount == 16 || bitCount == 32;
    default:
        return false;
    }
}

std::optional<DibLayout> readLayout(ByteView info)
{
    if (!info.has(0, 4))
        return std::nullopt;
    DibLayout layout;
    layout.headerSize = info.u32(0);
    const bool core = layout.headerSize == coreHeaderSize;
    if (!core && layout.headerSize != infoHeaderSize && layout.headerSize != 108 &&
        layout.headerSize != 124)
        return std::nullopt;
    if (!info.has(0, layout.headerSize))
        return std::nullopt;

    std::uint32_t colorsUsed = 0;
    if (core) {
        layout.width = info.u16(4);
        layout.height = info.u16(6);
        if (info.u16(8) != 1)
            return std::nullopt;
        layout.bitCount = info.u16(10);
    } else {
        layout.width = info.i32(4);
        layout.height = info.i32(8);
        if (info.u16(12) != 1)
            return std::nullopt;
        layout.bitCount = info.u16(14);
        layout.compression = info.u32(16);
        colorsUsed = info.u32(32);
    }
    if (layout.compression == Jpeg || layout.compression == Png) {
        layout.infoBytes = layout.headerSize;
        return layout;
    }
    if (!bitCountFits(layout.bitCount, layout.compression, core))
        return std::nullopt;
    if (!pictureSizeAllowed(layout.width, std::abs(layout.height)))
        return std::nullopt;
    if (layout.height < 0 && layout.compression != Rgb && layout.compression != BitFields)
        return std::nullopt;

    std::uint64_t colors = colorsUsed;
    if (layout.bitCount <= 8) {
        const std::uint64_t most = std::uint64_t{1} << layout.bitCount;
        if (colors == 0 || core)
            colors = most;
        if (colors > most)
            return std::nullopt;
    }
    const std::uint64_t masks =
        layout.headerSize == infoHeaderSize && layout.compression == BitFields ? 12 : 0;
    const std::uint64_t infoBytes = layout.headerSize + masks + colors * (core ? 3 : 4);
    if (!info.has(0, infoBytes))
        return std::nullopt;
    layout.infoBytes = static_cast<std::size_t>(infoBytes);
    return layout;
}

void appendU32(QByteArray& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void chargePixels(QSize size, WorkBudget& budget)
{
    budget.spend(static_cast<double>(size.width()) * size.height() * embeddedBitmapPixelWork);
}

std::optional<QImage> readWithQt(const QByteArray& bytes, const char* format, WorkBudget& budget)
{
    budget.spend(embeddedBitmapWork);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readRaster(buffer, format, [&budget](QSize size) { chargePixels(size, budget); });
}

// Qt reads DIBs as the pixel part of a BMP file, so one is put together in memory. Top-down
// rows are turned bottom-up on the way, which every BMP reader understands.
std::optional<QImage> decodeAsBmp(const DibLayout& layout, ByteView info, ByteView bits,
                                  WorkBudget& budget)
{
    const std::int64_t rows = std::abs(layout.height);
    auto pixelBytes = static_cast<std::int64_t>(bits.size());
    std::int64_t stride = 0;
    if (layout.compression == Rgb || layout.compression == BitFields) {
        stride = (layout.width * layout.bitCount + 31) / 32 * 4;
        const auto needed = checkedProduct(stride, rows);
        if (!needed || !bits.has(0, static_cast<std::size_t>(*needed)))
            return std::nullopt;
        pixelBytes = *needed;
    }

    const auto offBits = static_cast<std::int64_t>(14 + layout.infoBytes);
    const auto fileSize = checkedSum(offBits, pixelBytes);
    if (!fileSize)
        return std::nullopt;
    QByteArray file;
    file.reserve(*fileSize);
    file.append("BM", 2);
    appendU32(file, static_cast<std::uint32_t>(*fileSize));
    appendU32(file, 0);
    appendU32(file, static_cast<std::uint32_t>(offBits));
    file.append(info.data(), static_cast<qsizetype>(layout.infoBytes));
    if (layout.height < 0) {
        const auto bottomUp = static_cast<std::int32_t>(rows);
        file.replace(14 + 8, 4, reinterpret_cast<const char*>(&bottomUp), 4);
        for (std::int64_t row = rows - 1; row >= 0; --row)
            file.append(bits.data() + static_cast<std::size_t>(row * stride), stride);
    } else {
        file.append(bits.data(), pixelBytes);
    }

    auto image = readWithQt(file, "bmp", budget);
    if (!image || image->width() != layout.width || image->height() != rows)
        return std::nullopt;
    return image;
}

} // namespace

std::optional<QImage> decodeDib(ByteView info, ByteView bits, WorkBudget& budget)
{
    const auto layout = readLayout(info);
    if (!layout)
        return std::nullopt;
    if (layout->compression == Jpeg || layout->compression == Png) {
        const QByteArray embedded(bits.data(), static_cast<qsizetype>(bits.size()));
        return readWithQt(embedded, layout->compression == Jpeg ? "jpeg" : "png", budget);
    }
    return decodeAsBmp(*layout, info, bits, budget);
}

std::optional<QImage> decodePackedDib(ByteView packed, WorkBudget& budget)
{
    const auto layout = readLayout(packed);
    if (!layout)
        return std::nullopt;
    return decodeDib(packed.sub(0, layout->infoBytes), packed.from(layout->infoBytes), budget);
}

} // namespace stocks
