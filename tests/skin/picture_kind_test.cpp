// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/picture_kind.h"
#include "tests/support/error_of.h"

#include <gtest/gtest.h>

#include <string>

namespace stocks {
namespace {

std::string unknownExtensionMessage(const std::string& fileName)
{
    return errorOf([&] { pictureKindFor(fileName); });
}

TEST(PictureKind, ExtensionIsTheTextAfterTheLastDotOfTheFileName)
{
    EXPECT_EQ(pictureExtension("C:\\skins\\dollar.bmp"), "bmp");
    EXPECT_EQ(pictureExtension("/home/me/skin.old.Emf"), "Emf");
    EXPECT_EQ(pictureExtension("skin."), "");
    EXPECT_EQ(pictureExtension("skin"), "");
    EXPECT_EQ(pictureExtension("C:\\my.skins\\dollar"), "");
    EXPECT_EQ(pictureExtension("/home/my.skins/dollar"), "");
    EXPECT_EQ(pictureExtension("a.b:stream"), "");
    EXPECT_EQ(pictureExtension(""), "");
}

TEST(PictureKind, KnownExtensionsSelectTheirDecoderWhateverTheirCase)
{
    EXPECT_EQ(pictureKindFor("/tmp/skin.bmp"), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindFor("/tmp/skin.BMP"), PictureKind::Bitmap);
    EXPECT_EQ(pictureKindFor("C:\\skin.Ico"), PictureKind::Icon);
    EXPECT_EQ(pictureKindFor("skin.wMf"), PictureKind::Metafile);
    EXPECT_EQ(pictureKindFor("skin.EMF"), PictureKind::Metafile);
}

TEST(PictureKind, OtherExtensionsAreRefusedWithTheExtensionAsWritten)
{
    EXPECT_EQ(unknownExtensionMessage("/tmp/chart.GIF"), "Unknown picture file extension (.GIF)");
    EXPECT_EQ(unknownExtensionMessage("photo.jpeg"), "Unknown picture file extension (.jpeg)");
    EXPECT_EQ(unknownExtensionMessage("/tmp/skin"), "Unknown picture file extension (.)");
    EXPECT_EQ(unknownExtensionMessage("skin.bmpx"), "Unknown picture file extension (.bmpx)");
    EXPECT_EQ(unknownExtensionMessage("skin.bm"), "Unknown picture file extension (.bm)");
    // A capital beyond ASCII (here É in the UTF-8 that Windows' names come as) folds onto nothing.
    EXPECT_EQ(unknownExtensionMessage("skin.\xC3\x89mf"),
              "Unknown picture file extension (.\xC3\x89mf)");
}

} // namespace
} // namespace stocks
