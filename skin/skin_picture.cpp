// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/skin_picture.h"

#include "core/file_io.h"
#include "core/file_names.h"
#include "core/stock_error.h"
#include "skin/byte_view.h"
#include "skin/checked_size.h"
#include "skin/metafile_reader.h"
#include "skin/picture_kind.h"
#include "skin/picture_limits.h"
#include "skin/raster_reader.h"

#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace stocks {
namespace {

constexpr const char* bitmapInvalid = "Bitmap image is not valid";
constexpr const char* iconInvalid = "Icon image is not valid";

// Metafiles are read whole; no skin comes near this.
constexpr qint64 maxMetafileBytes = qint64{64} * 1024 * 1024;

// Qt's decoder fills the rows a cut-off bitmap lacks with black; an uncompressed bitmap whose
// pixels are not all in the file is refused instead.
bool bitmapPixelsComplete(QFile& file)
{
    constexpr int headersSize = 14 + 40;
    const QByteArray head = file.peek(headersSize);
    if (head.size() < headersSize || !head.startsWith("BM"))
        return true; // the decoder refuses these anyway
    const ByteView header(head.constData(), static_cast<std::size_t>(head.size()));
    const std::int64_t pixelsAt = header.u32(10);
    const bool core = header.u32(14) == 12;
    const std::int64_t width = core ? header.u16(18) : header.i32(18);
    const std::int64_t height = core ? header.u16(20) : header.i32(22);
    const std::int64_t bitCount = header.u16(core ? 24 : 28);
    const std::uint32_t compression = core ? 0 : header.u32(30);
    constexpr std::uint32_t rgb = 0;
    constexpr std::uint32_t bitFields = 3;
    if (compression != rgb && compression != bitFields)
        return true;
    // A row of 2^31 pixels at 2^16 bits still fits; the whole picture may not.
    const std::int64_t stride = (std::abs(width) * bitCount + 31) / 32 * 4;
    const auto pixelBytes = checkedProduct(stride, std::abs(height));
    const auto pixelsEnd = pixelBytes ? checkedSum(pixelsAt, *pixelBytes) : std::nullopt;
    return pixelsEnd && file.size() >= *pixelsEnd;
}

QImage cutTo(const QImage& image, QSize visibleArea)
{
    const QSize shown = image.size().boundedTo(visibleArea);
    return shown == image.size() ? image : image.copy(QRect(QPoint(0, 0), shown));
}

// Bitmaps and icons are decoded by the kind the extension names, never by what the content
// looks like, and their header's size is checked before any pixels are allocated.
QImage readPicture(QFile& file, const char* format, const char* invalidMessage)
{
    auto image = readRaster(file, format);
    if (!image)
        throw StockError(invalidMessage);
    if (image->format() == QImage::Format_ARGB32_Premultiplied)
        image->convertTo(QImage::Format_ARGB32);
    return *image;
}

QImage readBitmap(QFile& file)
{
    if (!bitmapPixelsComplete(file))
        throw StockError(bitmapInvalid);
    return readPicture(file, "bmp", bitmapInvalid);
}

QImage readMetafile(QFile& file, QSize visibleArea)
{
    // Read no further than the limit, even from a file that grows meanwhile.
    const QByteArray bytes = file.read(maxMetafileBytes + 1);
    if (bytes.size() > maxMetafileBytes)
        throw StockError("Metafile is not valid");
    return Metafile::fromBytes(bytes).toImage(visibleArea);
}

} // namespace

QImage loadSkinPicture(const std::string& fileName, QSize visibleArea)
{
    const PictureKind kind = pictureKindFor(fileName);
    // Opened non-blocking and handed to Qt only once it is known to be a regular file, so
    // that a FIFO at the name cannot hang the program: Qt never opens the name itself.
    const InputFile input = openRegularFile(pathOf(fileName));
    QFile file;
    if (input.status != InputFile::Status::opened ||
        !file.open(input.handle.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw StockError("Cannot open file %s", fileName);
    switch (kind) {
    case PictureKind::Bitmap:
        return cutTo(readBitmap(file), visibleArea);
    case PictureKind::Icon:
        return cutTo(readPicture(file, "ico", iconInvalid), visibleArea);
    case PictureKind::Metafile:
        return readMetafile(file, visibleArea);
    }
    return {};
}

} // namespace stocks
