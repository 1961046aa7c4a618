// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/skin_picture.h"

#include "core/file_names.h"
#include "tests/support/error_of.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace stocks {
namespace {

bool drawsSomething(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

// A seed the readers refuse would start the fuzzers outside the code they are there to reach.
TEST(FuzzSeeds, EveryPictureSeedLoadsAsASkinAndDrawsSomething)
{
    for (const char* target : {"emf", "wmf", "raster"}) {
        int seeds = 0;
        for (const auto& seed : std::filesystem::directory_iterator(
                 std::filesystem::path(STOCKS_FUZZ_SEEDS) / target)) {
            ++seeds;
            QImage image;
            EXPECT_EQ(
                errorOf([&] { image = loadSkinPicture(fileNameOf(seed.path()), QSize(138, 208)); }),
                "no error")
                << seed.path();
            EXPECT_TRUE(drawsSomething(image)) << seed.path();
        }
        EXPECT_GE(seeds, 4) << target;
    }
}

} // namespace
} // namespace stocks
