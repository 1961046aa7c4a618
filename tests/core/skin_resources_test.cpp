// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/dollar_outline.h"

#include "tests/support/page_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>
#include <unistd.h>

namespace stocks {
namespace {

namespace fs = std::filesystem;

const fs::path resources = STOCKS_RESOURCES_DIR;

using Rgb = std::array<int, 3>;
constexpr Rgb white{255, 255, 255}, darkGreen{0, 170, 0}, yellow{255, 255, 85},
    lightGreen{85, 255, 85}, brownOrange{170, 85, 0}, paleCyan{85, 255, 255};

unsigned byteAt(const std::string& bytes, std::size_t at)
{
    return static_cast<std::uint8_t>(bytes.at(at));
}

unsigned u16(const std::string& bytes, std::size_t at)
{
    return byteAt(bytes, at) | byteAt(bytes, at + 1) << 8;
}

unsigned u32(const std::string& bytes, std::size_t at)
{
    return u16(bytes, at) | u16(bytes, at + 2) << 16;
}

// A pixel of a 4-bit bottom-up image of the given height: its BITMAPINFOHEADER starts at info
// and the palette follows it, the rows start at pixels.
Rgb colourAt(const std::string& bytes, std::size_t info, std::size_t pixels, int height, int x,
             int y)
{
    const int width = static_cast<int>(u32(bytes, info + 4));
    const std::size_t row =
        pixels + static_cast<std::size_t>((height - 1 - y) * 4 * ((width * 4 + 31) / 32));
    const unsigned pair = byteAt(bytes, row + static_cast<std::size_t>(x / 2));
    const std::size_t entry =
        info + u32(bytes, info) + std::size_t{4} * (x % 2 == 0 ? pair >> 4 : pair & 0x0F);
    return {int(byteAt(bytes, entry + 2)), int(byteAt(bytes, entry + 1)),
            int(byteAt(bytes, entry))};
}

bool outlinePassesThrough(int x, int y)
{
    constexpr std::array<double, 3> at{0.02, 0.5, 0.98};
    return std::any_of(at.begin(), at.end(), [&](double dy) {
        return std::any_of(at.begin(), at.end(),
                           [&](double dx) { return outlineContains(x + dx, y + dy); });
    });
}

// The colours are read where the header puts the palette and the rows, so a header that lies
// about them fails here.
TEST(SkinBitmap, IsAnUncompressedFourBitBottomUpBitmapOfTheSignInsideTheOutlineOnWhite)
{
    const std::string bmp = bytesOf(resources / "skin.bmp");
    ASSERT_EQ(bmp.size(), 14734u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(u32(bmp, 2), 14734u);
    EXPECT_EQ(u32(bmp, 18), 138u);
    EXPECT_EQ(u32(bmp, 22), 203u); // positive: bottom-up
    EXPECT_EQ(u16(bmp, 26), 1u);
    EXPECT_EQ(u16(bmp, 28), 4u);
    EXPECT_EQ(u32(bmp, 30), 0u); // BI_RGB
    EXPECT_EQ(u32(bmp, 34), 72u * 203);
    const auto pixel = [&](int x, int y) { return colourAt(bmp, 14, u32(bmp, 10), 203, x, y); };

    std::string palette;
    for (std::size_t entry = 14 + u32(bmp, 14); entry < u32(bmp, 10); entry += 4) {
        char rgb[8];
        std::snprintf(rgb, sizeof rgb, "%02x%02x%02x ", byteAt(bmp, entry + 2),
                      byteAt(bmp, entry + 1), byteAt(bmp, entry));
        palette += rgb;
    }
    EXPECT_EQ(palette, "000000 0000aa 00aa00 00aaaa aa0000 aa00aa aa5500 aaaaaa "
                       "555555 5555ff 55ff55 55ffff ff5555 ff55ff ffff55 ffffff ")
        << "the standard 16-colour VGA palette";

    std::map<Rgb, int> counts;
    for (int y = 0; y < 203; ++y) {
        for (int x = 0; x < 138; ++x) {
            ++counts[pixel(x, y)];
            if (outlineContains(x + 0.5, y + 0.5)) {
                EXPECT_NE(pixel(x, y), white) << x << ", " << y;
            } else if (pixel(x, y) != white) { // only where the outline passes through the pixel
                EXPECT_TRUE(outlinePassesThrough(x, y)) << x << ", " << y;
            }
        }
    }
    EXPECT_EQ(counts.size(), 6u) << "the sign's five colours and white";
    for (const Rgb colour : {darkGreen, yellow, lightGreen, brownOrange, paleCyan}) {
        ASSERT_TRUE(counts.contains(colour));
        EXPECT_LT(counts[colour], counts[white]);
    }

    const auto commonestInside = [&](int x) {
        std::map<Rgb, int> column;
        for (int y = 0; y < 203; ++y)
            column[pixel(x, y)] += outlineContains(x + 0.5, y + 0.5) ? 1 : 0;
        return std::max_element(column.begin(), column.end(),
                                [](auto a, auto b) { return a.second < b.second; })
            ->first;
    };
    EXPECT_EQ(commonestInside(20), yellow);
    EXPECT_EQ(commonestInside(68), lightGreen);
    EXPECT_EQ(commonestInside(115), darkGreen);

    const auto countIn = [&](const Rgb& wanted, int left, int top, int right, int bottom) {
        int found = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x)
                found += pixel(x, y) == wanted ? 1 : 0;
        }
        return found;
    };
    EXPECT_GT(countIn(brownOrange, 0, 0, 138, 60), 40) << "rays over the upper arc";
    EXPECT_GT(countIn(brownOrange, 0, 140, 138, 203), 40) << "rays over the lower arc";
    EXPECT_GT(countIn(paleCyan, 8, 30, 53, 80), 100) << "upper bowl";
    EXPECT_GT(countIn(paleCyan, 83, 120, 134, 175), 100) << "lower bowl";
}

TEST(Icons, AreSixteenColourDisksOnATransparentGround)
{
    const Rgb red{255, 0, 0}, lime{0, 255, 0}, yellowDisk{255, 255, 0}, green{0, 128, 0};
    for (const auto& [file, disk, sign] : {std::tuple{"window_icon.ico", red, lime},
                                           std::tuple{"program_icon.ico", yellowDisk, green}}) {
        SCOPED_TRACE(file);
        const std::string ico = bytesOf(resources / file);
        ASSERT_EQ(ico.size(), 22u + 40 + 64 + 128 + 64);
        EXPECT_EQ(u16(ico, 0), 0u);
        EXPECT_EQ(u16(ico, 2), 1u);                         // an icon
        EXPECT_EQ(u16(ico, 4), 1u);                         // one image
        EXPECT_EQ(u32(ico, 6), 16u | 16u << 8 | 16u << 16); // 16 x 16, 16 colours
        EXPECT_EQ(u16(ico, 12), 4u);
        EXPECT_EQ(u32(ico, 14), ico.size() - 22);
        EXPECT_EQ(u32(ico, 18), 22u);
        EXPECT_EQ(u32(ico, 26), 16u);
        EXPECT_EQ(u32(ico, 30), 32u); // colour image and mask
        EXPECT_EQ(u16(ico, 36), 4u);

        const auto transparent = [&](int x, int y) {
            return (byteAt(ico, 22 + 40 + 64 + 128 + 4 * (15 - y) + x / 8) & (0x80 >> x % 8)) != 0;
        };
        for (const auto& [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) {
            EXPECT_TRUE(transparent(x, y)) << x << ", " << y;
            EXPECT_EQ(colourAt(ico, 22, 22 + 40 + 64, 16, x, y), (Rgb{0, 0, 0}))
                << "black under the mask";
        }
        EXPECT_FALSE(transparent(7, 7));
        EXPECT_EQ(colourAt(ico, 22, 22 + 40 + 64, 16, 2, 7), disk);
        EXPECT_EQ(colourAt(ico, 22, 22 + 40 + 64, 16, 7, 1), sign); // the bar
        EXPECT_EQ(colourAt(ico, 22, 22 + 40 + 64, 16, 7, 7), sign);
    }
    const std::string program = bytesOf(resources / "program_icon.ico");
    EXPECT_EQ(colourAt(program, 22, 22 + 40 + 64, 16, 13, 13), (Rgb{128, 128, 0}))
        << "olive at the lower right";
    EXPECT_EQ(colourAt(program, 22, 22 + 40 + 64, 16, 2, 2), (Rgb{255, 255, 0}));
}

// The shell's icon: the 16-colour image exactly as the window has it, then the same design in
// true colour at each larger size, 256 as PNG. Each image is read where its directory entry
// points, so an entry that names the wrong size or place fails here.
TEST(ShellIcon, HoldsTheSixteenColourImageAndTheDesignAtEveryLargerSize)
{
    const std::string ico = bytesOf(resources / "shell_icon.ico");
    const std::string small = bytesOf(resources / "program_icon.ico");
    ASSERT_GE(ico.size(), 6u + 8 * 16);
    EXPECT_EQ(u16(ico, 2), 1u);
    ASSERT_EQ(u16(ico, 4), 8u);
    const Rgb yellow{255, 255, 0}, olive{128, 128, 0}, green{0, 128, 0};
    const std::array<int, 8> sizes{16, 20, 24, 32, 40, 48, 64, 256};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const int size = sizes[i];
        SCOPED_TRACE(size);
        const std::size_t entry = 6 + 16 * i;
        const std::size_t length = u32(ico, entry + 8), at = u32(ico, entry + 12);
        ASSERT_LE(at + length, ico.size());
        EXPECT_EQ(byteAt(ico, entry), unsigned(size % 256));
        EXPECT_EQ(byteAt(ico, entry + 1), unsigned(size % 256));
        const std::string image = ico.substr(at, length);
        if (size == 16) {
            EXPECT_EQ(ico.substr(entry, 8), small.substr(6, 8)) << "16 colours, 4 bits";
            EXPECT_TRUE(image == small.substr(22)) << "the window's 16-colour image, unchanged";
            continue;
        }
        if (size == 256) {
            EXPECT_EQ(image.substr(1, 3), "PNG");
            EXPECT_EQ(u32(image, 16), 1u << 16) << "256 wide (big-endian)";
            EXPECT_TRUE(image == bytesOf(resources / "program_icon_256.png"))
                << "the desktop's 256-pixel icon is the same drawing";
            continue;
        }
        EXPECT_EQ(u16(ico, entry + 6), 32u);
        EXPECT_EQ(u32(image, 4), unsigned(size));
        EXPECT_EQ(u32(image, 8), 2u * size);
        EXPECT_EQ(u16(image, 14), 32u);
        const std::size_t maskStride = (size + 31) / 32 * 4;
        ASSERT_EQ(image.size(), 40 + (4u * size + maskStride) * size);
        // Grid points of the 16-cell design, as pixels of this size: x, y, colour, opaque.
        const auto pixel = [&](double gx, double gy) {
            const int x = int(gx * size / 16), y = int(gy * size / 16);
            const std::size_t p = 40 + 4 * std::size_t(size * (size - 1 - y) + x);
            const bool masked =
                (byteAt(image, 40 + 4u * size * size + maskStride * std::size_t(size - 1 - y) +
                                   std::size_t(x / 8)) &
                 (0x80u >> x % 8)) != 0;
            return std::tuple{
                Rgb{int(byteAt(image, p + 2)), int(byteAt(image, p + 1)), int(byteAt(image, p))},
                byteAt(image, p + 3), masked};
        };
        for (const auto& [gx, gy, colour] : {std::tuple{2.5, 7.5, yellow},
                                             {13.2, 13.2, olive},
                                             {7.5, 1.5, green},
                                             {7.5, 7.5, green},
                                             {3.5, 11.5, green}}) {
            EXPECT_EQ(pixel(gx, gy), std::tuple(colour, 255u, false)) << gx << ", " << gy;
        }
        for (const auto& [gx, gy] : {std::pair{0.0, 0.0}, {15.9, 0.0}, {0.0, 15.9}, {15.9, 15.9}})
            EXPECT_EQ(pixel(gx, gy), std::tuple(Rgb{0, 0, 0}, 0u, true)) << gx << ", " << gy;
    }
}

class Generator : public testing::Test {
protected:
    static int run(const fs::path& output)
    {
        const std::string command =
            "'" STOCKS_MAKE_RESOURCES "' '" + output.string() + "' 2>/dev/null";
        return std::system(command.c_str());
    }

    TempFolder folder;
};

TEST_F(Generator, ReproducesTheCommittedFilesByteForByte)
{
    ASSERT_EQ(run(folder), 0);
    for (const char* file : {"skin.bmp", "window_icon.ico", "program_icon.ico", "shell_icon.ico",
                             "program_icon_16.png", "program_icon_24.png", "program_icon_32.png",
                             "program_icon_48.png", "program_icon_64.png", "program_icon_128.png",
                             "program_icon_256.png"}) {
        const std::string made = bytesOf(folder / file);
        EXPECT_FALSE(made.empty()) << file;
        EXPECT_TRUE(made == bytesOf(resources / file)) << file << " differs from resources/";
    }
}

TEST_F(Generator, FailsWhenItCannotWrite)
{
    std::ofstream(folder / "file") << "x";
    EXPECT_NE(run(folder / "file"), 0);
}

} // namespace
} // namespace stocks
