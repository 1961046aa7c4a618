// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/skin_picture.h"

#include "tests/support/error_of.h"
#include "tests/support/sample_pictures.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>

namespace stocks {
namespace {

using samples::encoded;

// The main window's client area, all of a skin that ever shows.
constexpr QSize skinArea(138, 208);

QImage load(const std::string& fileName)
{
    return loadSkinPicture(fileName, skinArea);
}

class SkinPictureTest : public ::testing::Test {
protected:
    std::string path(const QString& name) const { return (folder / name.toStdString()).string(); }

    std::string write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(QString::fromStdString((folder / name.toStdString()).string()));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }

    static std::string errorOf(const std::string& fileName)
    {
        return stocks::errorOf([&] { load(fileName); });
    }

    TempFolder folder;
};

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y);
}

// Red on the left, blue on the right, a white pixel at the top-left corner, so that a picture
// turned over or mirrored shows.
QImage bitmapSkin()
{
    QImage image(138, 208, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(69, 0, 69, 208, Qt::blue);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    return image;
}

QImage iconSkin()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter(&image).fillRect(8, 8, 16, 16, Qt::green);
    return image;
}

void expectSamplePicture(const QImage& image)
{
    ASSERT_EQ(image.size(), QSize(96, 72));
    EXPECT_EQ(at(image, 25, 20), qRgb(255, 0, 0)) << "rectangle";
    EXPECT_EQ(at(image, 70, 20), qRgb(0, 255, 0)) << "ellipse";
    EXPECT_EQ(at(image, 25, 50), qRgb(0, 0, 255)) << "polygon";
    EXPECT_EQ(at(image, 70, 45), qRgb(0, 0, 0)) << "line";
    EXPECT_EQ(at(image, 65, 53), qRgb(255, 0, 255)) << "bitmap, upper half";
    EXPECT_EQ(at(image, 65, 63), qRgb(0, 255, 255)) << "bitmap, lower half";
    EXPECT_EQ(qAlpha(at(image, 5, 5)), 0) << "nothing drawn";
    EXPECT_EQ(qAlpha(at(image, 52, 7)), 0) << "outside the ellipse's corner";
}

