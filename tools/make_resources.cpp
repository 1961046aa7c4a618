// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Writes the built-in skin bitmap, the two 16-colour icons, the program icon at every size the
// shell asks for (shell_icon.ico) and as PNG files for
// the desktop's menus into the folder given as argument. The output depends on nothing but these
// sources and the outline, so the bytes are reproducible.

#include "icon_design.h"
#include "icon_file.h"
#include "indexed_image.h"
#include "le_bytes.h"
#include "png_file.h"

#include "core/dollar_outline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The classic 16-colour VGA text-mode palette.
constexpr Palette vgaPalette{{{0, 0, 0},
                              {0, 0, 170},
                              {0, 170, 0},
                              {0, 170, 170},
                              {170, 0, 0},
                              {170, 0, 170},
                              {170, 85, 0},
                              {170, 170, 170},
                              {85, 85, 85},
                              {85, 85, 255},
                              {85, 255, 85},
                              {85, 255, 255},
                              {255, 85, 85},
                              {255, 85, 255},
                              {255, 255, 85},
                              {255, 255, 255}}};

enum Vga : std::uint8_t {
    vgaDarkGreen = 2,
    vgaBrown = 6,
    vgaLightGreen = 10,
    vgaPaleCyan = 11,
    vgaYellow = 14,
    vgaWhite = 15,
};

// The Windows 16-colour system palette, whose names the icons are described in.
constexpr Palette windowsPalette{{{0, 0, 0},
                                  {128, 0, 0},
                                  {0, 128, 0},
                                  {128, 128, 0},
                                  {0, 0, 128},
                                  {128, 0, 128},
                                  {0, 128, 128},
                                  {192, 192, 192},
                                  {128, 128, 128},
                                  {255, 0, 0},
                                  {0, 255, 0},
                                  {255, 255, 0},
                                  {0, 0, 255},
                                  {255, 0, 255},
                                  {0, 255, 255},
                                  {255, 255, 255}}};

enum Windows : std::uint8_t {
    winBlack = 0,
    winGreen = 2,
    winOlive = 3,
    winRed = 9,
    winLime = 10,
    winYellow = 11,
};

// BITMAPINFOHEADER; an icon gives the height of its colour and mask images together.
void putInfoHeader(std::string& out, int width, int height, std::uint32_t imageBytes)
{
    constexpr std::uint32_t pixelsPerMetreAt96Dpi = 3780;
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);
    putU16(out, 4);
    putU32(out, 0); // BI_RGB
    putU32(out, imageBytes);
    putU32(out, pixelsPerMetreAt96Dpi);
    putU32(out, pixelsPerMetreAt96Dpi);
    putU32(out, 16);
    putU32(out, 0);
}

void putPalette(std::string& out, const Palette& palette)
{
    for (const Rgb& colour : palette) {
        out += static_cast<char>(colour.b);
        out += static_cast<char>(colour.g);
        out += static_cast<char>(colour.r);
        out += '\0';
    }
}

// Rows bottom-up, two pixels a byte with the left one in the high nibble, padded to 4 bytes.
void putPixels4(std::string& out, const IndexedImage& image)
{
    const std::uint32_t stride = rowBytes(image.width(), 4);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < image.width(); ++x) {
            const int shift = x % 2 == 0 ? 4 : 0;
            row[static_cast<std::size_t>(x / 2)] |=
                static_cast<std::uint8_t>(image.at(x, y) << shift);
        }
        out.append(row.begin(), row.end());
    }
}

std::string bitmapFile(const IndexedImage& image, const Palette& palette)
{
    constexpr std::uint32_t headersAndPalette = 14 + 40 + 16 * 4;
    const std::uint32_t imageBytes = rowBytes(image.width(), 4) * image.height();
    std::string out = "BM";
    putU32(out, headersAndPalette + imageBytes);
    putU32(out, 0);
    putU32(out, headersAndPalette);
    putInfoHeader(out, image.width(), image.height(), imageBytes);
    putPalette(out, palette);
    putPixels4(out, image);
    return out;
}

