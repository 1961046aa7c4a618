#include "skin/skin_picture.h"

#include "core/stock_error.h"
#include "tests/support/sample_pictures.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace stocks {
namespace {

using samples::encoded;

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
        try {
            loadSkinPicture(fileName);
        } catch (const StockError& error) {
            return error.what();
        }
        return "loaded";
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

TEST_F(SkinPictureTest, BitmapLoadsAtItsNaturalSizeWhateverTheCaseOfItsExtension)
{
    for (const QString name : {"skin.bmp", "SKIN.BMP", "skin.Bmp"}) {
        const QImage image = loadSkinPicture(write(name, encoded(bitmapSkin(), "bmp")));
        ASSERT_EQ(image.size(), QSize(138, 208)) << name.toStdString();
        EXPECT_EQ(at(image, 0, 0), qRgb(255, 255, 255));
        EXPECT_EQ(at(image, 10, 200), qRgb(255, 0, 0));
        EXPECT_EQ(at(image, 130, 5), qRgb(0, 0, 255));
    }
}

TEST_F(SkinPictureTest, IconLoadsWithItsTransparency)
{
    for (const QString name : {"skin.ico", "skin.ICO"}) {
        const QImage image = loadSkinPicture(write(name, encoded(iconSkin(), "ico")));
        ASSERT_EQ(image.size(), QSize(32, 32)) << name.toStdString();
        EXPECT_EQ(at(image, 16, 16), qRgb(0, 255, 0));
        EXPECT_EQ(qAlpha(at(image, 2, 2)), 0);
    }
}

TEST_F(SkinPictureTest, MetafilesDrawTheirShapesAndBitmaps)
{
    expectSamplePicture(loadSkinPicture(write("skin.emf", samples::sampleEmf())));
    expectSamplePicture(loadSkinPicture(write("skin.Emf", samples::sampleEmf())));
    expectSamplePicture(loadSkinPicture(write("skin.wmf", samples::sampleWmf())));
    expectSamplePicture(loadSkinPicture(write("skin.WMF", samples::sampleWmf())));
}

TEST_F(SkinPictureTest, MetafileKindComesFromTheContentNotTheExtension)
{
    expectSamplePicture(loadSkinPicture(write("enhanced.wmf", samples::sampleEmf())));
    expectSamplePicture(loadSkinPicture(write("old.emf", samples::sampleWmf())));
}

TEST_F(SkinPictureTest, UnknownExtensionsAreRefusedBeforeTheFileIsLookedAt)
{
    write("chart.gif", encoded(bitmapSkin(), "gif"));
    EXPECT_EQ(errorOf(path("chart.gif")), "Unknown picture file extension (.gif)");
    EXPECT_EQ(errorOf(path("photo.PNG")), "Unknown picture file extension (.PNG)");
    EXPECT_EQ(errorOf(path("skin")), "Unknown picture file extension (.)");
    EXPECT_EQ(errorOf(""), "Unknown picture file extension (.)");
    ASSERT_TRUE(std::filesystem::create_directory(folder / "old.bmp"));
    EXPECT_EQ(errorOf(path("old.bmp/skin")), "Unknown picture file extension (.)");
}

TEST_F(SkinPictureTest, FilesThatCannotBeOpenedAreNamedAsGiven)
{
    const std::string missing = path("missing.bmp");
    EXPECT_EQ(errorOf(missing), "Cannot open file " + missing);
    EXPECT_EQ(errorOf(path("missing.EMF")), "Cannot open file " + path("missing.EMF"));
    ASSERT_TRUE(std::filesystem::create_directory(folder / "folder.ico"));
    EXPECT_EQ(errorOf(path("folder.ico")), "Cannot open file " + path("folder.ico"));
    // A name reaches the file system as the bytes it was given.
    const std::string wideName = (folder / "\u7528\u6237\u20AC.bmp").string();
    EXPECT_EQ(errorOf(wideName), "Cannot open file " + wideName);
    write(QString::fromUtf8("\u7528\u6237\u20AC.bmp"), encoded(bitmapSkin(), "bmp"));
    EXPECT_EQ(loadSkinPicture(wideName).size(), QSize(138, 208));
}

TEST_F(SkinPictureTest, ContentIsDecodedByTheKindTheExtensionNames)
{
    EXPECT_EQ(errorOf(write("photo.bmp", encoded(bitmapSkin(), "png"))),
              "Bitmap image is not valid");
    EXPECT_EQ(errorOf(write("bitmap.ico", encoded(bitmapSkin(), "bmp"))),
              "Icon image is not valid");
    EXPECT_EQ(errorOf(write("icon.bmp", encoded(iconSkin(), "ico"))), "Bitmap image is not valid");
    EXPECT_EQ(errorOf(write("bitmap.emf", encoded(bitmapSkin(), "bmp"))), "Metafile is not valid");
}

TEST_F(SkinPictureTest, EmptyTruncatedAndRandomFilesAreNotValid)
{
    const std::vector<std::pair<QString, QByteArray>> kinds = {
        {"bmp", encoded(bitmapSkin(), "bmp")},
        {"ico", encoded(iconSkin(), "ico")},
        {"emf", samples::sampleEmf()},
        {"wmf", samples::sampleWmf()},
    };
    const std::map<QString, std::string> messages = {{"bmp", "Bitmap image is not valid"},
                                                     {"ico", "Icon image is not valid"},
                                                     {"emf", "Metafile is not valid"},
                                                     {"wmf", "Metafile is not valid"}};
    std::mt19937 random(1252);
    for (const auto& [extension, valid] : kinds) {
        const std::string expected = messages.at(extension);
        QByteArray noise(4096, '\0');
        std::generate(noise.begin(), noise.end(),
                      [&random] { return static_cast<char>(random()); });
        EXPECT_EQ(errorOf(write("empty." + extension, {})), expected);
        EXPECT_EQ(errorOf(write("half." + extension, valid.left(valid.size() / 2))), expected);
        EXPECT_EQ(errorOf(write("header." + extension, valid.left(20))), expected);
        EXPECT_EQ(errorOf(write("noise." + extension, noise)), expected);
        // A device that never ends, such as a link to /dev/zero, is read only so far.
        ASSERT_TRUE(QFile::link(
            "/dev/zero",
            QString::fromStdString((folder / ("endless." + extension.toStdString())).string())));
        EXPECT_EQ(errorOf(path("endless." + extension)), expected);
    }
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
    EXPECT_EQ(loadSkinPicture(write("small.bmp", rleBitmapHeader(300, 200))).size(),
              QSize(300, 200));
    EXPECT_EQ(errorOf(write("huge.bmp", rleBitmapHeader(100000, 100000))),
              "Bitmap image is not valid");
    // 25 million pixels: Qt's own limits would decode it, the skin limit does not.
    EXPECT_EQ(errorOf(write("large.bmp", rleBitmapHeader(5000, 5000))),
              "Bitmap image is not valid");
    EXPECT_EQ(errorOf(write("wide.bmp", rleBitmapHeader(10000, 10))), "Bitmap image is not valid");
}

} // namespace
} // namespace stocks
