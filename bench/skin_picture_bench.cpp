// Skin loading against Qt's own bitmap loading, and metafile playback against drawing the
// same shapes with QPainter directly.

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
        benchmark::DoNotOptimize(stocks::loadSkinPicture(path));
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
