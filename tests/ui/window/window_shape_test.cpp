// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/window/window_shape.h"

#include "core/dollar_outline.h"
#include "platform/system_metrics.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_folder.h"
#include "ui/stokfile1.h"
#include "ui/widgets/click_label.h"
#include "ui/widgets/unseen_list_box.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegion>
#include <QWidget>

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace stocks {
namespace {

using platform::SystemMetric;

class WindowShapeTest : public ::testing::Test {
protected:
    void TearDown() override { platform::resetSystemMetrics(); }

    static QRegion shapeOfPlainWindow(bool keepCaptionBand)
    {
        QWidget window;
        window.resize(146, 235);
        ApplyWindowShape(&window, keepCaptionBand);
        return window.mask();
    }
};

std::int64_t pixelCount(const QRegion& region)
{
    return std::accumulate(region.begin(), region.end(), std::int64_t{0},
                           [](std::int64_t sum, const QRect& rect) {
                               return sum + static_cast<std::int64_t>(rect.width()) * rect.height();
                           });
}

TEST_F(WindowShapeTest, KeepsTheOutlineAndCutsAwayFrameCaptionAndSurroundings)
{
    const QRegion shape = shapeOfPlainWindow(false);

    // The region and the outline agree on every pixel of the window whose centre is clear of
    // the edges: the sign's strokes are in, its mouths, the frame and the caption bar are out.
    int disagreements = 0;
    for (int y = 0; y < 235; ++y) {
        for (int x = 0; x < 146; ++x) {
            const double clientX = x - 4 + 0.5;
            const double clientY = y - 23 + 0.5;
            const bool nearEdge =
                outlineContains(clientX - 1, clientY) != outlineContains(clientX + 1, clientY) ||
                outlineContains(clientX, clientY - 1) != outlineContains(clientX, clientY + 1);
            if (!nearEdge && shape.contains(QPoint(x, y)) != outlineContains(clientX, clientY))
                ++disagreements;
        }
    }
    EXPECT_EQ(disagreements, 0);

    // Vertex 0, window (7, 158), is the corner where the lower hook's left edge steps from
    // x = 6 below it to x = 7 above it.
    EXPECT_TRUE(shape.contains(QPoint(7, 158)));
    EXPECT_TRUE(shape.contains(QPoint(6, 158)));
    EXPECT_FALSE(shape.contains(QPoint(5, 158)));
    EXPECT_TRUE(shape.contains(QPoint(7, 157)));
    EXPECT_FALSE(shape.contains(QPoint(6, 157)));
    EXPECT_EQ(shape.boundingRect(), QRect(QPoint(6, 25), QPoint(137, 223)));
    // Polygon fill rules differ only along the edges: the area stays close to 17,745 pixels.
    EXPECT_NEAR(static_cast<double>(pixelCount(shape)), 17745.0, 17745.0 * 0.02);
}

TEST_F(WindowShapeTest, CaptionBandIsAddedOnlyWhenAskedFor)
{
    const QRegion outline = shapeOfPlainWindow(false);
    const QRegion withBand = shapeOfPlainWindow(true);

    const QRegion band(0, 0, 146, 23);
    EXPECT_EQ(withBand.intersected(QRect(0, 0, 146, 23)), band);
    EXPECT_EQ(withBand.subtracted(band), outline);
    EXPECT_TRUE(withBand.contains(QPoint(0, 0)));
    EXPECT_TRUE(withBand.contains(QPoint(145, 22)));
    EXPECT_FALSE(withBand.contains(QPoint(0, 23)));
}

TEST_F(WindowShapeTest, LargerFrameAndCaptionMoveTheOutlineByTheSameAmounts)
{
    const QRegion classic = shapeOfPlainWindow(false);
    EXPECT_EQ(clientOffset().left, 4);
    EXPECT_EQ(clientOffset().top, 23);

    platform::overrideSystemMetric(SystemMetric::CxFrame, 9);
    platform::overrideSystemMetric(SystemMetric::CyCaption, 30);
    platform::overrideSystemMetric(SystemMetric::CyFrame, 6);
    EXPECT_EQ(clientOffset().left, 9);
    EXPECT_EQ(clientOffset().top, 36);

    QWidget window;
    window.resize(2 * 9 + 138, 36 + 208 + 6);
    ApplyWindowShape(&window, true);
    const QRegion moved = window.mask();

    EXPECT_EQ(moved.subtracted(QRegion(0, 0, 156, 36)), classic.translated(5, 13));
    EXPECT_EQ(moved.intersected(QRect(0, 0, 156, 36)), QRegion(0, 0, 156, 36));
    EXPECT_TRUE(moved.contains(QPoint(3 + 9, 135 + 36)));
}

TEST_F(WindowShapeTest, MainWindowWearsTheShapeFromItsFirstMoment)
{
    TempFolder folder;
    const std::filesystem::path dir = folder.path();
    TForm1 form({dir / "stocks.INI", dir / "MorvaneStocks.html"});

    EXPECT_EQ(form.mask(), shapeOfPlainWindow(false));
    // The controls on the sign lie inside it; the hidden ones outside.
    const auto centreOf = [&form](const QWidget* control) {
        return control->mapTo(&form, control->rect().center());
    };
    const std::vector<const QWidget*> onTheSign = {form.Stock, form.price, form.add, form.rem,
                                                   form.ref,   form.xout,  form.Dat, form.Brok};
    for (const QWidget* control : onTheSign)
        EXPECT_TRUE(form.mask().contains(centreOf(control))) << control->objectName().toStdString();
    EXPECT_FALSE(form.mask().intersects(
        QRect(form.ListBox1->mapTo(&form, QPoint(0, 0)), form.ListBox1->size())));
}

} // namespace
} // namespace stocks
