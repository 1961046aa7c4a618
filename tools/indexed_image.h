// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

using Palette = std::array<Rgb, 16>;

/// A colour with its opacity, 0 fully transparent to 255 opaque.
struct Rgba {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
    std::uint8_t a;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

/// @brief A rectangle of values, one per pixel, stored row by row from the top.
template <typename Value> class PixelGrid {
public:
    PixelGrid(int width, int height, Value fill)
        : width_(width), height_(height), values_(offset(0, height, width), fill)
    {}

    int width() const { return width_; }
    int height() const { return height_; }
    Value at(int x, int y) const { return values_[offset(x, y, width_)]; }
    void set(int x, int y, Value value) { values_[offset(x, y, width_)] = value; }

    /// Each pixel becomes a square of factor x factor pixels: nearest-neighbour, so it stays crisp.
    PixelGrid enlarged(int factor) const
    {
        PixelGrid large(width_ * factor, height_ * factor, Value{});
        for (int y = 0; y < large.height(); ++y) {
            for (int x = 0; x < large.width(); ++x)
                large.set(x, y, at(x / factor, y / factor));
        }
        return large;
    }

private:
    static std::size_t offset(int x, int y, int width)
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Value> values_;
};

/// Palette indices.
using IndexedImage = PixelGrid<std::uint8_t>;
/// One flag a pixel, such as "shows the ground behind the icon".
using PixelMask = PixelGrid<bool>;
/// True colour with opacity.
using RgbaImage = PixelGrid<Rgba>;
