// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"
#include "skin/metafile_record.h"

#include <QPointF>
#include <QSize>
#include <QSizeF>

#include <vector>

namespace stocks {

/// @brief An old-style Windows metafile's header values and checked records.
struct WmfLayout {
    QSize size;        // natural size in pixels
    QPointF windowOrg; // the logical area that maps onto the picture
    QSizeF windowExt;
    std::uint32_t objects = 0; // object table size
    std::vector<MetafileRecord> records;
};

/// True when the bytes start with a placeable header or a standard 18-byte metafile header.
bool looksLikeWmf(ByteView bytes);

/// Reads the headers and walks every record up to the end-of-file record, checking that each
/// one lies inside the file. Throws "Metafile is not valid", also past maxMetafileRecords.
WmfLayout readWmfLayout(ByteView bytes);

} // namespace stocks