// Which kind an extension names, in any case, is the picture-kind rules' business; each kind
// is loaded here once, under a name in capitals.
TEST_F(SkinPictureTest, BitmapLoadsAtItsNaturalSize)
{
    const QImage image = load(write("SKIN.BMP", encoded(bitmapSkin(), "bmp")));
    ASSERT_EQ(image.size(), QSize(138, 208));
    EXPECT_EQ(at(image, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(at(image, 10, 200), qRgb(255, 0, 0));
    EXPECT_EQ(at(image, 130, 5), qRgb(0, 0, 255));
}

TEST_F(SkinPictureTest, IconLoadsWithItsTransparency)
{
    const QImage image = load(write("skin.ICO", encoded(iconSkin(), "ico")));
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(at(image, 16, 16), qRgb(0, 255, 0));
    EXPECT_EQ(qAlpha(at(image, 2, 2)), 0);
}

TEST_F(SkinPictureTest, MetafilesDrawWhicheverKindTheContentIsUnderEitherExtension)
{
    expectSamplePicture(load(write("skin.Emf", samples::sampleEmf())));
    expectSamplePicture(load(write("skin.WMF", samples::sampleWmf())));
    expectSamplePicture(load(write("enhanced.wmf", samples::sampleEmf())));
    expectSamplePicture(load(write("old.emf", samples::sampleWmf())));
}

TEST_F(SkinPictureTest, UnknownExtensionsAreRefusedBeforeTheFileIsLookedAt)
{
    write("chart.gif", encoded(bitmapSkin(), "gif"));
    EXPECT_EQ(errorOf(path("chart.gif")), "Unknown picture file extension (.gif)");
    EXPECT_EQ(errorOf(path("photo.PNG")), "Unknown picture file extension (.PNG)");
}

TEST_F(SkinPictureTest, FilesThatCannotBeOpenedAreNamedAsGiven)
{
    const std::string missing = path("missing.bmp");
    EXPECT_EQ(errorOf(missing), "Cannot open file " + missing);
    ASSERT_TRUE(std::filesystem::create_directory(folder / "folder.ico"));
    EXPECT_EQ(errorOf(path("folder.ico")), "Cannot open file " + path("folder.ico"));
    // A name reaches the file system as the bytes it was given.
    const std::string wideName = (folder / "\u7528\u6237\u20AC.bmp").string();
    EXPECT_EQ(errorOf(wideName), "Cannot open file " + wideName);
    write(QString::fromUtf8("\u7528\u6237\u20AC.bmp"), encoded(bitmapSkin(), "bmp"));
    EXPECT_EQ(load(wideName).size(), QSize(138, 208));
}

TEST_F(SkinPictureTest, ContentIsDecodedByTheKindTheExtensionNames)
{
    EXPECT_EQ(errorOf(write("photo.bmp", encoded(bitmapSkin(), "png"))),
              "Bitmap image is not valid");
    EXPECT_EQ(errorOf(write("bitmap.ico", encoded(bitmapSkin(), "bmp"))),
              "Icon image is not valid");
    EXPECT_EQ(errorOf(write("bitmap.emf", encoded(bitmapSkin(), "bmp"))), "Metafile is not valid");
}

TEST_F(SkinPictureTest, EmptyAndTruncatedFilesAreNotValid)
{
    const std::vector<std::tuple<QString, QByteArray, std::string>> kinds = {
        {"bmp", encoded(bitmapSkin(), "bmp"), "Bitmap image is not valid"},
        {"ico", encoded(iconSkin(), "ico"), "Icon image is not valid"},
        {"emf", samples::sampleEmf(), "Metafile is not valid"},
        {"wmf", samples::sampleWmf(), "Metafile is not valid"},
    };
    for (const auto& [extension, valid, expected] : kinds) {
        EXPECT_EQ(errorOf(write("empty." + extension, {})), expected);
        EXPECT_EQ(errorOf(write("half." + extension, valid.left(valid.size() / 2))), expected);
        EXPECT_EQ(errorOf(write("header." + extension, valid.left(20))), expected);
    }
}

TEST_F(SkinPictureTest, HugeMetafilesAreDrawnOnlyWhereTheyShowAndRefusedPastTheWorkCap)
{
    constexpr int side = 4096;
    constexpr int rectangles = 10'000;
    // Each rectangle fills all that shows: far more drawing than any skin needs.
    EXPECT_EQ(errorOf(write("covering.emf", samples::coveringRectanglesEmf(rectangles, side))),
              "Metafile is not valid");

    // As many rectangles beside the part that shows cost nothing.
    samples::EmfBuilder emf({side, side});
    emf.add(U_EMRSELECTOBJECT_set(U_NULL_PEN)).selectBrush(Qt::red);
    emf.add(U_EMRRECTANGLE_set(samples::rectl(0, 0, 20, 20)));
    emf.selectBrush(Qt::blue);
    for (int i = 0; i < rectangles; ++i)
        emf.add(U_EMRRECTANGLE_set(samples::rectl(200 + i % 100, 0, side, side)));
    emf.add(U_EMRRECTANGLE_set(samples::rectl(130, 100, side, side)));
    const QImage image = load(write("beside.emf", emf.finish()));
    ASSERT_EQ(image.size(), skinArea);
    EXPECT_EQ(at(image, 10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(at(image, 135, 200), qRgb(0, 0, 255)) << "drawn where it shows";
    EXPECT_EQ(qAlpha(at(image, 60, 60)), 0);
}

// A BMP header for a bottom-up 8-bit picture whose rows are run-length encoded: the file
// stays tiny whatever size the header claims.
QByteArray rleBitmapHeader(std::int32_t width, std::int32_t height)
{
    QByteArray bytes("BM");
    samples::appendU32(bytes, 14 + 40 + 8 + 2);
    samples::appendU32(bytes, 0);
    samples::appendU32(bytes, 14 + 40 + 8);
    samples::appendU32(bytes, 40);
    samples::appendU32(bytes, static_cast<std::uint32_t>(width));
    samples::appendU32(bytes, static_cast<std::uint32_t>(height));
    samples::appendU16(bytes, 1);
    samples::appendU16(bytes, 8);
    samples::appendU32(bytes, 1); // BI_RLE8
    samples::appendU32(bytes, 2);
    samples::appendU32(bytes, 3780);
    samples::appendU32(bytes, 3780);
    samples::appendU32(bytes, 2);
    samples::appendU32(bytes, 0);
    samples::appendU32(bytes, 0x00000000); // black
    samples::appendU32(bytes, 0x00FFFFFF); // white
    bytes.append("\x00\x01", 2);           // end of bitmap
    return bytes;
}

TEST_F(SkinPictureTest, BitmapHeadersClaimingHugePicturesAreRefusedBeforeDecoding)
{
    EXPECT_EQ(load(write("small.bmp", rleBitmapHeader(300, 200))).size(), QSize(138, 200));
    EXPECT_EQ(errorOf(write("huge.bmp", rleBitmapHeader(100000, 100000))),
              "Bitmap image is not valid");
    // 25 million pixels: Qt's own limits would decode it, the skin limit does not.
    EXPECT_EQ(errorOf(write("large.bmp", rleBitmapHeader(5000, 5000))),
              "Bitmap image is not valid");
    EXPECT_EQ(errorOf(write("wide.bmp", rleBitmapHeader(10000, 10))), "Bitmap image is not valid");
    // 118 bytes claiming 2^31 - 1 by 2^31 - 1 pixels at 24 bits: more bytes than 64 bits count.
    QByteArray overflowing = rleBitmapHeader(0x7FFFFFFF, 0x7FFFFFFF).left(14 + 40);
    overflowing[28] = 24;
    samples::putU32(overflowing, 30, 0); // BI_RGB
    overflowing.append(118 - overflowing.size(), '\0');
    EXPECT_EQ(errorOf(write("overflow.bmp", overflowing)), "Bitmap image is not valid");
}

} // namespace
} // namespace stocks
