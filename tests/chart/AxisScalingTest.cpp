// Axis scaling on a real chart: setter rules and messages, the range taken
// from the series, placement and the value/pixel mapping, limits.
#include "chart/Chart.h"
#include "chart/ChartMessages.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// A vertical axis on 20..170 with the range -10..10.
void PlaceLeftAxis(TChart& chart, double min, double max)
{
    const TRect plot{40, 20, 840, 170};
    chart.LeftAxis().SetLimits(min, max);
    chart.LeftAxis().ResolveRange();
    chart.LeftAxis().PlaceAxis(plot);
}
} // namespace

TEST(AxisIdentity, FiveAxesWithTheirSidesAndTitleAngles)
{
    TChart chart;
    EXPECT_TRUE(chart.BottomAxis().IsHorizontal);
    EXPECT_FALSE(chart.BottomAxis().IsOtherSide);
    EXPECT_TRUE(chart.TopAxis().IsOtherSide);
    EXPECT_FALSE(chart.LeftAxis().IsHorizontal);
    EXPECT_EQ(chart.LeftAxis().Title().Angle(), 90);
    EXPECT_EQ(chart.LeftAxis().Title().DefaultAngle, 90);
    EXPECT_EQ(chart.RightAxis().Title().Angle(), 270);
    EXPECT_TRUE(chart.DepthAxis().IsDepth);
    EXPECT_FALSE(chart.DepthAxis().Visible());
    EXPECT_TRUE(chart.BottomAxis().Visible());
    EXPECT_EQ(chart.BottomAxis().AxisValuesFormat(), "#,##0.###");
    EXPECT_EQ(chart.BottomAxis().LabelsSeparation(), 10);
    EXPECT_EQ(chart.BottomAxis().EndPosition(), 100);
}

TEST(AxisSetters, MaximumBelowAFixedMinimumIsRefused)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLimits(-10, 10);
    axis.SetMaximum(-10); // equal is accepted
    EXPECT_EQ(axis.Maximum(), -10);
    EXPECT_THROW_MESSAGE(axis.SetMaximum(-11), AxisException, "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(axis.Maximum(), -10);
    EXPECT_THROW_MESSAGE(axis.SetMinimum(-9), AxisException, "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(axis.Minimum(), -10);
}

TEST(AxisSetters, StaleAutomaticMinimumDoesNotRefuseAFixedMaximum)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    // The last paint resolved the automatic minimum to 80.
    axis.SetLimits(80, 90);
    axis.SetAutomatic(true);
    EXPECT_EQ(axis.Minimum(), 80);
    axis.SetAutomaticMaximum(false);
    axis.SetMaximum(50);
    EXPECT_EQ(axis.Maximum(), 50);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
}

TEST(AxisSetters, MinimumFixedAboveFiftyStillRefusesMaximumFifty)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.SetLimits(60, 70); // as a zoom leaves it
    EXPECT_THROW_MESSAGE(axis.SetMaximum(50), AxisException, "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(axis.Maximum(), 70);
}

TEST(AxisSetters, AutomaticMaximumDoesNotRefuseAFixedMinimum)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLimits(0, 5);
    axis.SetAutomaticMaximum(true);
    axis.SetMinimum(7);
    EXPECT_EQ(axis.Minimum(), 7);
}

TEST(AxisSetters, LoadingSkipsTheRangeCheck)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLimits(0, 5);
    chart.Loading = true;
    axis.SetMaximum(-10);
    chart.Loading = false;
    EXPECT_EQ(axis.Maximum(), -10);
}

TEST(AxisSetters, IncrementSeparationAndBaseAreChecked)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    EXPECT_THROW_MESSAGE(axis.SetIncrement(-1), AxisException, "Axis increment must be >= 0");
    EXPECT_THROW_MESSAGE(axis.SetIncrement(std::nan("")), AxisException, "Axis increment must be >= 0");
    EXPECT_EQ(axis.Increment(), 0);
    axis.SetIncrement(2.5);
    EXPECT_EQ(axis.Increment(), 2.5);
    EXPECT_THROW_MESSAGE(axis.SetLabelsSeparation(-1), AxisException, "Labels Separation % must be greater than 0");
    axis.SetLabelsSeparation(0);
    EXPECT_EQ(axis.LabelsSeparation(), 0);
    EXPECT_THROW_MESSAGE(axis.SetLogarithmicBase(1), AxisException, "Axis Logarithmic Base should be >= 2");
    EXPECT_EQ(axis.LogarithmicBase(), 10);
}

