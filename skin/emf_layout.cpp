// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/emf_layout.h"

#include "skin/picture_limits.h"

#include <uemf.h>
#include <uemf_endian.h>
#include <uemf_safe.h>

#include <cmath>
#include <cstddef>

namespace stocks {
namespace {

constexpr std::uint32_t emfSignature = 0x464D4520; // " EMF"
constexpr qreal screenPixelsPerMillimetre = 96 / 25.4;

// libUEMF has no layout for these types: it asks them to be 2048 bytes long and only prints
// a warning when asked about their contents. They are never drawn, so they only need to lie
// inside the file.
bool libraryKnows(std::uint32_t type)
{
    switch (type) {
    case U_EMR_UNDEF69:
    case U_EMR_POLYTEXTOUTA:
    case U_EMR_POLYTEXTOUTW:
    case U_EMR_GLSRECORD:
    case U_EMR_GLSBOUNDEDRECORD:
    case U_EMR_DRAWESCAPE:
    case U_EMR_EXTESCAPE:
    case U_EMR_UNDEF107:
    case U_EMR_FORCEUFIMAPPING:
    case U_EMR_NAMEDESCAPE:
    case U_EMR_COLORCORRECTPALETTE:
    case U_EMR_SETICMPROFILEA:
    case U_EMR_SETICMPROFILEW:
    case U_EMR_UNDEF117:
    case U_EMR_SETLINKEDUFIS:
    case U_EMR_SETTEXTJUSTIFICATION:
    case U_EMR_COLORMATCHTOTARGETW:
        return false;
    default:
        return type >= U_EMR_MIN && type <= U_EMR_MAX;
    }
}

struct Rect64 {
    std::int64_t left, top, right, bottom;
};

Rect64 readRect(ByteView header, std::size_t offset)
{
    return {header.i32(offset), header.i32(offset + 4), header.i32(offset + 8),
            header.i32(offset + 12)};
}

// The picture's size comes from its frame (hundredths of a millimetre) at the reference
// device's resolution, or failing that from its bounds in device pixels, both inclusive.
void sizePicture(ByteView header, EmfLayout& layout)
{
    const Rect64 frame = readRect(header, offsetof(U_EMRHEADER, rclFrame));
    const Rect64 bounds = readRect(header, offsetof(U_EMRHEADER, rclBounds));
    const qreal devWidth = header.i32(offsetof(U_EMRHEADER, szlDevice));
    const qreal devHeight = header.i32(offsetof(U_EMRHEADER, szlDevice) + 4);
    const qreal mmWidth = header.i32(offsetof(U_EMRHEADER, szlMillimeters));
    const qreal mmHeight = header.i32(offsetof(U_EMRHEADER, szlMillimeters) + 4);

    const bool deviceKnown = devWidth > 0 && devHeight > 0 && mmWidth > 0 && mmHeight > 0;
    layout.pixelsPerMillimetre = deviceKnown ? devWidth / mmWidth : screenPixelsPerMillimetre;
    if (deviceKnown && frame.right > frame.left && frame.bottom > frame.top) {
        const qreal perHundredthX = devWidth / mmWidth / 100;
        const qreal perHundredthY = devHeight / mmHeight / 100;
        const qreal width = static_cast<qreal>(frame.right - frame.left) * perHundredthX;
        const qreal height = static_cast<qreal>(frame.bottom - frame.top) * perHundredthY;
        const qint64 pixelsWide = std::llround(width);
        const qint64 pixelsHigh = std::llround(height);
        if (pictureSizeAllowed(pixelsWide, pixelsHigh)) {
            layout.size = QSize(static_cast<int>(pixelsWide), static_cast<int>(pixelsHigh));
            layout.deviceToImage =
                QTransform::fromTranslate(-static_cast<qreal>(frame.left) * perHundredthX,
                                          -static_cast<qreal>(frame.top) * perHundredthY) *
                QTransform::fromScale(static_cast<qreal>(pixelsWide) / width,
                                      static_cast<qreal>(pixelsHigh) / height);
            return;
        }
    }
    const std::int64_t width = bounds.right - bounds.left + 1;
    const std::int64_t height = bounds.bottom - bounds.top + 1;
    if (!pictureSizeAllowed(width, height))
        throwInvalidMetafile();
    layout.size = QSize(static_cast<int>(width), static_cast<int>(height));
    layout.deviceToImage = QTransform::fromTranslate(static_cast<qreal>(-bounds.left),
                                                     static_cast<qreal>(-bounds.top));
}

} // namespace

bool looksLikeEmf(ByteView bytes)
{
    return bytes.has(0, offsetof(U_EMRHEADER, dSignature) + 4) && bytes.u32(0) == U_EMR_HEADER &&
           bytes.u32(offsetof(U_EMRHEADER, dSignature)) == emfSignature;
}

EmfLayout readEmfLayout(ByteView bytes)
{
    if (!looksLikeEmf(bytes))
        throwInvalidMetafile();
    EmfLayout layout;
    const char* end = bytes.data() + bytes.size();
    std::size_t offset = 0;
    for (;;) {
        if (!bytes.has(offset, sizeof(U_EMR)))
            throwInvalidMetafile();
        const char* record = bytes.data() + offset;
        std::uint32_t type = bytes.u32(offset);
        std::uint32_t size = bytes.u32(offset + 4);
        if (libraryKnows(type)) {
            // torev = 1 reads the fields as they are on this little-endian machine.
            if (U_emf_record_sizeok(record, end, &size, &type, 1) == 0)
                throwInvalidMetafile();
        } else if (!bytes.has(offset, size)) {
            throwInvalidMetafile();
        }
        if (size < sizeof(U_EMR) || size % 4 != 0 || (offset == 0) != (type == U_EMR_HEADER))
            throwInvalidMetafile();
        if (libraryKnows(type) && U_emf_record_safe(record) == 0)
            throwInvalidMetafile();
        addRecord(layout.records, {type, offset, size});
        offset += size;
        if (type == U_EMR_EOF)
            break;
    }

    const ByteView header = bytes.sub(0, layout.records.front().size);
    if (header.size() < U_SIZE_EMRHEADER_MIN)
        throwInvalidMetafile();
    sizePicture(header, layout);
    layout.handles = std::max<std::uint32_t>(1, header.u16(offsetof(U_EMRHEADER, nHandles)));
    return layout;
}

} // namespace stocks
