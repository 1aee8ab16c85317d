// A chart drawn for screens of device-pixel ratio 1, 1.25, 1.5, 1.75 and 2:
// its picture has the device's size, every horizontal grid line one and the
// same thickness, its series stays inside the wall, its text is drawn at the
// device's resolution and its zoom frame vanishes without a trace.
#include "support/raster/DeviceScale.h"

#include "tests/chart/ChartMouseTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const double Ratios[] = {1, 1.25, 1.5, 1.75, 2};

bool IsGridGrey(QRgb c) { return c == qRgb(0x80, 0x80, 0x80); }
bool IsRed(QRgb c) { return c == qRgb(255, 0, 0); }

// The chart of the mouse tests, drawn at the given ratio.
struct TDenseChart {
    explicit TDenseChart(double ratio) : Scale(TDeviceScale::ForRatio(ratio))
    {
        T.Chart.ForcePictureRatio(ratio);
        T.Paint();
    }
    QImage Picture() const { return ImageView(T.Chart.WindowImage()); }
    // Device rows [Map(top), Map(bottom)) and columns likewise.
    QRect Device(const TRect& r) const
    {
        const TRect d = Scale.Map(r);
        return QRect(d.Left, d.Top, d.Width(), d.Height());
    }

    TDeviceScale Scale;
    TMouseTestChart T;
};

} // namespace

TEST(ChartHighDensity, ThePictureHasTheDeviceSizeAndIsShownOneToOne)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        EXPECT_EQ(c.Picture().width(), c.Scale.Map(c.T.Window.width()));
        EXPECT_EQ(c.Picture().height(), c.Scale.Map(c.T.Window.height()));
        EXPECT_EQ(c.Picture().devicePixelRatio(), ratio);
        // The off-screen bitmap is the window's picture, pixel for pixel.
        ASSERT_NE(c.T.Chart.Canvas().OffscreenBitmap(), nullptr);
        EXPECT_TRUE(ImageView(*c.T.Chart.Canvas().OffscreenBitmap()) == c.Picture());
    }
}

// Grid lines are dotted grey: a row of the wall with many grey pixels is
// part of a grid line, and consecutive such rows make one line. The rows
// of each line, top to bottom.
std::vector<std::vector<int>> HorizontalGridLines(const TDenseChart& c)
{
    const TRect& p = c.T.Chart.Layout().PlotRect;
    const QRect inside = c.Device(TRect{p.Left + 1, p.Top + 1, p.Right, p.Bottom - 1});
    std::vector<std::vector<int>> lines;
    bool inLine = false;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        int grey = 0;
        for (int x = inside.left(); x <= inside.right(); ++x)
            grey += IsGridGrey(c.Picture().pixel(x, y));
        const bool gridRow = grey > inside.width() / 4;
        if (gridRow && !inLine)
            lines.emplace_back();
        if (gridRow)
            lines.back().push_back(y);
        inLine = gridRow;
    }
    return lines;
}

TEST(ChartHighDensity, EveryHorizontalGridLineHasTheSameThickness)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        const auto lines = HorizontalGridLines(c);
        ASSERT_GE(lines.size(), 3u);
        for (const auto& rows : lines)
            EXPECT_EQ(static_cast<int>(rows.size()), c.Scale.Thickness) << rows.front();
    }
}

// The dotted pen keeps one rhythm along a grid line: every run of dots and
// of gaps in device pixels is as long as every other, save the line's ends
// and where the series or another grid line crosses it.
TEST(ChartHighDensity, DottedGridLinesKeepAnEvenRhythm)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        const auto lines = HorizontalGridLines(c);
        ASSERT_FALSE(lines.empty());
        const int y = lines.front().front();
        const TRect& p = c.T.Chart.Layout().PlotRect;
        std::map<bool, std::set<int>> runs;
        int length = 0; // 0: no run yet, after the start or a cut
        bool whole = false; // the current run began at a change
        bool on = false;
        for (int x = c.Scale.Map(p.Left + 1); x < c.Scale.Map(p.Right); ++x) {
            const QRgb pixel = c.Picture().pixel(x, y);
            // Where the series or a vertical grid line crosses, the run is cut.
            const bool crossed = IsGridGrey(c.Picture().pixel(x, y - c.Scale.Thickness - 1)) ||
                                 IsGridGrey(c.Picture().pixel(x + 1, y - c.Scale.Thickness - 1));
            if (crossed || IsRed(pixel) || IsRed(c.Picture().pixel(x + 1, y))) {
                length = 0;
                continue;
            }
            const bool grey = IsGridGrey(pixel);
            if (length > 0 && grey == on) {
                ++length;
                continue;
            }
            if (length > 0 && whole)
                runs[on].insert(length);
            whole = length > 0;
            on = grey;
            length = 1;
        }
        ASSERT_FALSE(runs[true].empty());
        EXPECT_EQ(runs[true].size(), 1u) << *runs[true].begin() << ".." << *runs[true].rbegin();
        EXPECT_EQ(runs[false].size(), 1u) << *runs[false].begin() << ".." << *runs[false].rbegin();
    }
}

