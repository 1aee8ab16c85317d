// Axis rendering: angle setters, room bands, text placement, tick and grid
// geometry, and the pixels of a rendered chart.
#include "chart/Chart.h"
#include "chart/ChartMessages.h"
#include "tests/chart/ChartMouseTestSupport.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include "support/raster/Image.h"
#include <gtest/gtest.h>

namespace {
int32_t LineHeightOf(TChart& chart, const TChartFont& font)
{
    chart.SelectFont(font);
    return chart.Canvas().FontLineHeight();
}

// One chart of the program: a series on the bottom and left axes, the left
// axis fixed to -10..10 with labels every 2 (Increment 2 on 300 px fits
// any font), rendered into an 816 x 420 image.
struct RenderedChart {
    TChart Chart;
    TChartSeries Series;
    TImage Image{816, 420};

    RenderedChart()
    {
        Chart.SetView3D(false);
        Chart.SetClientSize(816, 420);
        Chart.AddSeries(&Series);
        Series.AddPoint(0, 0, "", clDefault);
        Chart.BottomAxis().Title().SetCaption("t");
        Chart.LeftAxis().Title().SetCaption("x");
        Chart.LeftAxis().SetLimits(-10, 10);
        Chart.LeftAxis().SetIncrement(2);
    }
    ~RenderedChart() { Chart.RemoveSeries(&Series); }
    void Render() { Chart.RenderTo(&Image, TRect{0, 0, 816, 420}); }
    bool IsGray(int32_t x, int32_t y) const { return (Image.Pixel(x, y) & 0xFFFFFF) == 0x808080; }
};
} // namespace

TEST(AxisAngles, OutOfRangeAnglesAreRefusedWithTheirName)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLabelsAngle(90);
    EXPECT_THROW_MESSAGE(axis.SetLabelsAngle(360), ChartException,
                         "Axis Labels Angle must be between 0 and 359 degrees");
    EXPECT_THROW(axis.SetLabelsAngle(-1), ChartException);
    EXPECT_EQ(axis.LabelsAngle(), 90);
    EXPECT_THROW_MESSAGE(axis.Title().SetAngle(400), ChartException,
                         "Axis Title Angle must be between 0 and 359 degrees");
    EXPECT_EQ(axis.Title().Angle(), 90);
}

TEST(AxisRoom, TickRoomCountsAxisPenTicksAndMinorTicks)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    EXPECT_EQ(axis.TickRoom(), 6);
    axis.SetMinorTickLength(9);
    EXPECT_EQ(axis.TickRoom(), 9);
    axis.SetMinorTickLength(2);
    axis.Ticks().SetVisible(false);
    EXPECT_EQ(axis.TickRoom(), 2);
    axis.Axis().SetVisible(false);
    axis.MinorTicks().SetVisible(false);
    EXPECT_EQ(axis.TickRoom(), 0);
}

TEST(AxisRoom, BottomAxisTakesTitleLabelsAndTickBandsFromOutside)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.Title().SetCaption("t");
    int32_t title = LineHeightOf(chart, axis.Title().Font());
    int32_t labels = LineHeightOf(chart, axis.LabelsFont());
    TRect rect{24, 30, 792, 190};
    rect = axis.ReserveRoom(rect, true);
    EXPECT_EQ(axis.Layout().TitlePos, 190 - title);
    EXPECT_EQ(axis.Layout().LabelsPos, 190 - title - labels);
    EXPECT_EQ(rect, (TRect{24, 30, 792, 190 - title - labels - 6}));
}

TEST(AxisRoom, EmptyTitleReservesNothing)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    int32_t labels = LineHeightOf(chart, axis.LabelsFont());
    TRect rect{24, 30, 792, 190};
    rect = axis.ReserveRoom(rect, true);
    EXPECT_EQ(axis.Layout().TitlePos, 0);
    EXPECT_EQ(axis.Layout().LabelsPos, 190 - labels);
    EXPECT_EQ(rect.Bottom, 190 - labels - 6);
}

TEST(AxisRoom, LeftAxisWithFixedSizesAndPositionPercent)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.Title().SetCaption("x");
    axis.SetLabelsSize(30);
    int32_t title = LineHeightOf(chart, axis.Title().Font());
    TRect rect{24, 30, 792, 190};
    rect = axis.ReserveRoom(rect, true);
    EXPECT_EQ(rect.Left, 24 + title + 30 + 6);
    EXPECT_EQ(axis.Layout().TitlePos, 24 + title);
    EXPECT_EQ(axis.Layout().LabelsPos, 24 + title + 30);

    // 10 % of the remaining width moves the bands into the chart.
    axis.SetPositionPercent(10);
    axis.SetTitleSize(20);
    TRect second{0, 0, 406, 100};
    second = axis.ReserveRoom(second, true);
    EXPECT_EQ(second.Left, 56);
    EXPECT_EQ(axis.Layout().TitlePos, 20 + 35);
    EXPECT_EQ(axis.Layout().LabelsPos, 50 + 35);
    // The right axis moves the other way, into the chart as well.
    EXPECT_EQ(chart.RightAxis().OffsetByPositionPercent(100, second), 100);
    chart.RightAxis().SetPositionPercent(10);
    EXPECT_EQ(chart.RightAxis().OffsetByPositionPercent(100, second), 65);
}

