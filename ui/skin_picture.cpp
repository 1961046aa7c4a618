#include "ui/skin_picture.h"

#include "core/cp1252.h"
#include "core/picture_kind.h"
#include "core/stock_error.h"
#include "ui/metafile_reader.h"
#include "ui/picture_limits.h"

#include <QFile>
#include <QImageReader>

#include <cstdlib>
#include <cstring>

namespace stocks {
namespace {

// Metafiles are read whole; no skin comes near this.
constexpr qint64 maxMetafileBytes = 64 * 1024 * 1024;

std::int64_t littleEndian(const QByteArray& bytes, int offset, int size, bool isSigned)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    if (isSigned && size == 4)
        return static_cast<std::int32_t>(value);
    return static_cast<std::int64_t>(value);
}

// Qt's decoder fills the rows a cut-off bitmap lacks with black; an uncompressed bitmap whose
// pixels are not all in the file is refused instead.
bool bitmapPixelsComplete(QFile& file)
{
    constexpr int headersSize = 14 + 40;
    const QByteArray head = file.peek(headersSize);
    if (head.size() < headersSize || !head.startsWith("BM"))
        return true; // the decoder refuses these anyway
    const std::int64_t pixelsAt = littleEndian(head, 10, 4, false);
    const bool core = littleEndian(head, 14, 4, false) == 12;
    const std::int64_t width = core ? littleEndian(head, 18, 2, false) : littleEndian(head, 18, 4, true);
    const std::int64_t height = core ? littleEndian(head, 20, 2, false) : littleEndian(head, 22, 4, true);
    const std::int64_t bitCount = littleEndian(head, core ? 24 : 28, 2, false);
    const std::int64_t compression = core ? 0 : littleEndian(head, 30, 4, false);
    constexpr std::int64_t rgb = 0;
    constexpr std::int64_t bitFields = 3;
    if (compression != rgb && compression != bitFields)
        return true;
    const std::int64_t stride = (std::abs(width) * bitCount + 31) / 32 * 4;
    return file.size() >= pixelsAt + stride * std::abs(height);
}

// Bitmaps and icons are decoded by the kind the extension names, never by what the content
// looks like, and their header's size is checked before any pixels are allocated.
QImage readRaster(QFile& file, const char* format, const char* invalidMessage)
{
    if (std::strcmp(format, "bmp") == 0 && !bitmapPixelsComplete(file))
        throw StockError(invalidMessage);
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

QImage readMetafile(QFile& file)
{
    if (file.size() > maxMetafileBytes)
        throw StockError("Metafile is not valid");
    return Metafile::fromBytes(file.readAll()).toImage();
}

} // namespace

QImage loadSkinPicture(const std::string& fileName)
{
    const PictureKind kind = pictureKindFor(fileName);
    QFile file(QString::fromUtf8(utf8FromCp1252(fileName)));
    if (!file.open(QIODevice::ReadOnly))
        throw StockError(formatMessage("Cannot open file %s", fileName));
    switch (kind) {
    case PictureKind::Bitmap:
        return readRaster(file, "bmp", "Bitmap image is not valid");
    case PictureKind::Icon:
        return readRaster(file, "ico", "Icon image is not valid");
    case PictureKind::Metafile:
        return readMetafile(file);
    }
    return {};
}

} // namespace stocks
