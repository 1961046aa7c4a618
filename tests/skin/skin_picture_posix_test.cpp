// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// What only POSIX systems put behind a file name: a FIFO, a device, bytes that are no UTF-8.

#include "skin/picture_kind.h"
#include "skin/skin_picture.h"

#include "tests/support/error_of.h"
#include "tests/support/temp_folder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace stocks {
namespace {

std::string errorOfLoading(const std::string& fileName)
{
    return errorOf([&] { loadSkinPicture(fileName, QSize(138, 208)); });
}

TEST(SkinPicturePosix, AnythingButARegularFileIsRefusedWithoutWaitingForIt)
{
    const TempFolder folder;
    for (const std::string extension : {"bmp", "ico", "emf", "wmf"}) {
        // Opening a FIFO for reading waits for a writer that never comes.
        const std::string fifo = (folder / ("pipe." + extension)).string();
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        EXPECT_EQ(errorOfLoading(fifo), "Cannot open file " + fifo);
        const std::string device = (folder / ("endless." + extension)).string();
        ASSERT_TRUE(QFile::link("/dev/zero", QString::fromStdString(device)));
        EXPECT_EQ(errorOfLoading(device), "Cannot open file " + device);
    }
}

TEST(SkinPicturePosix, AWindows1252CapitalInANameIsNoAsciiLetter)
{
    // The name's own bytes, folded onto no known extension and shown as written.
    EXPECT_EQ(errorOf([] { pictureKindFor("skin.\xC9mf"); }),
              "Unknown picture file extension (.\xC9mf)");
}

} // namespace
} // namespace stocks
