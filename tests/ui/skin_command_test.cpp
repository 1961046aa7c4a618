// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "tests/support/qt_printers.h"
#include "tests/ui/form1_fixture.h"

#include <QImage>
#include <QLabel>

namespace stocks {
namespace {

class SkinCommandTest : public Form1Test {
protected:
    /// A one-colour bitmap in the test folder.
    QString bitmap(const char* name, QColor colour) const
    {
        QImage image(20, 30, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = QString::fromStdString((folder / name).string());
        EXPECT_TRUE(image.save(path, "bmp"));
        return path;
    }

    QColor skinPixel() const { return form->Image1->pixmap().toImage().pixelColor(5, 5); }
};

TEST_F(SkinCommandTest, AChosenSkinShowsAtOnceIsStoredAndComesBackAtTheNextStart)
{
    const QString blue = bitmap("blue.BMP", Qt::blue);
    start();
    const QColor builtIn = skinPixel();

    prompts.skinAnswer = std::nullopt;
    form->Label2DblClick();
    EXPECT_EQ(skinPixel(), builtIn);
    EXPECT_EQ(setting("form", "skin"), "<none>");

    prompts.skinAnswer = blue;
    form->Label2DblClick();
    EXPECT_EQ(skinPixel(), QColor(Qt::blue));
    EXPECT_EQ(setting("form", "skin"), blue.toStdString());
    EXPECT_EQ(prompts.skinAskedWith, QStringList({"0", "0"}));

    form->Label2DblClick();
    EXPECT_EQ(prompts.skinAskedWith.last(), blue);
    ASSERT_TRUE(form->close());

    start();
    EXPECT_EQ(skinPixel(), QColor(Qt::blue));
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
}

TEST_F(SkinCommandTest, ARefusedSkinLeavesPictureAndSettingsAsTheyWere)
{
    const QString red = bitmap("red.bmp", Qt::red);
    start();
    prompts.skinAnswer = red;
    form->Label2DblClick();
    const std::string settingsBefore = bytesOf(files.settingsFile);

    const QString gif = QString::fromStdString((folder / "photo.gif").string());
    writeBytes(folder / "photo.gif", "GIF89a");
    const QString missing = QString::fromStdString((folder / "missing.bmp").string());
    const QString notABitmap = QString::fromStdString((folder / "text.bmp").string());
    writeBytes(folder / "text.bmp", "plain text, not a picture");

    for (const auto& [choice, message] :
         {std::pair{gif, QString("Unknown picture file extension (.gif)")},
          std::pair{missing, "Cannot open file " + missing + "."},
          std::pair{notABitmap, QString("Bitmap image is not valid.")}}) {
        prompts.errors.clear();
        prompts.skinAnswer = choice;
        form->Label2DblClick();
        EXPECT_EQ(prompts.errors, QStringList{message});
        EXPECT_EQ(skinPixel(), QColor(Qt::red));
        EXPECT_EQ(bytesOf(files.settingsFile), settingsBefore);
        // The refused choice is still what the next dialog starts with.
        form->Label2DblClick();
        EXPECT_EQ(prompts.skinAskedWith.last(), choice);
    }
}

TEST_F(SkinCommandTest, ASettingsFileThatCannotBeWrittenKeepsTheSkinForThisRunOnly)
{
    const QString green = bitmap("green.bmp", Qt::green);
    start();
    std::filesystem::create_directory(files.settingsFile);
    prompts.skinAnswer = green;
    form->Label2DblClick();
    EXPECT_EQ(prompts.errors,
              QStringList{"Unable to write to " + toQt(files.settingsFile.string()) + "."});
    EXPECT_EQ(skinPixel(), QColor(Qt::green));
}

TEST_F(SkinCommandTest, AStoredSkinThatWillNotLoadIsShownAndTheWatchListStillLoads)
{
    writeBytes(page(), pageBytes(closedPage({lines::stock("IBM", "95")}, 10)));
    for (const auto& [value, message] :
         {std::pair{std::string(""), QString("Unknown picture file extension (.)")},
          std::pair{std::string("0"), QString()}}) {
        writeSettings("[form]\r\nskin=" + value + "\r\n");
        prompts.errors.clear();
        start();
        EXPECT_EQ(prompts.errors, message.isEmpty() ? QStringList() : QStringList{message});
        EXPECT_EQ(items().size(), 9U);
    }
}

} // namespace
} // namespace stocks
