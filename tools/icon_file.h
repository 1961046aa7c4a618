// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "indexed_image.h"

#include <string>
#include <vector>

/// One image of an icon file: its directory entry's numbers and its bytes (a bitmap with its
/// mask, or a PNG file).
struct IconImage {
    int size;
    int colourCount; // 0 for more than 256 colours
    int bitCount;
    std::string bytes;
};

/// An icon file holding the images in the given order.
std::string iconFile(const std::vector<IconImage>& images);

/// A 32-bit image with its opacity; the mask marks the fully transparent pixels, for readers
/// that ignore the opacity.
IconImage iconImage32(const RgbaImage& image);

/// A 256-pixel or larger image, stored as the PNG file Windows takes at that size.
IconImage iconImagePng(const RgbaImage& image);

/// The program icon's design drawn at the given size in its true colours: the disk's rim
/// smoothed, the dollar sign's cells kept sharp (each pixel takes the cell under its centre).
RgbaImage drawProgramIcon(int size);
