// The paint sequence and the pixels of a rendered chart: bevel ring, back
// wall outline, title, series clipping and the zoom frame.
#include "chart/Chart.h"
#include "support/raster/PixelWriter.h"

#include "tests/chart/ChartProbe.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TColor PixelAt(const TImage& image, int x, int y) { return FromPixel(image.Pixel(x, y)); }

// The zoom frame's pen is the panel colour, combined by not-xor.
TColor NotXorWithFace(TColor under) { return ~(under ^ ColorToRGB(clBtnFace)) & 0xFFFFFF; }

// A chart as the main window configures it, painted at 816 x 198.
void PaintSystemChart(TProbeChart& chart)
{
    chart.Title().SetText({"Kmity 1"});
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.SetClientSize(816, 198);
    chart.HandlePaint();
}

} // namespace

TEST(ChartPaintSequence, StepsRunInTheirFixedOrder)
{
    TProbeChart chart;
    chart.OnBeforeDrawAxes = [&](TCustomAxisPanel*) { chart.Steps.push_back("before axes"); };
    chart.OnBeforeDrawSeries = [&](TCustomAxisPanel*) { chart.Steps.push_back("before series"); };
    chart.OnAfterDraw = [&](TCustomAxisPanel*) { chart.Steps.push_back("after draw"); };
    chart.AddSeries(new TBoxSeries(&chart.Steps));
    chart.SetClientSize(300, 200);
    chart.HandlePaint();
    const std::vector<std::string> expected = {
        "series before chart", "headings",      "layout",     "margins",     "walls",
        "before axes",         "before series", "find shown", "draw points", "after draw"};
    EXPECT_EQ(chart.Steps, expected);
}

TEST(ChartPaintSequence, WithoutAxesTheAxisStepIsSkipped)
{
    TProbeChart chart;
    chart.OnBeforeDrawAxes = [&](TCustomAxisPanel*) { chart.Steps.push_back("before axes"); };
    chart.SetAxisVisible(false);
    chart.SetClientSize(300, 200);
    chart.HandlePaint();
    EXPECT_EQ(std::count(chart.Steps.begin(), chart.Steps.end(), "before axes"), 0);
}

TEST(ChartPaintSequence, ASeriesWithNoShownPointIsNotDrawn)
{
    TProbeChart chart;
    chart.AddSeries(new TBoxSeries(&chart.Steps, false));
    chart.SetClientSize(300, 200);
    chart.HandlePaint();
    EXPECT_EQ(std::count(chart.Steps.begin(), chart.Steps.end(), "find shown"), 1);
    EXPECT_EQ(std::count(chart.Steps.begin(), chart.Steps.end(), "draw points"), 0);
}

TEST(ChartPaintSequence, AnInactiveSeriesIsNeitherPreparedNorDrawn)
{
    TProbeChart chart;
    auto* series = new TBoxSeries(&chart.Steps);
    chart.AddSeries(series);
    series->SetActive(false);
    chart.SetClientSize(300, 200);
    chart.HandlePaint();
    EXPECT_EQ(std::count(chart.Steps.begin(), chart.Steps.end(), "series before chart"), 0);
    EXPECT_EQ(std::count(chart.Steps.begin(), chart.Steps.end(), "find shown"), 0);
}

TEST(ChartPaintPixels, BevelRingIsLightTopLeftAndDarkBottomRight)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage& image = chart.WindowImage();
    const TColor light = ColorToRGB(clBtnHighlight);
    const TColor dark = ColorToRGB(clBtnShadow);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(PixelAt(image, 0, 0), light);
    EXPECT_EQ(PixelAt(image, 0, 100), light);
    EXPECT_EQ(PixelAt(image, 400, 0), light);
    EXPECT_EQ(PixelAt(image, 814, 0), light);
    // The dark polyline takes the two corners where they meet.
    EXPECT_EQ(PixelAt(image, 815, 0), dark);
    EXPECT_EQ(PixelAt(image, 815, 100), dark);
    EXPECT_EQ(PixelAt(image, 400, 197), dark);
    EXPECT_EQ(PixelAt(image, 0, 197), dark);
    EXPECT_EQ(PixelAt(image, 1, 1), face);
    EXPECT_EQ(PixelAt(image, 814, 196), face);
}

TEST(ChartPaintPixels, BackWallOutlineLiesExactlyOnThePlotRectBorder)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage& image = chart.WindowImage();
    const TRect p = chart.Layout().PlotRect;
    const TColor face = ColorToRGB(clBtnFace);
    for (int x = p.Left; x <= p.Right; x += 7) {
        EXPECT_EQ(PixelAt(image, x, p.Top), clBlack) << x;
        EXPECT_EQ(PixelAt(image, x, p.Bottom), clBlack) << x;
    }
    for (int y = p.Top; y <= p.Bottom; y += 5) {
        EXPECT_EQ(PixelAt(image, p.Left, y), clBlack) << y;
        EXPECT_EQ(PixelAt(image, p.Right, y), clBlack) << y;
    }
    EXPECT_EQ(PixelAt(image, p.Right, p.Bottom), clBlack);
    // Just outside the outline's top-right corner the panel colour shows.
    EXPECT_EQ(PixelAt(image, p.Right + 1, p.Top - 1), face);
}