// The 16-colour image of an icon: pixels where transparent is true show the ground behind it.
IconImage iconImage4(const IndexedImage& image, const PixelMask& transparent,
                     const Palette& palette)
{
    const int size = image.width();
    const std::uint32_t colourBytes = rowBytes(size, 4) * size;
    const std::uint32_t maskStride = rowBytes(size, 1);

    IconImage icon{size, 16, 4, {}};
    putInfoHeader(icon.bytes, size, 2 * size, colourBytes + maskStride * size);
    putPalette(icon.bytes, palette);
    putPixels4(icon.bytes, image);
    for (int y = size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskStride, 0);
        for (int x = 0; x < size; ++x) {
            if (transparent.at(x, y))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80U >> (x % 8));
        }
        icon.bytes.append(row.begin(), row.end());
    }
    return icon;
}

// The skin.

constexpr int skinWidth = 138;
constexpr int skinHeight = 203;
constexpr double centreX = 68.0;
constexpr double centreY = 101.0;
constexpr int barLeft = 53;
constexpr int barRight = 83;

struct Ellipse {
    double cx;
    double cy;
    double radiusAlong;
    double radiusAcross;
    double angle;

    // 0 at the centre, 1 on the rim.
    double reach(double x, double y) const
    {
        const double dx = x - cx;
        const double dy = y - cy;
        const double along = dx * std::cos(angle) + dy * std::sin(angle);
        const double across = -dx * std::sin(angle) + dy * std::cos(angle);
        return std::hypot(along / radiusAlong, across / radiusAcross);
    }
};

// The bowls: lens shapes that continue the mouths of the S behind the bar. The lower one is the
// upper one turned half round the centre, as the sign itself nearly is.
constexpr double bowlAngle = 0.42;
const Ellipse upperBowl{43.0, 53.0, 22.0, 13.0, bowlAngle};
const Ellipse lowerBowl{2 * centreX - 43.0, 2 * centreY - 53.0, 22.0, 13.0, bowlAngle};

bool inBar(int x)
{
    return x >= barLeft && x < barRight;
}

std::uint8_t bandColour(int x)
{
    if (x < 46)
        return vgaYellow;
    if (x < 92)
        return vgaLightGreen;
    return vgaDarkGreen;
}

// Two fans, one over each arc of the S; the flat directions would only cross the middle stroke.
bool onRay(double x, double y)
{
    constexpr int rayCount = 28;
    constexpr double innerRadius = 30.0;
    constexpr double flatCone = 0.45;
    const double dx = x - centreX;
    const double dy = y - centreY;
    const double radius = std::hypot(dx, dy);
    if (radius < innerRadius || std::atan2(std::abs(dy), std::abs(dx)) < flatCone)
        return false;
    const double step = 2 * std::numbers::pi / rayCount;
    const double offset = std::remainder(std::atan2(dy, dx) + step / 2, step);
    return std::abs(radius * std::sin(offset)) < 0.5;
}

// Whether any part of the pixel lies inside the outline. Covering the whole edge pixel, not only
// pixels whose centre is inside, keeps the white ground out of the window whatever the region's
// fill rule.
bool touchesSign(int x, int y)
{
    constexpr std::array<double, 3> samples{0.02, 0.5, 0.98};
    return std::any_of(samples.begin(), samples.end(), [&](double sy) {
        return std::any_of(samples.begin(), samples.end(),
                           [&](double sx) { return stocks::outlineContains(x + sx, y + sy); });
    });
}

PixelMask signCoverage()
{
    PixelMask covered(skinWidth, skinHeight, false);
    for (int y = 0; y < skinHeight; ++y) {
        for (int x = 0; x < skinWidth; ++x)
            covered.set(x, y, touchesSign(x, y));
    }
    return covered;
}

// Within two pixels of the ground: the part of the rim that every fill rule shows at least once.
bool onRim(const PixelMask& covered, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (std::abs(dx) + std::abs(dy) > 2)
                continue;
            if (nx < 0 || ny < 0 || nx >= skinWidth || ny >= skinHeight || !covered.at(nx, ny))
                return true;
        }
    }
    return false;
}