TEST(AxisRoom, NonStandardAxisKeepsTheRectangle)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.SetLabelsSize(15);
    TRect rect{24, 30, 792, 190};
    rect = axis.ReserveRoom(rect, false);
    EXPECT_EQ(rect, (TRect{24, 30, 792, 190}));
    EXPECT_EQ(axis.Layout().AxisLinePos, 190);
    EXPECT_EQ(axis.Layout().LabelsPos, 196);
    EXPECT_EQ(axis.Layout().TitlePos, 211);
}

TEST(AxisText, AnchorsAndShiftsAtAngleZero)
{
    TAxisTextPlan bottom = PlanAxisText(true, false, 100, 50, 1, 14, 0);
    EXPECT_EQ(bottom.Anchor, anCenter | anTop);
    EXPECT_EQ(bottom.LineOrigins, std::vector<TPoint>{(TPoint{100, 50})});
    EXPECT_FALSE(bottom.Rotated);

    TAxisTextPlan top = PlanAxisText(true, true, 100, 50, 1, 14, 0);
    EXPECT_EQ(top.Anchor, anCenter | anBottom);
    EXPECT_EQ(top.LineOrigins, std::vector<TPoint>{(TPoint{100, 50})});

    TAxisTextPlan left = PlanAxisText(false, false, 100, 50, 1, 14, 0);
    EXPECT_EQ(left.Anchor, anRight | anTop);
    EXPECT_EQ(left.LineOrigins, std::vector<TPoint>{(TPoint{100, 43})});

    TAxisTextPlan right = PlanAxisText(false, true, 100, 50, 1, 14, 0);
    EXPECT_EQ(right.Anchor, static_cast<unsigned>(anLeftTop));
    EXPECT_EQ(right.LineOrigins, std::vector<TPoint>{(TPoint{100, 43})});
}

TEST(AxisText, TwoLinesStackDownwardsAndCentreOnAVerticalAxis)
{
    TAxisTextPlan bottom = PlanAxisText(true, false, 100, 50, 2, 14, 0);
    EXPECT_EQ(bottom.LineOrigins, (std::vector<TPoint>{{100, 50}, {100, 64}}));
    // y - 7 - Round(14 * 1.5) + 14 = y - 14, then y.
    TAxisTextPlan left = PlanAxisText(false, false, 100, 50, 2, 14, 0);
    EXPECT_EQ(left.LineOrigins, (std::vector<TPoint>{{100, 36}, {100, 50}}));
}

TEST(AxisText, TurnedTexts)
{
    TAxisTextPlan leftTitle = PlanAxisText(false, false, 30, 95, 1, 14, 90);
    EXPECT_EQ(leftTitle.Anchor, anCenter | anBottom);
    EXPECT_TRUE(leftTitle.Rotated);
    EXPECT_EQ(leftTitle.LineOrigins, std::vector<TPoint>{(TPoint{30, 95})});

    TAxisTextPlan rightTitle = PlanAxisText(false, true, 30, 95, 1, 14, 270);
    EXPECT_EQ(rightTitle.Anchor, anCenter | anBottom);
    EXPECT_EQ(rightTitle.LineOrigins, std::vector<TPoint>{(TPoint{30, 95})});

    TAxisTextPlan bottom90 = PlanAxisText(true, false, 100, 50, 1, 14, 90);
    EXPECT_EQ(bottom90.Anchor, anRight | anTop);
    EXPECT_EQ(bottom90.LineOrigins, std::vector<TPoint>{(TPoint{93, 50})});

    TAxisTextPlan bottom180 = PlanAxisText(true, false, 100, 50, 1, 14, 180);
    EXPECT_EQ(bottom180.Anchor, anCenter | anBottom);
    EXPECT_EQ(bottom180.LineOrigins, std::vector<TPoint>{(TPoint{100, 50})});

    TAxisTextPlan slanted = PlanAxisText(true, false, 100, 50, 1, 14, 45);
    EXPECT_EQ(slanted.Anchor, static_cast<unsigned>(anLeftTop));
    EXPECT_TRUE(slanted.Rotated);
}

