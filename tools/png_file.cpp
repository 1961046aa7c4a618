// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "png_file.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace {

void putU32BigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFFU);
}

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        crc ^= static_cast<std::uint8_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320U & (0U - (crc & 1U)));
    }
    return ~crc;
}

std::uint32_t adler32(std::string_view bytes)
{
    constexpr std::uint32_t modulus = 65521;
    std::uint32_t low = 1;
    std::uint32_t high = 0;
    for (const char byte : bytes) {
        low = (low + static_cast<std::uint8_t>(byte)) % modulus;
        high = (high + low) % modulus;
    }
    return high << 16 | low;
}

void putChunk(std::string& out, std::string_view type, std::string_view data)
{
    putU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::string typed(type);
    typed += data;
    out += typed;
    putU32BigEndian(out, crc32(typed));
}

// A zlib stream of stored deflate blocks: every reader takes it, and there is no compressor
// whose output could change with its version.
std::string storedZlib(std::string_view data)
{
    constexpr std::size_t blockLimit = 65535;
    std::string out = "\x78\x01";
    const std::uint32_t checksum = adler32(data);
    do {
        const std::size_t length = std::min(blockLimit, data.size());
        const auto complement = static_cast<std::size_t>(~length & blockLimit);
        out += static_cast<char>(length == data.size() ? 1 : 0);
        out += static_cast<char>(length & 0xFFU);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(complement & 0xFFU);
        out += static_cast<char>(complement >> 8);
        out += data.substr(0, length);
        data.remove_prefix(length);
    } while (!data.empty());
    putU32BigEndian(out, checksum);
    return out;
}

// An 8-bit indexed PNG: the rows hold indices into colours, whose opacities go into tRNS.
std::string indexedPng(int width, int height, const std::string& rows,
                       const std::vector<Rgba>& colours)
{
    constexpr char bitDepth = 8;
    constexpr char indexedColour = 3;

    std::string header;
    putU32BigEndian(header, static_cast<std::uint32_t>(width));
    putU32BigEndian(header, static_cast<std::uint32_t>(height));
    header += bitDepth;
    header += indexedColour;
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace

    std::string rgb;
    std::string alpha;
    for (const Rgba& colour : colours) {
        rgb += static_cast<char>(colour.r);
        rgb += static_cast<char>(colour.g);
        rgb += static_cast<char>(colour.b);
        alpha += static_cast<char>(colour.a);
    }

    std::string out = "\x89PNG\r\n\x1A\n";
    putChunk(out, "IHDR", header);
    putChunk(out, "PLTE", rgb);
    putChunk(out, "tRNS", alpha);
    putChunk(out, "IDAT", storedZlib(rows));
    putChunk(out, "IEND", "");
    return out;
}

} // namespace

std::string pngFile(const IndexedImage& image, const PixelMask& transparent, const Palette& palette)
{
    // The palette's sixteen colours, then one more entry for the transparent pixels.
    constexpr std::uint8_t clearIndex = 16;
    std::vector<Rgba> colours;
    std::transform(palette.begin(), palette.end(), std::back_inserter(colours),
                   [](const Rgb& colour) {
                       return Rgba{colour.r, colour.g, colour.b, 0xFF};
                   });
    colours.push_back({0, 0, 0, 0});

    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        rows += '\0'; // no filter
        for (int x = 0; x < image.width(); ++x)
            rows += static_cast<char>(transparent.at(x, y) ? clearIndex : image.at(x, y));
    }
    return indexedPng(image.width(), image.height(), rows, colours);
}

std::string pngFile(const RgbaImage& image)
{
    constexpr std::size_t paletteLimit = 256;
    std::vector<Rgba> colours;
    std::string rows;
    for (int y = 0; y < image.height(); ++y) {
        rows += '\0'; // no filter
        for (int x = 0; x < image.width(); ++x) {
            const Rgba colour = image.at(x, y);
            auto found = std::find(colours.begin(), colours.end(), colour);
            if (found == colours.end()) {
                if (colours.size() == paletteLimit)
                    throw std::runtime_error("more than 256 colours for an indexed PNG");
                found = colours.insert(colours.end(), colour);
            }
            rows += static_cast<char>(found - colours.begin());
        }
    }
    return indexedPng(image.width(), image.height(), rows, colours);
}