// The bar's edges are drawn two pixels wide, like the rim, so that it stands in front of the S.
bool onBarEdge(int x)
{
    return x == barLeft - 1 || x == barLeft || x == barRight - 1 || x == barRight;
}

std::uint8_t signColour(const PixelMask& covered, int x, int y)
{
    if (onRim(covered, x, y) || onBarEdge(x))
        return vgaDarkGreen;
    if (inBar(x))
        return bandColour(x);
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double bowl = std::min(upperBowl.reach(px, py), lowerBowl.reach(px, py));
    if (bowl < 0.88)
        return vgaPaleCyan;
    if (bowl < 1.0)
        return vgaDarkGreen;
    if (onRay(px, py))
        return vgaBrown;
    return bandColour(x);
}

IndexedImage drawSkin()
{
    const PixelMask covered = signCoverage();
    IndexedImage skin(skinWidth, skinHeight, vgaWhite);
    for (int y = 0; y < skinHeight; ++y) {
        for (int x = 0; x < skinWidth; ++x) {
            if (covered.at(x, y))
                skin.set(x, y, signColour(covered, x, y));
        }
    }
    return skin;
}

// The icons.

constexpr int iconSize = iconGrid;

double distanceFromIconCentre(int x, int y, double shift)
{
    const double c = (iconSize - 1) / 2.0 - shift;
    return std::hypot(x - c, y - c);
}

struct Icon {
    IndexedImage image{iconSize, iconSize, winBlack};
    PixelMask transparent{iconSize, iconSize, true};
};

Icon drawIcon(std::uint8_t disk, std::uint8_t lowerRightShade, std::uint8_t sign)
{
    constexpr double diskRadius = iconDiskRadius;
    Icon icon;
    for (int y = 0; y < iconSize; ++y) {
        for (int x = 0; x < iconSize; ++x) {
            if (distanceFromIconCentre(x, y, 0.0) > diskRadius)
                continue;
            std::uint8_t colour =
                distanceFromIconCentre(x, y, iconShadeShift) > diskRadius ? lowerRightShade : disk;
            if (inDollar(x, y))
                colour = sign;
            icon.image.set(x, y, colour);
            icon.transparent.set(x, y, false);
        }
    }
    return icon;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// The program icon: the 16-colour image as the window and 16-pixel places show it, and the same
// design drawn in true colour at the sizes the shell and the desktop's icon theme ask for.
void writeProgramIcons(const std::filesystem::path& folder)
{
    const Icon program = drawIcon(winYellow, winOlive, winGreen);
    const IconImage small = iconImage4(program.image, program.transparent, windowsPalette);
    writeFile(folder / "program_icon.ico", iconFile({small}));
    writeFile(folder / "program_icon_16.png",
              pngFile(program.image, program.transparent, windowsPalette));

    std::vector<IconImage> shell{small};
    constexpr std::array sizes32 = {20, 24, 32, 40, 48, 64};
    std::transform(sizes32.begin(), sizes32.end(), std::back_inserter(shell),
                   [](int size) { return iconImage32(drawProgramIcon(size)); });
    shell.push_back(iconImagePng(drawProgramIcon(256)));
    writeFile(folder / "shell_icon.ico", iconFile(shell));
    for (const int size : {24, 32, 48, 64, 128, 256})
        writeFile(folder / ("program_icon_" + std::to_string(size) + ".png"),
                  pngFile(drawProgramIcon(size)));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_resources OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        writeFile(folder / "skin.bmp", bitmapFile(drawSkin(), vgaPalette));
        const Icon window = drawIcon(winRed, winRed, winLime);
        writeFile(folder / "window_icon.ico",
                  iconFile({iconImage4(window.image, window.transparent, windowsPalette)}));
        writeProgramIcons(folder);
    } catch (const std::exception& error) {
        std::cerr << "make_resources: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