TEST(ChartPaintPixels, TitleInkIsBlueAndInsideTheTitleBox)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage& image = chart.WindowImage();
    const TRect box = chart.Title().TitleBox;
    EXPECT_EQ(box.Top, 8);
    EXPECT_EQ(box.Left, 24);
    EXPECT_EQ(box.Right, 792);
    const TColor face = ColorToRGB(clBtnFace);
    int ink = 0;
    // Above the headings' edge, over the plot columns, only the title draws.
    for (int y = 1; y < chart.AfterHeadings.Top; ++y) {
        for (int x = chart.Layout().PlotRect.Left + 1; x < chart.Layout().PlotRect.Right; ++x) {
            const TColor c = PixelAt(image, x, y);
            if (c == face)
                continue;
            ++ink;
            EXPECT_TRUE(box.Contains(x, y)) << x << "," << y;
            // Antialiased blue over the grey face: more blue, red = green.
            EXPECT_GT(BlueOf(c), RedOf(c)) << x << "," << y;
            EXPECT_EQ(RedOf(c), GreenOf(c)) << x << "," << y;
        }
    }
    EXPECT_GT(ink, 20);
}

TEST(ChartPaintPixels, TitleTextIsCentredOnThePlotRect)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage& image = chart.WindowImage();
    const TColor face = ColorToRGB(clBtnFace);
    int left = 816;
    int right = 0;
    for (int y = 8; y < chart.AfterHeadings.Top - 5; ++y)
        for (int x = 1; x < 815; ++x)
            if (PixelAt(image, x, y) != face) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    // Centred on x = 408, give or take the glyphs' side bearings.
    EXPECT_NEAR((left + right + 1) / 2.0, 408.0, 2.0);
}

TEST(ChartPaintPixels, SeriesDrawingIsClippedToTheInsideOfTheBackWall)
{
    TProbeChart chart;
    chart.AddSeries(new TBoxSeries(&chart.Steps));
    PaintSystemChart(chart);
    const TImage& image = chart.WindowImage();
    const TRect p = chart.Layout().PlotRect;
    const TRect inside{p.Left + 1, p.Top + 1, p.Right, p.Bottom - 1};
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            ASSERT_EQ(PixelAt(image, x, y) == clRed, inside.Contains(x, y)) << x << "," << y;
    EXPECT_EQ(PixelAt(image, p.Left, p.Top + 10), clBlack);
    EXPECT_EQ(PixelAt(image, p.Left + 10, p.Bottom), clBlack);
}

TEST(ChartPaintPixels, WithClipPointsOffTheSeriesCoversEverything)
{
    TProbeChart chart;
    chart.SetClipPoints(false);
    chart.AddSeries(new TBoxSeries(&chart.Steps));
    PaintSystemChart(chart);
    EXPECT_EQ(PixelAt(chart.WindowImage(), 0, 0), clRed);
}

TEST(ChartPaintPixels, ZoomFrameDrawnTwiceRestoresThePicture)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage before = chart.WindowImage();
    chart.ZoomRecord.BeginAt(100, 50);
    chart.ZoomRecord.LastX = 200;
    chart.ZoomRecord.LastY = 120;
    // Between paints the surface draws on the window image.
    chart.DrawZoomFrame(chart.Canvas());
    EXPECT_NE(chart.WindowImage(), before);
    EXPECT_EQ(PixelAt(chart.WindowImage(), 150, 50), NotXorWithFace(PixelAt(before, 150, 50)));
    EXPECT_EQ(PixelAt(chart.WindowImage(), 150, 80), PixelAt(before, 150, 80));
    chart.DrawZoomFrame(chart.Canvas());
    EXPECT_EQ(chart.WindowImage(), before);
}

TEST(ChartPaintPixels, AnActiveZoomDragIsDrawnByThePaint)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    const TImage before = chart.WindowImage();
    chart.ZoomRecord.BeginAt(100, 50);
    chart.ZoomRecord.LastX = 200;
    chart.ZoomRecord.LastY = 120;
    chart.RequestRepaint();
    chart.HandlePaint();
    EXPECT_EQ(PixelAt(chart.WindowImage(), 150, 50), NotXorWithFace(PixelAt(before, 150, 50)));
    EXPECT_EQ(PixelAt(chart.WindowImage(), 100, 60), NotXorWithFace(PixelAt(before, 100, 60)));
    EXPECT_EQ(PixelAt(chart.WindowImage(), 150, 80), PixelAt(before, 150, 80));
}

TEST(ChartPaintPixels, AfterThePaintTheBitmapIsBackToDefaults)
{
    TProbeChart chart;
    PaintSystemChart(chart);
    // Between paints the window canvas is the target; the next paint's
    // bitmap state is what RestoreDefaults left.
    chart.Canvas().BeginFrame(nullptr, &chart.View3DOptions(), TRect{0, 0, 816, 198}, false, clBtnFace);
    EXPECT_EQ(chart.Canvas().BrushStyle(), bsSolid);
    EXPECT_EQ(chart.Canvas().BrushColor(), clWhite);
    EXPECT_EQ(chart.Canvas().BackgroundMode(), bmTransparent);
    EXPECT_EQ(chart.Canvas().PenColor(), clBlack);
}
