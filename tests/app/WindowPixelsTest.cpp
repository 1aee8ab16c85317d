// What the window's charts really show after runs started and stopped with
// the mouse: the red lines against the plot area and its clip, and the
// pixels of the axes (grid, ticks, labels, titles) and of the chart title.
// Expected rows and columns come from the axes of the same paint.

#include "WindowPixels.h"
#include "AppTestSupport.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/Rounding.h"
#include "support/raster/DeviceScale.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

// The largest and smallest Y of a series.
std::pair<double, double> YExtremes(const TLineSeries& series)
{
    double low = series.YValues->ValueAt(0);
    double high = low;
    for (int32_t k = 1; k < series.PointCount(); ++k) {
        low = std::min(low, series.YValues->ValueAt(k));
        high = std::max(high, series.YValues->ValueAt(k));
    }
    return {low, high};
}

// The last point's column: a stroke leaves its very last pixel out, so a
// shallow last segment ends one column short of it.
void ExpectLineEndsAtColumn(const TInkBox& red, int lastColumn)
{
    EXPECT_LE(red.Right, lastColumn);
    EXPECT_GE(red.Right, lastColumn - 1);
}

// The line leaves a column without red only where the curve runs on or
// beyond the outline rows (Top, Bottom - 1, Bottom), which the clip cuts.
// The curve's row there is interpolated between the points around the
// column; the stroke may lie one row off it.
void ExpectColumnsCutOnlyOnTheOutline(TChart& chart, const TLineSeries& series, const QImage& picture,
                                      const TInkBox& red)
{
    const TRect& plot = chart.Layout().PlotRect;
    int32_t k = 1;
    for (int x = red.Left; x <= red.Right; ++x) {
        if (FindInk(picture, QRect(x, 0, 1, picture.height()), IsSeriesRed).Count > 0)
            continue;
        const double t = chart.BottomAxis().PositionToValue(x);
        while (k < series.PointCount() - 1 && series.XValues->ValueAt(k) < t)
            ++k;
        const double t0 = series.XValues->ValueAt(k - 1);
        const double t1 = series.XValues->ValueAt(k);
        const double y0 = series.YValues->ValueAt(k - 1);
        const double y1 = series.YValues->ValueAt(k);
        const int row = chart.LeftAxis().ValueToPosition(y0 + (y1 - y0) * (t - t0) / (t1 - t0));
        EXPECT_TRUE(row <= plot.Top + 1 || row >= plot.Bottom - 2) << "column " << x << " row " << row;
    }
}

// The red line of one chart after a run of 200 steps with the initial texts.
void ExpectRedLineOf(TChart& chart, const TLineSeries& series, double amplitude)
{
    SCOPED_TRACE(chart.Title().Text().front());
    const QImage picture = PaintedPicture(chart);
    const TRect& plot = chart.Layout().PlotRect;
    // ClipPlotArea: x Left+1..Right-1, y Top+1..Bottom-2.
    const QRect clip(plot.Left + 1, plot.Top + 1, plot.Width() - 1, plot.Height() - 2);
    const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
    ASSERT_GT(red.Count, 0);
    EXPECT_EQ(FindInk(picture, clip, IsSeriesRed).Count, red.Count) << "red pixels outside the clip";
    EXPECT_GE(red.Left, clip.left());
    EXPECT_LE(red.Right, clip.right());
    EXPECT_GE(red.Top, clip.top());
    EXPECT_LE(red.Bottom, clip.bottom());

    // The highest and lowest points of the curve give the outermost red rows
    // (cut by the clip where they fall on the outline)...
    TChartAxis& left = chart.LeftAxis();
    const auto [low, high] = YExtremes(series);
    EXPECT_EQ(red.Top, std::max(clip.top(), left.ValueToPosition(high)));
    EXPECT_EQ(red.Bottom, std::min(clip.bottom(), left.ValueToPosition(low)));
    // ...and these lie where the amplitude maps, give or take the sampling
    // of the sine at steps of 0.1.
    EXPECT_NEAR(red.Top, left.ValueToPosition(amplitude), 2);
    EXPECT_NEAR(red.Bottom, left.ValueToPosition(-amplitude), 2);

    // From t = 0 (the automatic minimum, on the left edge) to the last t the
    // line leaves no column without red.
    TChartAxis& bottom = chart.BottomAxis();
    const double lastT = series.XValues->ValueAt(series.PointCount() - 1);
    EXPECT_EQ(bottom.ValueToPosition(0.0), plot.Left);
    EXPECT_EQ(red.Left, clip.left());
    ExpectLineEndsAtColumn(red, bottom.ValueToPosition(lastT));
    ExpectColumnsCutOnlyOnTheOutline(chart, series, picture, red);
}