TEST(AxisSetters, AutomaticFlagsFollowEachOther)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    axis.SetAutomaticMaximum(false);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
    axis.SetAutomaticMinimum(false);
    axis.SetAutomaticMaximum(true);
    EXPECT_FALSE(axis.Automatic()); // AutomaticMinimum is still False
    axis.SetAutomaticMinimum(true);
    EXPECT_TRUE(axis.Automatic());
    axis.SetAutomatic(false);
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
}

TEST(AxisSetters, AutomaticWhileLoadingLeavesTheOtherFlags)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    chart.Loading = true;
    axis.SetAutomatic(false);
    chart.Loading = false;
    EXPECT_FALSE(axis.Automatic());
    EXPECT_TRUE(axis.AutomaticMinimum());
    EXPECT_TRUE(axis.AutomaticMaximum());
}

TEST(AxisLimits, SetLimitsOrdersAndWidens)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLimits(8, 2);
    EXPECT_EQ(axis.Minimum(), 2);
    EXPECT_EQ(axis.Maximum(), 8);
    EXPECT_FALSE(axis.Automatic());
    EXPECT_FALSE(axis.AutomaticMinimum());
    EXPECT_FALSE(axis.AutomaticMaximum());
    axis.SetLimits(5, 5);
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 5 + 1e-10);
}

TEST(AxisLimits, ShiftLimitsOnlyTowardsMoreData)
{
    TChart chart;
    TChartSeries series;
    chart.AddSeries(&series);
    series.AddPoint(0, 0, "", clDefault);
    series.AddPoint(100, 3, "", clDefault);
    TChartAxis& axis = chart.BottomAxis();
    axis.SetLimits(0, 50);
    axis.ShiftLimits(-5, true); // nothing below 0
    EXPECT_EQ(axis.Minimum(), 0);
    axis.ShiftLimits(10, true);
    EXPECT_EQ(axis.Minimum(), 10);
    EXPECT_EQ(axis.Maximum(), 60);
    axis.ShiftLimits(-20, false);
    EXPECT_EQ(axis.Minimum(), -10);
    EXPECT_EQ(axis.Maximum(), 40);
    chart.RemoveSeries(&series);
}

TEST(AxisRange, EmptyChartResolvesToZeroAndMapsToTheCentre)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    const TRect plot{40, 20, 840, 170};
    axis.ResolveRange();
    axis.PlaceAxis(plot);
    EXPECT_EQ(axis.Mapping().UsedMinimum, 0);
    EXPECT_EQ(axis.Mapping().UsedMaximum, 0);
    EXPECT_EQ(axis.Mapping().CenterPixel(), 95);
    EXPECT_EQ(axis.ValueToPosition(0), 95);
    EXPECT_EQ(axis.ValueToPosition(123), 95);
    EXPECT_EQ(axis.LabelStep(), 1e-12);
    EXPECT_EQ(axis.LabelValues(), std::vector<double>{0});
}

TEST(AxisRange, AutomaticLimitsComeFromTheSeriesInTheAxisDirection)
{
    TChart chart;
    TChartSeries series;
    chart.AddSeries(&series);
    series.AddPoint(0, 2, "", clDefault);
    series.AddPoint(7, -4, "", clDefault);
    series.AddPoint(3, 9, "", clDefault);
    chart.BottomAxis().ResolveRange();
    chart.LeftAxis().ResolveRange();
    chart.TopAxis().ResolveRange();
    EXPECT_EQ(chart.BottomAxis().Mapping().UsedMinimum, 0);
    EXPECT_EQ(chart.BottomAxis().Mapping().UsedMaximum, 7);
    EXPECT_EQ(chart.LeftAxis().Mapping().UsedMinimum, -4);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 9); // written back
    EXPECT_EQ(chart.TopAxis().Mapping().UsedRange, 0);
    chart.RemoveSeries(&series);
}

