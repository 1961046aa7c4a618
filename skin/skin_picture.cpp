#include "skin/skin_picture.h"

#include "core/file_io.h"
#include "core/stock_error.h"
#include "skin/checked_size.h"
#include "skin/metafile_reader.h"
#include "skin/picture_kind.h"
#include "skin/picture_limits.h"

#include <QFile>
#include <QImageReader>

#include <cstdint>

namespace stocks {
namespace {

constexpr const char* bitmapInvalid = "Bitmap image is not valid";
constexpr const char* iconInvalid = "Icon image is not valid";

// Metafiles are read whole; no skin comes near this.
constexpr qint64 maxMetafileBytes = qint64{64} * 1024 * 1024;

std::uint32_t unsignedAt(const QByteArray& bytes, int offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

// Qt's decoder fills the rows a cut-off bitmap lacks with black; an uncompressed bitmap whose
// pixels are not all in the file is refused instead.
bool bitmapPixelsComplete(QFile& file)
{
    constexpr int headersSize = 14 + 40;
    const QByteArray head = file.peek(headersSize);
    if (head.size() < headersSize || !head.startsWith("BM"))
        return true; // the decoder refuses these anyway
    const std::int64_t pixelsAt = unsignedAt(head, 10, 4);
    const bool core = unsignedAt(head, 14, 4) == 12;
    const std::int64_t width =
        core ? unsignedAt(head, 18, 2) : static_cast<std::int32_t>(unsignedAt(head, 18, 4));
    const std::int64_t height =
        core ? unsignedAt(head, 20, 2) : static_cast<std::int32_t>(unsignedAt(head, 22, 4));
    const std::int64_t bitCount = unsignedAt(head, core ? 24 : 28, 2);
    const std::uint32_t compression = core ? 0 : unsignedAt(head, 30, 4);
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
QImage readRaster(QFile& file, const char* format, const char* invalidMessage)
{
    QImageReader reader(&file, format);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (size.isValid() && !pictureSizeAllowed(size.width(), size.height()))
        throw StockError(invalidMessage);
    QImage image = reader.read();
    if (image.isNull() || !pictureSizeAllowed(image.width(), image.height()))
        throw StockError(invalidMessage);
    if (image.format() == QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32);
    return image;
}

QImage readBitmap(QFile& file)
{
    if (!bitmapPixelsComplete(file))
        throw StockError(bitmapInvalid);
    return readRaster(file, "bmp", bitmapInvalid);
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
    const InputFile input = openRegularFile(fileName);
    QFile file;
    if (input.status != InputFile::Status::opened ||
        !file.open(input.handle.get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw StockError("Cannot open file %s", fileName);
    switch (kind) {
    case PictureKind::Bitmap:
        return cutTo(readBitmap(file), visibleArea);
    case PictureKind::Icon:
        return cutTo(readRaster(file, "ico", iconInvalid), visibleArea);
    case PictureKind::Metafile:
        return readMetafile(file, visibleArea);
    }
    return {};
}

} // namespace stocks