// The dark ink (black text, smoothed at its edges) inside a region.
TInkBox DarkInk(const QImage& picture, const QRect& region) { return FindInk(picture, region, IsDarkInk); }

} // namespace

TEST(WindowPixelsRun, RedLinesStayInsideTheClipAndReachTheAmplitudeRows)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunSteps(*form, 200);
    ASSERT_TRUE(PaintPendingCharts(*form));
    ExpectRedLineOf(*form->Chart1, *form->Series1, 5);
    ExpectRedLineOf(*form->Chart2, *form->Series2, 5);
    ExpectRedLineOf(*form->Chart3, *form->Series3, 10);
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(WindowPixelsRun, NoRedOnTheOutlineMarginsTitleOrLabels)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunSteps(*form, 300);
    ASSERT_TRUE(PaintPendingCharts(*form));
    TChart& chart = *form->Chart3;
    const QImage picture = PaintedPicture(chart);
    const TRect& plot = chart.Layout().PlotRect;
    // The outline of the back wall: rows Top and Bottom, columns Left and Right.
    EXPECT_EQ(FindInk(picture, QRect(plot.Left, plot.Top, plot.Width() + 1, 1), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(plot.Left, plot.Bottom, plot.Width() + 1, 1), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(plot.Left, plot.Top, 1, plot.Height() + 1), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(plot.Right, plot.Top, 1, plot.Height() + 1), IsSeriesRed).Count, 0);
    // The outline row just inside the bottom edge belongs to the clip's
    // border too: the sum's troughs (-9.99...) map onto it and are cut.
    EXPECT_EQ(FindInk(picture, QRect(plot.Left, plot.Bottom - 1, plot.Width() + 1, 1), IsSeriesRed).Count, 0);
    // Everything above the plot (title and top margin), left of it (axis
    // title, labels, ticks) and below it (ticks, labels, title, margin).
    EXPECT_EQ(FindInk(picture, QRect(0, 0, picture.width(), plot.Top + 1), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(0, 0, plot.Left + 1, picture.height()), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(0, plot.Bottom - 1, picture.width(), picture.height()), IsSeriesRed).Count, 0);
    EXPECT_EQ(FindInk(picture, QRect(plot.Right, 0, picture.width(), picture.height()), IsSeriesRed).Count, 0);
    // The curve itself is there, reaching the clip's top and bottom rows.
    const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
    EXPECT_EQ(red.Top, plot.Top + 1);
    EXPECT_EQ(red.Bottom, plot.Bottom - 2);
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(WindowPixelsAxes, LeftAxisGridTicksAndLabelsAtEveryLabelledValue)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunSteps(*form, 20);
    ASSERT_TRUE(PaintPendingCharts(*form));
    TChart& chart = *form->Chart3;
    const QImage picture = PaintedPicture(chart);
    const TRect& plot = chart.Layout().PlotRect;
    TChartAxis& left = chart.LeftAxis();
    const TAxisLayout& leftBands = left.Layout();
    // 135 pixels for -10..10 leave room for a label every 2 units; -10 is not
    // in the sequence (it starts from the top and stops above the minimum).
    ASSERT_EQ(left.LabelStep(), 2.0);
    ASSERT_EQ(left.LabelValues(), (std::vector<double>{10, 8, 6, 4, 2, 0, -2, -4, -6, -8}));
    // The labels band lies between the title band and the tick band.
    ASSERT_EQ(leftBands.LabelsPos, leftBands.AxisLinePos - 6);
    ASSERT_LT(leftBands.TitlePos, leftBands.LabelsPos);
    const TAxisLayout& bottomBands = chart.BottomAxis().Layout();
    const int lineHeight = bottomBands.TitlePos - bottomBands.LabelsPos;
    ASSERT_GT(lineHeight, 6);

    const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
    ASSERT_GT(red.Count, 0);
    // Columns of the plot area right of the short red line.
    const QRect freeOfRed(red.Right + 3, 0, plot.Right - red.Right - 3, picture.height());
    for (double v : left.LabelValues()) {
        SCOPED_TRACE(v);
        const int p = left.ValueToPosition(v);
        // Grid: dotted grey across the plot area, pixels and gaps alike.
        const QRect gridRow = QRect(0, p, picture.width(), 1).intersected(freeOfRed);
        const int grey = FindInk(picture, gridRow, IsAxisGrey).Count;
        EXPECT_GE(grey, gridRow.width() / 3);
        EXPECT_LE(grey, gridRow.width() * 2 / 3);
        EXPECT_GT(CountChanges(picture, gridRow, IsAxisGrey), gridRow.width() / 8);
        // Outer tick: grey from AxisLinePos - 1 outwards, TickLength long.
        for (int x = leftBands.AxisLinePos - 4; x <= leftBands.AxisLinePos - 1; ++x)
            EXPECT_TRUE(IsAxisGrey(picture.pixel(x, p))) << "x " << x;
        EXPECT_FALSE(IsAxisGrey(picture.pixel(leftBands.AxisLinePos - 5, p)));
        // Label: right-aligned at LabelsPos, in the labels band, centred on
        // the tick row (the text's top lies half a line above it).
        // (Left of TitlePos lies the axis title, which shares the row of 0.)
        const QRect band(leftBands.TitlePos, p - lineHeight / 2, leftBands.AxisLinePos - 1 - leftBands.TitlePos,
                         lineHeight);
        const TInkBox ink = DarkInk(picture, band);
        ASSERT_GT(ink.Count, 0);
        EXPECT_LT(ink.Right, leftBands.LabelsPos);
        EXPECT_GE(ink.Right, leftBands.LabelsPos - 3);
        EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, p, 2.0);
    }
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(WindowPixelsAxes, AxisTitlesSitOutsideTheLabelsAndTheChartTitleIsBlueAtTheTop)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunSteps(*form, 20);
    ASSERT_TRUE(PaintPendingCharts(*form));
    TChart& chart = *form->Chart3;
    const QImage picture = PaintedPicture(chart);
    const TRect& plot = chart.Layout().PlotRect;
    TChartAxis& left = chart.LeftAxis();
    const TAxisLayout& leftBands = left.Layout();
    TChartAxis& bottom = chart.BottomAxis();
    const TAxisLayout& bottomBands = bottom.Layout();
    const int lineHeight = bottomBands.TitlePos - bottomBands.LabelsPos;
    const int leftMargin = MulDiv(3, picture.width(), 100);

    // "x", turned, between the left margin and the labels, centred on the axis.
    const TInkBox labels =
        DarkInk(picture, QRect(leftBands.TitlePos, 0, leftBands.LabelsPos - leftBands.TitlePos, plot.Bottom));
    const TInkBox xTitle = DarkInk(picture, QRect(1, 1, leftBands.TitlePos - 1, picture.height() - 2));
    ASSERT_GT(xTitle.Count, 0);
    EXPECT_GE(xTitle.Left, leftMargin);
    EXPECT_LT(xTitle.Right, labels.Left);
    EXPECT_NEAR((xTitle.Top + xTitle.Bottom) / 2.0, left.Mapping().CenterPixel(), 2.0);
    // One small letter: no label reaches into the title band.
    EXPECT_LT(xTitle.Bottom - xTitle.Top, lineHeight);
    // Its foot (turned, on the right) stands at TitlePos.
    EXPECT_GE(xTitle.Right, leftBands.TitlePos - lineHeight / 2);

    // Bottom labels below the axis line and its ticks, each centred on its tick.
    EXPECT_EQ(DarkInk(picture, QRect(plot.Left + 2, bottomBands.AxisLinePos + 1, plot.Width() - 2,
                                     bottomBands.LabelsPos - bottomBands.AxisLinePos - 1))
                  .Count,
              0);
    const double step = bottom.LabelStep();
    ASSERT_GT(step, 0.0);
    const int spacing = bottom.ValueToPosition(step) - bottom.ValueToPosition(0.0);
    int labelsBottom = 0;
    for (double v : bottom.LabelValues()) {
        SCOPED_TRACE(v);
        const int p = bottom.ValueToPosition(v);
        const TInkBox ink = DarkInk(picture, QRect(p - spacing / 2, bottomBands.LabelsPos, spacing, lineHeight));
        ASSERT_GT(ink.Count, 0);
        EXPECT_NEAR((ink.Left + ink.Right) / 2.0, p, 2.0);
        labelsBottom = std::max(labelsBottom, ink.Bottom);
    }
    // "t" below them, centred on the axis, and the only ink in its band.
    const TInkBox tTitle = DarkInk(picture, QRect(1, bottomBands.TitlePos, picture.width() - 2, lineHeight));
    ASSERT_GT(tTitle.Count, 0);
    EXPECT_GT(tTitle.Top, labelsBottom);
    EXPECT_NEAR((tTitle.Left + tTitle.Right) / 2.0, bottom.Mapping().CenterPixel(), 2.0);
    EXPECT_LT(tTitle.Right - tTitle.Left, lineHeight);

    // "Kmity složené": blue, only in its title box, centred in it.
    const TRect& box = chart.Title().TitleBox;
    const TInkBox blue = FindInk(picture, picture.rect(), IsTitleBlue);
    ASSERT_GT(blue.Count, 0);
    EXPECT_GE(blue.Top, box.Top);
    EXPECT_LT(blue.Bottom, box.Bottom);
    EXPECT_LT(blue.Bottom, plot.Top);
    EXPECT_NEAR((blue.Left + blue.Right) / 2.0, (box.Left + box.Right) / 2, 2.0);
    // Wider than "Kmity" alone would be: the whole title is drawn.
    EXPECT_GT(blue.Right - blue.Left, 8 * lineHeight / 2);
    EXPECT_TRUE(errors.Texts.empty());
}