TEST(AxisRange, FixedLimitPassedByAnAutomaticOneGivesNegativeRange)
{
    TChart chart;
    TChartSeries series;
    chart.AddSeries(&series);
    series.AddPoint(80, 0, "", clDefault);
    series.AddPoint(90, 0, "", clDefault);
    TChartAxis& axis = chart.BottomAxis();
    axis.SetAutomaticMaximum(false);
    axis.SetMaximum(50);
    axis.ResolveRange();
    EXPECT_EQ(axis.Mapping().UsedMinimum, 80);
    EXPECT_EQ(axis.Mapping().UsedRange, -30);
    chart.RemoveSeries(&series);
}

TEST(AxisRange, InactiveSeriesCountOnlyWhenNoActiveSeriesUsesTheAxis)
{
    TChart chart;
    TChartSeries hidden;
    chart.AddSeries(&hidden);
    hidden.AddPoint(0, 100, "", clDefault);
    hidden.SetActive(false);
    chart.LeftAxis().ResolveRange();
    EXPECT_EQ(chart.LeftAxis().Mapping().UsedMaximum, 100);

    TChartSeries shown;
    chart.AddSeries(&shown);
    shown.AddPoint(0, 5, "", clDefault);
    chart.LeftAxis().ResolveRange();
    EXPECT_EQ(chart.LeftAxis().Mapping().UsedMaximum, 5);
    chart.RemoveSeries(&shown);
    chart.RemoveSeries(&hidden);
}

// With paging on, the automatic range of the horizontal axis is one page of
// the series' points (here x = 0, 1, ... n - 1); the vertical axis keeps
// the range of all of them.
TEST(AxisRange, PagingTakesTheHorizontalRangeFromOnePage)
{
    struct TCase {
        int Points, PerPage, Page;
        bool ScaleLastPage;
        double Minimum, Maximum;
    };
    const TCase cases[] = {
        {10, 0, 2, true, 0, 9}, // paging off
        {10, 3, 1, true, 0, 2},        {10, 3, 2, true, 3, 5},
        {10, 3, 4, true, 9, 9}, // the short last page
        {11, 3, 4, true, 9, 10},       {11, 3, 4, false, 9, 10.5}, // at the scale of a full page: 9 + 1 x 3 / 2
        {2, 3, 1, false, 0, 1.5},      {10, 3, 9, true, 6, 8}, // beyond the end: the last full page
        {2, 3, 5, true, 0, 1}, // beyond the end of less than a page
        {0, 3, 1, true, 0, 0}, // no points
        {10, 3, 0, true, 0, 2}, // before the first page: the first
        {10, 3, -1000000, true, 0, 2}, {10, 2147483647, 2147483647, true, 0, 9},
    };
    for (const TCase& c : cases) {
        TChart chart;
        TChartSeries series;
        chart.AddSeries(&series);
        for (int i = 0; i < c.Points; ++i)
            series.AddPoint(i, 100 - i * i, "", clDefault);
        chart.SetMaxPointsPerPage(c.PerPage);
        chart.SetPage(c.Page);
        chart.SetScaleLastPage(c.ScaleLastPage);
        chart.BottomAxis().ResolveRange();
        chart.LeftAxis().ResolveRange();
        EXPECT_EQ(chart.BottomAxis().Mapping().UsedMinimum, c.Minimum) << c.Points << " points, page " << c.Page;
        EXPECT_EQ(chart.BottomAxis().Mapping().UsedMaximum, c.Maximum) << c.Points << " points, page " << c.Page;
        EXPECT_EQ(chart.LeftAxis().Mapping().UsedMaximum, c.Points ? 100 : 0);
        chart.RemoveSeries(&series);
    }
}

TEST(AxisMapping, HorizontalAxisRunsRightwards)
{
    TChart chart;
    const TRect plot{40, 20, 840, 170};
    TChartAxis& axis = chart.BottomAxis();
    axis.SetLimits(0, 50);
    axis.ResolveRange();
    axis.PlaceAxis(plot);
    EXPECT_EQ(axis.Mapping().StartPixel, 40);
    EXPECT_EQ(axis.Mapping().EndPixel, 840);
    EXPECT_EQ(axis.ValueToPosition(25), 440);
    EXPECT_EQ(axis.PositionToValue(440), 25);
    axis.SetInverted(true);
    axis.PlaceAxis(plot); // the next paint's mapping
    EXPECT_EQ(axis.ValueToPosition(0), 840);
    EXPECT_EQ(axis.PositionToValue(840), 0);
}

