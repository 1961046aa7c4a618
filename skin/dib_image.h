// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "skin/byte_view.h"
#include "skin/work_budget.h"

#include <QImage>

#include <optional>

namespace stocks {

/// Decodes a device-independent bitmap embedded in a metafile record, given its BITMAPINFO
/// (header, masks and colour table) and its pixel bytes. Nothing when the header does not
/// check out against the bytes that are there, or the bitmap is larger than a skin may be.
/// Its pixels are charged to the budget before they are decoded.
std::optional<QImage> decodeDib(ByteView info, ByteView bits, WorkBudget& budget);

/// As decodeDib for a packed DIB: the BITMAPINFO directly followed by the pixels.
std::optional<QImage> decodePackedDib(ByteView packed, WorkBudget& budget);

} // namespace stocks
