// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/wmf_layout.h"

#include "skin/picture_limits.h"

#include <uwmf.h>

#include <cmath>
#include <cstdlib>

namespace stocks {
namespace {

constexpr std::uint32_t placeableKey = 0x9AC6CDD7;
constexpr std::size_t placeableSize = 22;
constexpr std::size_t headerSize = 18;
constexpr std::uint16_t headerWords = 9;
constexpr std::uint16_t eofFunction = 0x0000;
constexpr std::uint16_t setWindowExtFunction = 0x020C;
constexpr qreal pixelsPerInch = 96;

bool standardHeaderAt(ByteView bytes, std::size_t offset)
{
    if (!bytes.has(offset, headerSize))
        return false;
    const std::uint16_t type = bytes.u16(offset);
    return (type == 1 || type == 2) && bytes.u16(offset + 2) == headerWords;
}

// Without a placeable header the picture is as large as the first window extent, taken as
// pixels.
void sizeFromWindowExtent(ByteView bytes, WmfLayout& layout)
{
    for (const MetafileRecord& record : layout.records) {
        if (record.type != setWindowExtFunction)
            continue;
        U_POINT16 extent{};
        if (U_WMRSETWINDOWEXT_get(bytes.data() + record.offset, &extent) == 0)
            throwInvalidMetafile();
        if (!pictureSizeAllowed(std::abs(extent.x), std::abs(extent.y)))
            throwInvalidMetafile();
        layout.size = QSize(std::abs(extent.x), std::abs(extent.y));
        layout.windowExt = QSizeF(extent.x, extent.y);
        return;
    }
    throwInvalidMetafile();
}

} // namespace

bool looksLikeWmf(ByteView bytes)
{
    if (bytes.has(0, 4) && bytes.u32(0) == placeableKey)
        return true;
    return standardHeaderAt(bytes, 0);
}

WmfLayout readWmfLayout(ByteView bytes)
{
    WmfLayout layout;
    const bool placeable = bytes.has(0, 4) && bytes.u32(0) == placeableKey;
    const std::size_t headerOffset = placeable ? placeableSize : 0;
    if (!standardHeaderAt(bytes, headerOffset))
        throwInvalidMetafile();
    layout.objects = bytes.u16(headerOffset + 10);

    const char* end = bytes.data() + bytes.size();
    std::size_t offset = headerOffset + headerSize;
    for (;;) {
        // U_WMRRECSAFE_get reads the size field before it checks anything.
        if (!bytes.has(offset, U_SIZE_METARECORD))
            throwInvalidMetafile();
        const std::size_t size = U_WMRRECSAFE_get(bytes.data() + offset, end);
        if (size == 0)
            throwInvalidMetafile();
        const std::uint16_t function = bytes.u16(offset + 4);
        addRecord(layout.records, {function, offset, size});
        offset += size;
        if (function == eofFunction)
            break;
    }

    if (!placeable) {
        sizeFromWindowExtent(bytes, layout);
        return layout;
    }
    const qreal left = bytes.i16(6);
    const qreal top = bytes.i16(8);
    const qreal right = bytes.i16(10);
    const qreal bottom = bytes.i16(12);
    const std::uint16_t unitsPerInch = bytes.u16(14);
    if (unitsPerInch == 0 || right == left || bottom == top)
        throwInvalidMetafile();
    const qint64 width = std::llround(std::abs(right - left) * pixelsPerInch / unitsPerInch);
    const qint64 height = std::llround(std::abs(bottom - top) * pixelsPerInch / unitsPerInch);
    if (!pictureSizeAllowed(width, height))
        throwInvalidMetafile();
    layout.size = QSize(static_cast<int>(width), static_cast<int>(height));
    layout.windowOrg = QPointF(left, top);
    layout.windowExt = QSizeF(right - left, bottom - top);
    return layout;
}

} // namespace stocks
