// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Metafile bytes read and played into the main window's 138 x 208 client area, as a skin is.
// Built twice: STOCKS_FUZZ_EMF picks which format this target keeps to.

#include "quiet_gui.h"

#include "core/stock_error.h"
#include "skin/metafile_reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQuietGuiApplication();
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Each format has a campaign of its own, so that neither drifts into the other's.
    const stocks::ByteView view(bytes.constData(), size);
    if (!(STOCKS_FUZZ_EMF ? stocks::looksLikeEmf(view) : stocks::looksLikeWmf(view)))
        return -1;
    try {
        stocks::Metafile::fromBytes(bytes).toImage(QSize(138, 208));
    } catch (const stocks::StockError&) {
    }
    return 0;
}
