// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "indexed_image.h"

#include <string>

/// A PNG file of the image in the palette's colours; pixels where transparent is true are
/// fully transparent. Uncompressed, so the bytes depend on nothing but the pixels.
std::string pngFile(const IndexedImage& image, const PixelMask& transparent,
                    const Palette& palette);

/// A PNG file of the image, stored with a palette of its colours in the order they first
/// appear; throws when the image has more than 256 colours.
std::string pngFile(const RgbaImage& image);
