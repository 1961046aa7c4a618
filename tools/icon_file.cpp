// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "icon_file.h"

#include "icon_design.h"
#include "le_bytes.h"
#include "png_file.h"

#include <cstdint>
#include <stdexcept>

namespace {

// The Windows system palette's colours the 16-colour program icon uses.
constexpr Rgba yellow{255, 255, 0, 255};
constexpr Rgba olive{128, 128, 0, 255};
constexpr Rgba green{0, 128, 0, 255};
constexpr Rgba clear{0, 0, 0, 0};

// The rim takes the share of samples that fall inside the disk, so the colours are a small
// fixed set: an indexed PNG holds them all.
constexpr int samplesAcross = 4;

Rgba blend(int yellowSamples, int oliveSamples)
{
    const int inside = yellowSamples + oliveSamples;
    if (inside == 0)
        return clear;
    const auto mix = [&](int a, int b) {
        return static_cast<std::uint8_t>((a * yellowSamples + b * oliveSamples + inside / 2) /
                                         inside);
    };
    constexpr int all = samplesAcross * samplesAcross;
    return {mix(yellow.r, olive.r), mix(yellow.g, olive.g), mix(yellow.b, olive.b),
            static_cast<std::uint8_t>((255 * inside + all / 2) / all)};
}

Rgba diskPixel(int x, int y, double cell)
{
    int yellowSamples = 0;
    int oliveSamples = 0;
    for (int sy = 0; sy < samplesAcross; ++sy) {
        for (int sx = 0; sx < samplesAcross; ++sx) {
            const double gx = (x + (sx + 0.5) / samplesAcross) / cell;
            const double gy = (y + (sy + 0.5) / samplesAcross) / cell;
            if (fromIconCentre(gx, gy, 0.0) > iconDiskRadius)
                continue;
            if (fromIconCentre(gx, gy, iconShadeShift) > iconDiskRadius)
                ++oliveSamples;
            else
                ++yellowSamples;
        }
    }
    return blend(yellowSamples, oliveSamples);
}

} // namespace

std::string iconFile(const std::vector<IconImage>& images)
{
    constexpr std::uint32_t directoryEntryBytes = 16;
    std::string out;
    putU16(out, 0);
    putU16(out, 1); // an icon, not a cursor
    putU16(out, static_cast<std::uint32_t>(images.size()));
    auto offset = static_cast<std::uint32_t>(6 + directoryEntryBytes * images.size());
    for (const IconImage& image : images) {
        if (image.size < 1 || image.size > 256)
            throw std::invalid_argument("an icon image is 1 to 256 pixels across");
        // 256 is written as 0.
        out += static_cast<char>(image.size & 0xFF);
        out += static_cast<char>(image.size & 0xFF);
        out += static_cast<char>(image.colourCount);
        out += '\0';
        putU16(out, 1);
        putU16(out, static_cast<std::uint32_t>(image.bitCount));
        putU32(out, static_cast<std::uint32_t>(image.bytes.size()));
        putU32(out, offset);
        offset += static_cast<std::uint32_t>(image.bytes.size());
    }
    for (const IconImage& image : images)
        out += image.bytes;
    return out;
}

IconImage iconImage32(const RgbaImage& image)
{
    const int size = image.width();
    const std::uint32_t maskStride = rowBytes(size, 1);
    const std::uint32_t imageBytes = (4 * size + maskStride) * size;
    IconImage icon{size, 0, 32, {}};
    std::string& out = icon.bytes;
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(size));
    putU32(out, static_cast<std::uint32_t>(2 * size)); // the colour image and the mask
    putU16(out, 1);
    putU16(out, 32);
    putU32(out, 0); // BI_RGB
    putU32(out, imageBytes);
    out.append(16, '\0'); // resolution and palette: none
    for (int y = size - 1; y >= 0; --y) {
        for (int x = 0; x < size; ++x) {
            const Rgba pixel = image.at(x, y);
            out += {static_cast<char>(pixel.b), static_cast<char>(pixel.g),
                    static_cast<char>(pixel.r), static_cast<char>(pixel.a)};
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            if (image.at(x, y).a == 0) {
                char& byte = row[static_cast<std::size_t>(x / 8)];
                byte = static_cast<char>(static_cast<unsigned char>(byte) | (0x80U >> (x % 8)));
            }
        }
        out += row;
    }
    return icon;
}

IconImage iconImagePng(const RgbaImage& image)
{
    return {image.width(), 0, 32, pngFile(image)};
}

RgbaImage drawProgramIcon(int size)
{
    const double cell = static_cast<double>(size) / iconGrid;
    RgbaImage icon(size, size, clear);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int column = static_cast<int>((x + 0.5) / cell);
            const int row = static_cast<int>((y + 0.5) / cell);
            icon.set(x, y, inDollar(column, row) ? green : diskPixel(x, y, cell));
        }
    }
    return icon;
}