TEST(WindowPixelsClear, DuringARunTheBottomAxisKeepsFiftyAndStartsAtTheFirstRemainingT)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    auto count = std::make_shared<int>(0);
    form->RunState.OnPointsAdded = [&form, count](TRunState& s) {
        ++*count;
        if (*count == 150) // t = 14.9
            QTest::mouseClick(Q(form->Button3), Qt::LeftButton);
        if (*count == 170)
            s.StopRequested = true;
    };
    QTest::mouseClick(Q(form->Button1), Qt::LeftButton);
    ASSERT_TRUE(PaintPendingCharts(*form));
    const std::vector<double> t = RunTimes(170);
    const std::pair<TChart*, TLineSeries*> rows[] = {
        {form->Chart1, form->Series1}, {form->Chart2, form->Series2}, {form->Chart3, form->Series3}};
    for (const auto& [chart, seriesPointer] : rows) {
        SCOPED_TRACE(chart->Title().Text().front());
        const TLineSeries& series = *seriesPointer;
        ASSERT_EQ(series.PointCount(), 20);
        ASSERT_EQ(series.XValues->ValueAt(0), t[150]);
        TChartAxis& bottom = chart->BottomAxis();
        EXPECT_FALSE(bottom.AutomaticMaximum());
        EXPECT_EQ(bottom.Maximum(), 50.0);
        EXPECT_TRUE(bottom.AutomaticMinimum());
        EXPECT_EQ(bottom.Minimum(), t[150]);
        EXPECT_EQ(bottom.Mapping().UsedMinimum, t[150]);
        // The remaining line starts at the left edge of the plot area.
        const QImage picture = PaintedPicture(*chart);
        const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
        ASSERT_GT(red.Count, 0);
        EXPECT_EQ(red.Left, chart->Layout().PlotRect.Left + 1);
        ExpectLineEndsAtColumn(red, bottom.ValueToPosition(t[169]));
    }
    EXPECT_TRUE(errors.Texts.empty());
}