TEST(AxisMapping, VerticalAxisRunsUpwardsAndRoundsHalfToEven)
{
    TChart chart;
    PlaceLeftAxis(chart, -10, 10);
    TChartAxis& axis = chart.LeftAxis();
    EXPECT_EQ(axis.ValueToPosition(0), 95);
    EXPECT_EQ(axis.ValueToPosition(3.3), 70); // d = 99.75
    // On 0..150 over 150 px the distance is the value itself: 2.5 -> 2.
    PlaceLeftAxis(chart, 0, 150);
    EXPECT_EQ(axis.ValueToPosition(2.5), 170 - 2);
    EXPECT_EQ(axis.ValueToPosition(3.5), 170 - 4);
    axis.SetInverted(true);
    axis.PlaceAxis(TRect{40, 20, 840, 170}); // the next paint's mapping
    EXPECT_EQ(axis.ValueToPosition(2.5), 20 + 2);
    EXPECT_EQ(axis.PositionToValue(22), 2);
}

TEST(AxisMapping, DistancesBeyond32BitsOrOverflowingMapToTheCentre)
{
    TChart chart;
    PlaceLeftAxis(chart, -10, 10);
    TChartAxis& axis = chart.LeftAxis();
    EXPECT_EQ(axis.ValueToPosition(1e308), 95); // distance 7.5e308 overflows a double
    EXPECT_EQ(axis.ValueToPosition(-1e308), 95);
    EXPECT_EQ(axis.ValueToPosition(std::numeric_limits<double>::infinity()), 95);
    EXPECT_EQ(axis.ValueToPosition(std::nan("")), 95);
    // d = (v + 10) * 150 / 20: 2147487075 is too far, 2147482575 is not.
    EXPECT_EQ(axis.ValueToPosition(286331600), 95);
    EXPECT_EQ(axis.ValueToPosition(286331000), 170 - 2147482575);
}

TEST(AxisMapping, InfiniteRangeNeverRaises)
{
    TChart chart;
    PlaceLeftAxis(chart, -1e308, 1e308);
    TChartAxis& axis = chart.LeftAxis();
    EXPECT_TRUE(std::isinf(axis.Mapping().UsedRange));
    EXPECT_EQ(axis.ValueToPosition(1e308), 170);
    EXPECT_EQ(axis.ValueToPosition(std::nan("")), 95);
}

TEST(AxisMapping, PlacementFollowsStartAndEndPosition)
{
    TChart chart;
    const TRect plot{40, 20, 840, 170};
    TChartAxis& axis = chart.LeftAxis();
    axis.SetStartPosition(10);
    axis.SetEndPosition(50);
    axis.PlaceAxis(plot);
    EXPECT_EQ(axis.Mapping().StartPixel, 35);
    EXPECT_EQ(axis.Mapping().EndPixel, 95);
    EXPECT_EQ(axis.Mapping().PixelLength, 60);
    EXPECT_EQ(axis.Mapping().CenterPixel(), 65);
}

TEST(AxisMapping, MarginsWidenTheUsedRangeOnly)
{
    TChart chart;
    const TRect plot{0, 0, 100, 100};
    TChartAxis& axis = chart.BottomAxis();
    axis.SetLimits(0, 80);
    axis.ResolveRange();
    axis.PlaceAxis(plot);
    axis.WidenForMargins(10, 10);
    EXPECT_EQ(axis.Mapping().UsedMinimum, -10);
    EXPECT_EQ(axis.Mapping().UsedMaximum, 90);
    EXPECT_EQ(axis.Mapping().UsedRange, 100);
    EXPECT_EQ(axis.Mapping().StartPixel, 0);
    EXPECT_EQ(axis.Mapping().EndPixel, 100);
    EXPECT_EQ(axis.Minimum(), 0);
    EXPECT_EQ(axis.Maximum(), 80);
}

