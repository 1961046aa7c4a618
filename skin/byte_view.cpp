// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/byte_view.h"

#include "core/stock_error.h"

namespace stocks {

void ByteView::require(std::size_t offset, std::size_t count) const
{
    if (!has(offset, count))
        throwInvalidMetafile();
}

void throwInvalidMetafile()
{
    throw StockError("Metafile is not valid");
}

} // namespace stocks