// The window on screens of growing device-pixel ratio: each chart draws at
// the screen's resolution, and after a run every red pixel of its curve lies
// inside the wall, whose clip maps to device pixels as the picture does.
TEST(WindowPixelsHighDensity, EveryChartDrawsAtTheRatioWithItsCurveInsideTheWall)
{
    TErrorBoxRecorder errors;
    auto form = ShowMainWindow();
    RunSteps(*form, 200);
    ASSERT_TRUE(PaintPendingCharts(*form));
    for (double ratio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        const TDeviceScale scale = TDeviceScale::ForRatio(ratio);
        for (TChart* chart : {form->Chart1, form->Chart2, form->Chart3}) {
            const QWidget* window = ChartWidgetOf(*chart);
            SCOPED_TRACE(window->objectName().toStdString() + " at " + std::to_string(ratio));
            chart->ForcePictureRatio(ratio);
            chart->PaintNow();
            const QImage picture = ImageView(chart->WindowImage());
            ASSERT_EQ(picture.size(), QSize(scale.Map(window->width()), scale.Map(window->height())));
            const TRect& p = chart->Layout().PlotRect;
            const TRect clip = scale.Map(TRect{p.Left + 1, p.Top + 1, p.Right, p.Bottom - 1});
            const TInkBox red = FindInk(picture, picture.rect(), IsSeriesRed);
            ASSERT_GT(red.Count, 100);
            EXPECT_GE(red.Left, clip.Left);
            EXPECT_GE(red.Top, clip.Top);
            EXPECT_LT(red.Right, clip.Right);
            EXPECT_LT(red.Bottom, clip.Bottom);
        }
    }
    EXPECT_TRUE(errors.Texts.empty());
}
