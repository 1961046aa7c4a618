// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/built_in_resources.h"

#include <QFile>
#include <QResource>
#include <QtEndian>

static void registerResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

namespace stocks {
namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype iconHeaderSize = 6 + 16;
constexpr qsizetype infoHeaderSize = 40;
constexpr qsizetype colours = 16;
// The built-in pictures are small; a larger size is no picture of ours.
constexpr qsizetype largestSide = 1024;

quint32 u32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

/// A bottom-up, uncompressed 4-bit DIB at `at`; an icon's holds its colour rows and then its
/// 1-bit mask, and gives the height of both together.
QImage decodeDib(const QByteArray& bytes, qsizetype at, bool masked)
{
    if (bytes.size() < at + infoHeaderSize + 4 * colours || u32(bytes, at) != infoHeaderSize ||
        u16(bytes, at + 14) != 4 || u32(bytes, at + 16) != 0)
        return {};
    const qsizetype width = u32(bytes, at + 4);
    const qsizetype height = qsizetype{u32(bytes, at + 8)} / (masked ? 2 : 1);
    if (width <= 0 || height <= 0 || width > largestSide || height > largestSide)
        return {};
    const qsizetype stride = (width * 4 + 31) / 32 * 4;
    const qsizetype maskStride = (width + 31) / 32 * 4;
    const qsizetype bits = at + infoHeaderSize + 4 * colours;
    if (bytes.size() < bits + height * (stride + (masked ? maskStride : 0)))
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 masked ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const auto* data = reinterpret_cast<const quint8*>(bytes.constData());
    for (qsizetype y = 0; y < height; ++y) {
        const quint8* row = data + bits + (height - 1 - y) * stride;
        const quint8* mask = data + bits + height * stride + (height - 1 - y) * maskStride;
        auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(static_cast<int>(y)));
        for (qsizetype x = 0; x < width; ++x) {
            const qsizetype index = (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
            const bool clear = masked && (mask[x / 8] & (0x80 >> x % 8)) != 0;
            pixels[x] = clear ? 0 : (0xFF000000 | u32(bytes, at + infoHeaderSize + 4 * index));
        }
    }
    return image;
}

// A static library's resources are not registered by themselves.
void registerBuiltInResources()
{
    static const bool registered = (registerResourcesOnce(), true);
    Q_UNUSED(registered);
}

} // namespace

QImage builtInPicture(const QString& resource)
{
    registerBuiltInResources();
    // Stored uncompressed in the program, so read where they lie rather than copied out.
    const QResource stored(resource);
    QByteArray bytes;
    if (stored.isValid() && stored.compressionAlgorithm() == QResource::NoCompression) {
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(stored.data()),
                                        static_cast<qsizetype>(stored.size()));
    } else {
        QFile file(resource);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        bytes = file.readAll();
    }
    if (bytes.startsWith("BM"))
        return decodeDib(bytes, fileHeaderSize, false);
    if (bytes.size() >= iconHeaderSize && u16(bytes, 2) == 1 && u16(bytes, 4) == 1)
        return decodeDib(bytes, u32(bytes, 18), true);
    return {};
}

} // namespace stocks