TEST(AxisTicks, MinorTicksBetweenNeighboursAndBeyondTheEnds)
{
    // Ticks every 30 px from 20 down to 290 on 20..320: 7.5 px minor spacing.
    std::vector<int32_t> ticks;
    for (int32_t p = 20; p <= 290; p += 30)
        ticks.push_back(p);
    std::vector<int32_t> minor = MinorTickPositionsFor(ticks, 3, 20, 320);
    // None above the top tick (12, 5, -2 lie outside), three below the lowest.
    std::vector<int32_t> expected = {298, 305, 312};
    for (std::size_t j = 1; j < ticks.size(); ++j)
        for (int32_t d : {8, 15, 22})
            expected.push_back(ticks[j] - d);
    EXPECT_EQ(minor, expected);
    EXPECT_TRUE(MinorTickPositionsFor({100}, 3, 0, 200).empty());
    // Five on 97 px: beyond the ends the third lies 3 x 16.166666666666668
    // (the spacing as a double) = 48.500000000000004 out at extended
    // precision, so 49 px; between the ticks 3 x 97 / 6 is the tie 48.5.
    EXPECT_EQ(MinorTickPositionsFor({20, 117}, 5, 0, 300),
              (std::vector<int32_t>{4, 133, 149, 166, 182, 198, 101, 85, 69, 52, 36}));
}

TEST(AxisTicks, TickAndGridSegmentsPerSide)
{
    TChart chart;
    const TRect plot{60, 20, 800, 320};
    // An axis layout with only the axis line placed.
    auto lineAt = [](int32_t position) {
        TAxisLayout layout;
        layout.AxisLinePos = position;
        return layout;
    };
    TChartAxis& left = chart.LeftAxis();
    using Segment = TCustomChartAxis::TAxisSegment;
    EXPECT_EQ(left.TickSegment(lineAt(60), 50, 1, 4), (Segment{false, 50, 59, 55}));
    EXPECT_EQ(left.GridSegment(plot, 50), (Segment{false, 50, 60, 800}));
    TChartAxis& bottom = chart.BottomAxis();
    EXPECT_EQ(bottom.TickSegment(lineAt(320), 100, 1, 4), (Segment{true, 100, 321, 325}));
    EXPECT_EQ(bottom.GridSegment(plot, 100), (Segment{true, 100, 20, 320}));
    TChartAxis& top = chart.TopAxis();
    EXPECT_EQ(top.TickSegment(lineAt(20), 100, 1, 4), (Segment{true, 100, 19, 15}));
    TChartAxis& right = chart.RightAxis();
    EXPECT_EQ(right.TickSegment(lineAt(800), 50, 1, 4), (Segment{false, 50, 801, 805}));
}

TEST(AxisTicks, CenteredGridDrawsOneLineFewerThanTicks)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    const std::vector<int32_t> ticks{20, 50, 80, 110};
    EXPECT_EQ(axis.GridPositions(ticks), ticks);
    axis.SetGridCentered(true);
    EXPECT_EQ(axis.GridPositions(ticks), (std::vector<int32_t>{35, 65, 95}));
}

TEST(AxisDrawing, LeftAxisTicksAtEveryLabelFromTenDownToMinusEight)
{
    RenderedChart rendered;
    rendered.Render();
    TChartAxis& axis = rendered.Chart.LeftAxis();
    ASSERT_GT(axis.Mapping().PixelLength, 100);
    EXPECT_EQ(axis.LabelStep(), 2);
    std::vector<int32_t> expected;
    for (double v = 10; v > -9; v -= 2)
        expected.push_back(axis.ValueToPosition(v));
    EXPECT_EQ(axis.Layout().TickList, expected);
    EXPECT_EQ(axis.Layout().TickList.front(), axis.Mapping().StartPixel);
    EXPECT_EQ(axis.Layout().AxisLinePos, rendered.Chart.Layout().PlotRect.Left);
    std::vector<int32_t> minor = axis.MinorTickPositions(axis.Layout());
    EXPECT_EQ(minor.size(), 9u * 3u + 3u);
    for (int32_t p : minor)
        EXPECT_GT(p, axis.Mapping().StartPixel);
}

TEST(AxisDrawing, LeftAxisTickAndGridPixels)
{
    RenderedChart rendered;
    rendered.Render();
    TChartAxis& axis = rendered.Chart.LeftAxis();
    const TRect& plot = rendered.Chart.Layout().PlotRect;
    int32_t p = axis.ValueToPosition(4);
    for (int32_t x = axis.Layout().AxisLinePos - 4; x <= axis.Layout().AxisLinePos - 1; ++x)
        EXPECT_TRUE(rendered.IsGray(x, p)) << "tick pixel " << x;
    EXPECT_FALSE(rendered.IsGray(axis.Layout().AxisLinePos - 5, p));
    int gray = 0;
    for (int32_t x = plot.Left + 2; x < plot.Right - 2; ++x)
        gray += rendered.IsGray(x, p);
    EXPECT_GT(gray, plot.Width() / 4); // dotted grey grid line
    EXPECT_LT(gray, plot.Width() - 4);
}

