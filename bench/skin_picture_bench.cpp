// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

// Skin loading against Qt's own bitmap loading, metafile playback against drawing the same
// shapes with QPainter directly, and the load of huge metafiles of which only the top-left
// corner ever shows.

#include "core/stock_error.h"
#include "skin/metafile_reader.h"
#include "skin/skin_picture.h"
#include "tests/support/headless_qt.h"
#include "tests/support/sample_pictures.h"
#include "tests/support/temp_folder.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

constexpr int shapeCount = 1000;
constexpr int canvasSide = 400;
constexpr QSize skinArea(138, 208);

// The built-in skin's size: 138 x 208 pixels.
class BitmapFile {
public:
    BitmapFile()
    {
        QImage skin(138, 208, QImage::Format_RGB32);
        skin.fill(Qt::darkGreen);
        QPainter(&skin).fillRect(40, 20, 60, 160, Qt::yellow);
        path_ = QString::fromStdString((folder_ / "skin.bmp").string());
        skin.save(path_, "bmp");
    }
    const QString& path() const { return path_; }

private:
    stocks::TempFolder folder_;
    QString path_;
};

const BitmapFile& bitmapFile()
{
    static const BitmapFile file;
    return file;
}

// cppcheck-suppress constParameterCallback
void loadSkinBitmap(benchmark::State& state)
{
    const std::string path = bitmapFile().path().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(stocks::loadSkinPicture(path, skinArea));
}
BENCHMARK(loadSkinBitmap);

// cppcheck-suppress constParameterCallback
void loadQtBitmap(benchmark::State& state)
{
    const QString path = bitmapFile().path();
    for (auto _ : state)
        benchmark::DoNotOptimize(QImage(path));
}
BENCHMARK(loadQtBitmap);

// 4096 x 4096 pixels of rectangles that each cover it all: 240 KB for 10,000 records. Such a
// file must load, or be refused, in 50 ms; one of 100,000 records in 500 ms.
// cppcheck-suppress constParameterCallback
void loadCoveringMetafile(benchmark::State& state)
{
    const stocks::TempFolder folder;
    const auto path = (folder / "covering.emf").string();
    QFile file(QString::fromStdString(path));
    file.open(QIODevice::WriteOnly);
    file.write(stocks::samples::coveringRectanglesEmf(static_cast<int>(state.range(0)), 4096));
    file.close();
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(stocks::loadSkinPicture(path, skinArea));
        } catch (const stocks::StockError&) {
            state.counters["refused"] = 1;
        }
    }
}
BENCHMARK(loadCoveringMetafile)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// An old-style metafile that fills its object table of 65,535 slots and then asks for 10,000
// objects more, each of which must look for a free slot.
// cppcheck-suppress constParameterCallback
void loadFullObjectTable(benchmark::State& state)
{
    const auto brush = [] {
        return U_WMRCREATEBRUSHINDIRECT_set(
            U_WLOGBRUSH_set(U_BS_SOLID, stocks::samples::colorRef(Qt::red), 0));
    };
    stocks::samples::WmfBuilder wmf(QRect(0, 0, 138, 208), 96);
    for (int i = 0; i < 65'535; ++i)
        wmf.create(brush());
    for (int i = 0; i < 10'000; ++i)
        wmf.add(brush());
    const auto metafile = stocks::Metafile::fromBytes(wmf.finish());
    for (auto _ : state)
        benchmark::DoNotOptimize(metafile.toImage(skinArea));
}
BENCHMARK(loadFullObjectTable)->Unit(benchmark::kMillisecond);

// cppcheck-suppress constParameterCallback
void paintMetafile(benchmark::State& state)
{
    const auto metafile =
        stocks::Metafile::fromBytes(stocks::samples::manyShapesEmf(shapeCount, canvasSide));
    QImage canvas(canvasSide, canvasSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        metafile.paint(painter);
    }
}
BENCHMARK(paintMetafile);

// The shapes manyShapesEmf records, in the same order and colours.
// cppcheck-suppress constParameterCallback
void paintDirectly(benchmark::State& state)
{
    QImage canvas(canvasSide, canvasSide, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&canvas);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < shapeCount; ++i) {
            const int x = (i * 37) % (canvasSide - 40);
            const int y = (i * 53) % (canvasSide - 40);
            painter.setBrush(QColor(i % 256, (i * 7) % 256, (i * 13) % 256));
            const QRectF box(x, y, 30, 20);
            if (i % 3 == 0) {
                painter.drawRect(box);
            } else if (i % 3 == 1) {
                painter.drawEllipse(box);
            } else {
                const QPointF triangle[] = {{box.left(), box.bottom()},
                                            {box.right(), box.bottom()},
                                            {box.center().x(), box.top()}};
                painter.drawPolygon(triangle, 3);
            }
        }
    }
}
BENCHMARK(paintDirectly);

} // namespace

int main(int argc, char** argv)
{
    const stocks::HeadlessQt headless;
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
