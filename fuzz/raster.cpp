// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Bitmap and icon files through the skin command's entry, which reads a file by its name.

#include "quiet_gui.h"
#include "target_support.h"

#include "core/stock_error.h"
#include "skin/skin_picture.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startQuietGuiApplication();
    static stocks::fuzz::ScratchFile bitmap("skin.bmp");
    static stocks::fuzz::ScratchFile icon("skin.ico");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        // Bitmaps begin with "BM"; anything else goes to the icon decoder, which would refuse
        // a bitmap's first bytes anyway.
        stocks::fuzz::ScratchFile& file = bytes.starts_with("BM") ? bitmap : icon;
        const QImage image = stocks::loadSkinPicture(file.write(bytes), QSize(138, 208));
        stocks::fuzz::require(image.width() <= 138 && image.height() <= 208,
                              "a skin is cut to the client area");
    } catch (const stocks::StockError&) {
    }
    return 0;
}
