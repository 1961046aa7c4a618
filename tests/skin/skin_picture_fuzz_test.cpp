// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "skin/skin_picture.h"

#include "core/stock_error.h"
#include "skin/picture_limits.h"
#include "tests/support/sample_pictures.h"
#include "tests/support/temp_folder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

namespace stocks {
namespace {

constexpr int maxRounds = 4000;
constexpr qint64 timeBudgetMs = 4000;

struct Seed {
    QString extension;
    std::string message;
    QByteArray bytes;
};

std::vector<Seed> seeds()
{
    QImage bitmap(24, 16, QImage::Format_RGB32);
    bitmap.fill(Qt::red);
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(4, 4, 8, 8, Qt::blue);
    return {
        {"bmp", "Bitmap image is not valid", samples::encoded(bitmap, "bmp")},
        {"ico", "Icon image is not valid", samples::encoded(icon, "ico")},
        {"emf", "Metafile is not valid", samples::sampleEmf()},
        {"wmf", "Metafile is not valid", samples::sampleWmf()},
    };
}

// Bit flips, cuts, and size or count fields set to edge values, as a damaged or hostile
// file would have them; now and then plain noise.
QByteArray mutate(QByteArray bytes, std::mt19937& random)
{
    const auto pick = [&random](std::uint32_t below) {
        return below == 0 ? 0u : std::uniform_int_distribution<std::uint32_t>(0, below - 1)(random);
    };
    static constexpr std::array<std::uint32_t, 9> edges = {
        0, 1, 2, 0xFF, 0xFFFF, 0x10000, 0x40000000, 0x7FFFFFFF, 0xFFFFFFFF};
    const int mutations = 1 + static_cast<int>(pick(4));
    for (int m = 0; m < mutations && !bytes.isEmpty(); ++m) {
        const auto size = static_cast<std::uint32_t>(bytes.size());
        switch (pick(5)) {
        case 0:
            for (std::uint32_t flips = 1 + pick(8); flips > 0; --flips)
                bytes[pick(size)] = static_cast<char>(bytes[pick(size)] ^ (1 << pick(8)));
            break;
        case 1:
            bytes.truncate(pick(size));
            break;
        case 2:
            if (size >= 4) {
                const std::uint32_t at = pick(size - 3) & ~1u;
                samples::putU32(bytes, at, edges[pick(edges.size())]);
            }
            break;
        case 3:
            if (size >= 2) {
                const std::uint32_t at = pick(size - 1) & ~1u;
                const auto value = static_cast<std::uint16_t>(pick(0x10000));
                bytes[at] = static_cast<char>(value & 0xFF);
                bytes[at + 1] = static_cast<char>(value >> 8);
            }
            break;
        default:
            if (pick(4) == 0)
                std::generate(bytes.begin(), bytes.end(),
                              [&pick] { return static_cast<char>(pick(256)); });
            break;
        }
    }
    return bytes;
}

TEST(SkinPictureFuzz, DamagedFilesLoadOrFailWithTheirKindsMessage)
{
    TempFolder folder;
    const std::vector<Seed> kinds = seeds();
    std::mt19937 random(1252);
    std::vector<int> loaded(kinds.size());
    std::vector<int> refused(kinds.size());
    QElapsedTimer clock;
    clock.start();
    int rounds = 0;
    for (; rounds < maxRounds && clock.elapsed() < timeBudgetMs; ++rounds) {
        const std::size_t kind = static_cast<std::size_t>(rounds) % kinds.size();
        const Seed& seed = kinds[kind];
        const QByteArray bytes = mutate(seed.bytes, random);
        // A new file each round: rewriting one in place makes some file systems flush it.
        const QString name =
            QString::fromStdString((folder / ("fuzz." + seed.extension.toStdString())).string());
        QFile::remove(name);
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        try {
            const QImage image = loadSkinPicture(name.toStdString(), QSize(138, 208));
            ++loaded[kind];
            EXPECT_TRUE(pictureSizeAllowed(image.width(), image.height()))
                << "round " << rounds << ": " << bytes.toHex().left(200).toStdString();
        } catch (const StockError& error) {
            ++refused[kind];
            EXPECT_EQ(error.what(), seed.message)
                << "round " << rounds << ": " << bytes.toHex().left(200).toStdString();
        }
    }
    ::testing::Test::RecordProperty("rounds", rounds);
    for (std::size_t kind = 0; kind < kinds.size(); ++kind) {
        EXPECT_GT(loaded[kind], 0) << kinds[kind].extension.toStdString();
        EXPECT_GT(refused[kind], 0) << kinds[kind].extension.toStdString();
    }
}

} // namespace
} // namespace stocks
