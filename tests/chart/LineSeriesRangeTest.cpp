#include "tests/chart/LineSeriesTestBench.h"

#include <gtest/gtest.h>

namespace {

// x = 0, 0.1, ... 60 as the run loop produces them.
void AddTimeSeries(TChartSeries& s)
{
    for (int i = 0; i <= 600; ++i)
        s.AddPoint(i * 0.1, 0, "", clDefault);
}

} // namespace

TEST(LineSeriesShownRange, EmptySeriesShowsNothing)
{
    LineSeriesBench b;
    b.ScaleX(0, 50);
    b.Draw();
    EXPECT_EQ(b.Series->FirstShownIndex, -1);
    EXPECT_EQ(b.Series->LastShownIndex, -1);
}

TEST(LineSeriesShownRange, EndsAtTheFirstPointAtOrBeyondTheRightEdge)
{
    LineSeriesBench b;
    AddTimeSeries(*b.Series);
    b.ScaleX(0, 50);
    b.Series->FindShownRange();
    EXPECT_EQ(b.Series->FirstShownIndex, 0);
    ASSERT_EQ(b.Series->LastShownIndex, 500);
    EXPECT_GE(b.Series->XAt(500), 50.0);
    EXPECT_LT(b.Series->XAt(499), 50.0);
}

TEST(LineSeriesShownRange, WithoutReachingPastTheEdgeStopsBeforeIt)
{
    LineSeriesBench b;
    for (double x : {0.0, 20.0, 49.0, 55.0, 60.0})
        b.Series->AddPoint(x, 0, "", clDefault);
    b.ScaleX(0, 50);
    b.Series->ReachPastEdge = false;
    b.Series->FindShownRange();
    EXPECT_EQ(b.Series->LastShownIndex, 2);
}

TEST(LineSeriesShownRange, StartsAtTheFirstPointAtOrAfterTheLeftEdge)
{
    LineSeriesBench b;
    AddTimeSeries(*b.Series);
    b.ScaleX(10, 50);
    b.Series->FindShownRange();
    const int32_t first = b.Series->FirstShownIndex;
    ASSERT_GT(first, 0);
    EXPECT_GE(b.Series->XAt(first), 10.0);
    EXPECT_LT(b.Series->XAt(first - 1), 10.0);
}

TEST(LineSeriesShownRange, AllPointsBelowTheMinimumShowNothing)
{
    LineSeriesBench b;
    AddTimeSeries(*b.Series);
    b.ScaleX(100, 200);
    b.Draw();
    EXPECT_EQ(b.Series->FirstShownIndex, -1);
    EXPECT_EQ(b.Series->LastShownIndex, -1);
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesShownRange, AllPointsBeyondTheMaximumShowOnlyTheFirst)
{
    LineSeriesBench b;
    for (double x : {10.0, 20.0, 30.0})
        b.Series->AddPoint(x, 5, "", clDefault);
    b.ScaleX(-50, 0);
    b.Draw();
    EXPECT_EQ(b.Series->FirstShownIndex, 0);
    EXPECT_EQ(b.Series->LastShownIndex, 0);
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesShownRange, InvertedAxisTakesTheLowValueFromTheRightEdge)
{
    LineSeriesBench b;
    AddTimeSeries(*b.Series);
    b.Chart.BottomAxis().SetInverted(true);
    b.ScaleX(10, 50);
    b.Series->FindShownRange();
    const int32_t first = b.Series->FirstShownIndex;
    EXPECT_GE(b.Series->XAt(first), 10.0);
    EXPECT_LT(b.Series->XAt(first - 1), 10.0);
    EXPECT_GE(b.Series->XAt(b.Series->LastShownIndex), 50.0);
    EXPECT_LT(b.Series->XAt(b.Series->LastShownIndex - 1), 50.0);
}

TEST(LineSeriesShownRange, UnclippedOrUnorderedSeriesShowsEveryPoint)
{
    LineSeriesBench b;
    AddTimeSeries(*b.Series);
    b.ScaleX(10, 20);
    b.Series->ClipToVisibleRange = false;
    b.Series->FindShownRange();
    EXPECT_EQ(b.Series->FirstShownIndex, 0);
    EXPECT_EQ(b.Series->LastShownIndex, 600);

    b.Series->ClipToVisibleRange = true;
    b.Series->XValues->SetOrder(loNone);
    b.Series->FindShownRange();
    EXPECT_EQ(b.Series->FirstShownIndex, 0);
    EXPECT_EQ(b.Series->LastShownIndex, 600);
}

TEST(LineSeriesShownRange, DrawsTheRangeForwardOnly)
{
    struct Recording : TLineSeries {
        void DrawPoint(TLynCanvas3D&, int32_t index) override { Drawn.push_back(index); }
        std::vector<int32_t> Drawn;
    } s;
    TLynCanvas3D canvas;
    for (int i = 0; i < 6; ++i)
        s.AddPoint(i, 0, "", clDefault);
    s.FirstShownIndex = 2;
    s.LastShownIndex = 4;
    s.DrawShownPoints(canvas);
    EXPECT_EQ(s.Drawn, (std::vector<int32_t>{2, 3, 4}));
    s.Drawn.clear();
    s.FirstShownIndex = 3;
    s.LastShownIndex = 2;
    s.DrawShownPoints(canvas);
    EXPECT_TRUE(s.Drawn.empty());
}