TEST(ChartHighDensity, EveryRedPixelOfTheSeriesLiesInsideTheWall)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        const TRect& p = c.T.Chart.Layout().PlotRect;
        const QRect inside = c.Device(TRect{p.Left + 1, p.Top + 1, p.Right, p.Bottom - 1});
        int red = 0;
        for (int y = 0; y < c.Picture().height(); ++y)
            for (int x = 0; x < c.Picture().width(); ++x)
                if (IsRed(c.Picture().pixel(x, y))) {
                    ++red;
                    ASSERT_TRUE(inside.contains(x, y)) << x << "," << y;
                }
        EXPECT_GT(red, c.T.Chart.Layout().PlotRect.Width() * ratio);
    }
}

// Blown-up text would paint every logical pixel's block of device pixels in
// one colour; text at the device's resolution has ink that splits blocks.
TEST(ChartHighDensity, TextIsDrawnAtTheDeviceResolution)
{
    for (double ratio : {1.5, 1.75, 2.0}) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        const TRect box = c.T.Chart.Title().TitleBox;
        const QRgb face = c.Picture().pixel(c.Scale.Map(box.Left), c.Scale.Map(box.Top));
        int inked = 0;
        int split = 0;
        for (int y = box.Top; y < box.Bottom; ++y)
            for (int x = box.Left; x < box.Right; ++x) {
                const QRect block = c.Device(TRect{x, y, x + 1, y + 1});
                std::set<QRgb> colours;
                for (int dy = block.top(); dy <= block.bottom(); ++dy)
                    for (int dx = block.left(); dx <= block.right(); ++dx)
                        colours.insert(c.Picture().pixel(dx, dy));
                if (colours.size() == 1 && *colours.begin() == face)
                    continue;
                ++inked;
                split += colours.size() > 1;
            }
        ASSERT_GT(inked, 50);
        EXPECT_GT(split, inked / 3) << "of " << inked;
    }
}

TEST(ChartHighDensity, AZoomDragAndItsReleaseRestoreEveryPixel)
{
    for (double ratio : Ratios) {
        SCOPED_TRACE(ratio);
        TDenseChart c(ratio);
        const QImage before = c.Picture().copy();
        // Too flat a drag to zoom: the frame comes and goes, nothing else.
        const QPoint from(101, 53);
        c.T.Press(Qt::LeftButton, from);
        c.T.Move(from + QPoint(97, 7), Qt::LeftButton);
        c.T.Paint();
        EXPECT_NE(c.Picture(), before);
        c.T.Move(from + QPoint(131, 11), Qt::LeftButton);
        c.T.Release(Qt::LeftButton, from + QPoint(131, 11));
        c.T.Paint();
        EXPECT_EQ(c.Picture(), before);
    }
}

// A new screen (or a new ratio on the same one) makes the pictures anew and
// repaints the chart once, however many notices come.
TEST(ChartHighDensity, ANewScreenRepaintsOnce)
{
    TMouseTestChart t;
    const int64_t renders = t.Chart.RenderCount();
    QEvent screen(QEvent::ScreenChangeInternal);
    QApplication::sendEvent(&t.Window, &screen);
    QApplication::sendEvent(&t.Window, &screen);
    QApplication::processEvents();
    t.Paint();
    EXPECT_EQ(t.Chart.RenderCount(), renders + 1);
}
