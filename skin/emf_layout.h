// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"
#include "skin/metafile_record.h"

#include <QSize>
#include <QTransform>

#include <vector>

namespace stocks {

/// @brief An enhanced metafile's header values and checked records.
struct EmfLayout {
    QSize size;                // natural size in pixels
    QTransform deviceToImage;  // reference device units to picture pixels
    qreal pixelsPerMillimetre; // of the reference device
    std::uint32_t handles = 1; // object table size, slot 0 included
    std::vector<MetafileRecord> records;
};

/// True when the bytes start with an enhanced metafile header record.
bool looksLikeEmf(ByteView bytes);

/// Reads the header and walks every record up to the end-of-file record, checking each one's
/// size and inner counts. Throws "Metafile is not valid", also past maxMetafileRecords.
EmfLayout readEmfLayout(ByteView bytes);

} // namespace stocks