TEST(AxisLabelStyle, ValueLabelsForAnAxisThatAnActiveSeriesUses)
{
    TChart chart;
    EXPECT_EQ(chart.LeftAxis().EffectiveLabelStyle(), talNone);
    TChartSeries series;
    chart.AddSeries(&series);
    series.AddPoint(1, 2, "", clDefault);
    EXPECT_EQ(chart.LeftAxis().EffectiveLabelStyle(), talValue);
    EXPECT_EQ(chart.RightAxis().EffectiveLabelStyle(), talNone);
    chart.RightAxis().SetLabelStyle(talValue);
    EXPECT_EQ(chart.RightAxis().EffectiveLabelStyle(), talValue);
    chart.RemoveSeries(&series);
}

TEST(AxisLabelText, NumberMaskResidueAndMultiLine)
{
    TChart chart;
    TChartAxis& axis = chart.BottomAxis();
    EXPECT_EQ(axis.LabelText(12345.6789), "12,345.679");
    EXPECT_EQ(axis.LabelText(-1e-15), "0");
    axis.SetAxisValuesFormat("0 m");
    axis.SetLabelsMultiLine(true);
    EXPECT_EQ(axis.LabelText(3), "3\rm");
}

TEST(AxisLabelText, EventMayReplaceTheTextButNotTheMeasuredRoom)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetLimits(-10, 10);
    axis.ResolveRange();
    chart.OnGetAxisLabel = [](TCustomChartAxis*, TChartSeries* series, int32_t index, std::string& text) {
        EXPECT_EQ(series, nullptr);
        EXPECT_EQ(index, -1);
        text = "WWWWWWWWWWWW";
    };
    EXPECT_EQ(axis.LabelText(1), "WWWWWWWWWWWW");
    chart.SelectFont(axis.LabelsFont());
    int32_t expected = std::max(chart.Canvas().MeasureTextWidth("10"), chart.Canvas().MeasureTextWidth("-10")) +
                       chart.Canvas().MeasureTextWidth(" ");
    EXPECT_EQ(axis.WidestValueLabel(), expected);
    EXPECT_TRUE(static_cast<bool>(chart.OnGetAxisLabel)); // switched on again
}

// The room is measured on the rounded first label, its quotient taken at
// extended precision: 0.5 / 0.05 is 9.99..., so the widest label is "0.45".
TEST(AxisLabelText, RoomForRoundedLabelsTruncatesTheExtendedQuotient)
{
    TChart chart;
    TChartAxis& axis = chart.LeftAxis();
    axis.SetIncrement(0.05);
    axis.SetLabelsSeparation(0); // the step is the increment
    PlaceLeftAxis(chart, 0, 0.5);
    ASSERT_EQ(axis.LabelStep(), 0.05);
    ASSERT_TRUE(axis.RoundFirstLabel());
    chart.SelectFont(axis.LabelsFont());
    const int32_t expected = chart.Canvas().MeasureTextWidth("0.45") + chart.Canvas().MeasureTextWidth(" ");
    ASSERT_NE(expected, chart.Canvas().MeasureTextWidth("0.5") + chart.Canvas().MeasureTextWidth(" "));
    EXPECT_EQ(axis.WidestValueLabel(), expected);
}

TEST(AxisAssign, CopiesScalingDrawingAndIdentity)
{
    TChart chart;
    TChartAxis& source = chart.LeftAxis();
    source.SetLimits(-3, 4);
    source.SetIncrement(0.5);
    source.SetTickLength(7);
    source.Grid().SetColor(clRed);
    source.Title().SetCaption("x");
    source.LabelsFont().SetSize(11);
    source.SetPositionPercent(12);
    TChartAxis& target = chart.TopAxis();
    target.Assign(source);
    EXPECT_FALSE(target.IsHorizontal);
    EXPECT_FALSE(target.IsOtherSide);
    EXPECT_FALSE(target.Automatic());
    EXPECT_EQ(target.Minimum(), -3);
    EXPECT_EQ(target.Maximum(), 4);
    EXPECT_EQ(target.Increment(), 0.5);
    EXPECT_EQ(target.TickLength(), 7);
    EXPECT_EQ(target.Grid().Color(), clRed);
    EXPECT_EQ(target.Grid().Style(), psDot);
    EXPECT_EQ(target.Title().Caption(), "x");
    EXPECT_EQ(target.Title().Angle(), 90);
    EXPECT_EQ(target.LabelsFont().Size(), 11);
    EXPECT_EQ(target.PositionPercent(), 12);
}
