// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/built_in_resources.h"

#include <QImageReader>

#include <gtest/gtest.h>

namespace stocks {
namespace {

// Our own reading of the built-in pictures gives what Qt's readers give, pixel for pixel,
// the icons' transparent ground included.
TEST(BuiltInPictures, ReadAsQtReadsThem)
{
    for (const char* resource : {":/skin.bmp", ":/window_icon.ico", ":/program_icon.ico"}) {
        SCOPED_TRACE(resource);
        const QImage ours = builtInPicture(QString::fromLatin1(resource));
        ASSERT_FALSE(ours.isNull());
        const QImage theirs = QImageReader(QString::fromLatin1(resource)).read();
        ASSERT_FALSE(theirs.isNull());
        EXPECT_EQ(ours.convertToFormat(QImage::Format_ARGB32),
                  theirs.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_TRUE(builtInPicture(QStringLiteral(":/no such picture")).isNull());
}

} // namespace
} // namespace stocks