TEST(AxisDrawing, BottomAxisBands)
{
    RenderedChart rendered;
    rendered.Render();
    TChartAxis& axis = rendered.Chart.BottomAxis();
    int32_t h = LineHeightOf(rendered.Chart, axis.LabelsFont());
    EXPECT_EQ(axis.Layout().AxisLinePos, rendered.Chart.Layout().PlotRect.Bottom);
    EXPECT_EQ(axis.Layout().LabelsPos - axis.Layout().AxisLinePos, 6);
    EXPECT_EQ(axis.Layout().TitlePos - axis.Layout().LabelsPos, h);
    // The title "t" is drawn centred on CenterPixel within its band.
    bool ink = false;
    for (int32_t y = axis.Layout().TitlePos; y < axis.Layout().TitlePos + h; ++y)
        for (int32_t x = axis.Mapping().CenterPixel() - 6; x <= axis.Mapping().CenterPixel() + 6; ++x)
            ink = ink || (rendered.Image.Pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_TRUE(ink);
}

namespace {
// The ticks of the bottom axis of a chart like the window's (0..50 over 816
// pixels) with a title, for the given labels and title font sizes.
std::vector<int32_t> BottomTicksWithFonts(int labelsSize, int titleSize)
{
    TMouseTestChart t;
    TChartAxis& bottom = t.Chart.BottomAxis();
    bottom.Title().SetCaption("t");
    bottom.LabelsFont().SetSize(labelsSize);
    bottom.Title().Font().SetSize(titleSize);
    EXPECT_TRUE(t.FitBottomAxisLength(816));
    return bottom.Layout().TickList;
}
} // namespace

TEST(AxisDrawing, TheLabelStepIsMeasuredInTheLabelsFontWhateverTheTitlesFont)
{
    struct TFonts {
        int Labels;
        int Title;
    };
    // Labels of size 20 need a step above 1 (at 1 they would fuse); labels
    // of size 8 fit at 1 even beside a title of size 30.
    for (const TFonts fonts : {TFonts{20, 8}, TFonts{8, 30}}) {
        const std::vector<int32_t> ticks = BottomTicksWithFonts(fonts.Labels, fonts.Title);
        const std::vector<int32_t> alike = BottomTicksWithFonts(fonts.Labels, fonts.Labels);
        EXPECT_EQ(ticks, alike) << "labels " << fonts.Labels << ", title " << fonts.Title;
        EXPECT_EQ(ticks.size() == 51, fonts.Labels == 8) << "labels " << fonts.Labels << ": " << ticks.size();
    }
}

TEST(AxisDrawing, LabelsOnAxisControlsLabelsAtTheEnds)
{
    RenderedChart rendered;
    rendered.Chart.LeftAxis().SetLabelsOnAxis(false);
    rendered.Render();
    TChartAxis& axis = rendered.Chart.LeftAxis();
    ASSERT_FALSE(axis.Layout().TickList.empty());
    EXPECT_EQ(axis.Layout().TickList.front(), axis.ValueToPosition(8));
    EXPECT_EQ(axis.Layout().TickList.size(), 9u);
}

TEST(AxisDrawing, TicksWithoutLabelsWhenTickOnLabelsOnlyIsOff)
{
    RenderedChart rendered;
    rendered.Chart.LeftAxis().SetLabels(false);
    rendered.Render();
    EXPECT_TRUE(rendered.Chart.LeftAxis().Layout().TickList.empty());
    rendered.Chart.LeftAxis().SetTickOnLabelsOnly(false);
    rendered.Render();
    EXPECT_EQ(rendered.Chart.LeftAxis().Layout().TickList.size(), 10u);
}

TEST(AxisHitTest, BetweenLabelsAndAxisLine)
{
    RenderedChart rendered;
    rendered.Render();
    TChartAxis& axis = rendered.Chart.LeftAxis();
    int32_t y = axis.Mapping().CenterPixel();
    EXPECT_TRUE(axis.HitTest(axis.Layout().LabelsPos, y));
    EXPECT_TRUE(axis.HitTest(axis.Layout().AxisLinePos + 2, y));
    EXPECT_FALSE(axis.HitTest(axis.Layout().AxisLinePos + 3, y));
    EXPECT_FALSE(axis.HitTest(axis.Layout().LabelsPos - 1, y));
    EXPECT_FALSE(axis.HitTest(axis.Layout().AxisLinePos, axis.Mapping().EndPixel));
    EXPECT_FALSE(rendered.Chart.RightAxis().HitTest(axis.Layout().AxisLinePos, y)); // not shown
}
