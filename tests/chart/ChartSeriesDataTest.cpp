#include "chart/ChartMessages.h"
#include "chart/SeriesData.h"
#include "tests/chart/ChartSeriesTestChart.h"

#include <gtest/gtest.h>

namespace {

// A series in a chart, created on the heap: the chart deletes the series it
// still holds when it goes.
TChartSeries* SeriesIn(RepaintCountingChart& chart)
{
    auto* series = new TChartSeries;
    series->SetParentChart(&chart);
    chart.Repaints = 0;
    return series;
}

} // namespace

TEST(ChartSeriesConstruction, Defaults)
{
    TChartSeries s;
    EXPECT_TRUE(s.Active());
    EXPECT_EQ(s.SeriesColor(), clDefault);
    EXPECT_EQ(s.HorizAxis(), aBottomAxis);
    EXPECT_EQ(s.VertAxis(), aLeftAxis);
    EXPECT_EQ(s.ValueFormat(), "#,##0.###");
    EXPECT_EQ(s.PercentFormat(), "##0.## %");
    EXPECT_EQ(s.XValues->Name(), "X");
    EXPECT_EQ(s.XValues->Order(), loAscending);
    EXPECT_EQ(s.YValues->Name(), "Y");
    EXPECT_EQ(s.YValues->Order(), loNone);
    ASSERT_EQ(s.AllValueLists.Count(), 2);
    EXPECT_EQ(s.AllValueLists.At(0), s.XValues.get());
    EXPECT_EQ(s.AllValueLists.At(1), s.YValues.get());
    EXPECT_EQ(s.FirstShownIndex, -1);
    EXPECT_EQ(s.LastShownIndex, -1);
    EXPECT_TRUE(s.ClipToVisibleRange);
    EXPECT_FALSE(s.ReachPastEdge);
    EXPECT_EQ(s.ResolvedHorizAxis, nullptr);
    EXPECT_FALSE(s.Marks().Visible());
    EXPECT_EQ(s.Marks().ArrowLength(), 8);
    EXPECT_EQ(s.Marks().BackColor(), 0x80FFFF);
}

TEST(ChartSeriesAddPoint, EqualXGoesAfterItsEqualsWithAllParallelLists)
{
    TChartSeries s;
    s.AddPoint(0, 10, "a", clDefault);
    s.AddPoint(1, 11, "", clDefault);
    s.AddPoint(2, 12, "c", clDefault);
    EXPECT_EQ(s.AddPoint(1, 99, "new", clBlue), 2);
    EXPECT_EQ(s.AddPoint(2, 13, "", clDefault), 4);
    ASSERT_EQ(s.PointCount(), 5);
    EXPECT_EQ(s.XAt(2), 1);
    EXPECT_EQ(s.YAt(2), 99);
    EXPECT_EQ(s.PointColor(2), clBlue);
    EXPECT_EQ(s.LabelAt(2), "new");
    EXPECT_EQ(s.LabelAt(3), "c");
    EXPECT_EQ(s.YAt(3), 12);
    EXPECT_FALSE(s.HasLabelAt(1));
    EXPECT_FALSE(s.HasLabelAt(4));
}

TEST(ChartSeriesAddPoint, XBelowAllShiftsEveryListByOne)
{
    TChartSeries s;
    s.AddPoint(1, 10, "one", clGreen);
    s.AddPoint(2, 20, "", clDefault);
    EXPECT_EQ(s.AddPoint(-1, 5, "first", clBlue), 0);
    EXPECT_EQ(s.XAt(0), -1);
    EXPECT_EQ(s.YAt(0), 5);
    EXPECT_EQ(s.LabelAt(0), "first");
    EXPECT_EQ(s.PointColor(0), clBlue);
    EXPECT_EQ(s.YAt(1), 10);
    EXPECT_EQ(s.LabelAt(1), "one");
    EXPECT_EQ(s.PointColor(1), clGreen);
    EXPECT_EQ(s.YAt(2), 20);
}

TEST(ChartSeriesAddPoint, UnorderedXKeepsCallOrder)
{
    TChartSeries s;
    s.XValues->SetOrder(loNone);
    s.AddPoint(5, 1, "", clDefault);
    EXPECT_EQ(s.AddPoint(1, 2, "", clDefault), 1);
    EXPECT_EQ(s.XAt(1), 1);
    EXPECT_EQ(s.LowestX(), 1);
    EXPECT_EQ(s.HighestX(), 5);
}

TEST(ChartSeriesAddPoint, RefusedPointStoresNothingAndRepaintsNothing)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    bool afterCalled = false;
    double pendingSeen = 0;
    s->OnBeforeAdd = [&](TChartSeries* sender) {
        pendingSeen = sender->XValues->PendingValue;
        return false;
    };
    s->OnAfterAdd = [&](TChartSeries*, int32_t) { afterCalled = true; };
    EXPECT_EQ(s->AddPoint(3, 4, "x", clDefault), -1);
    EXPECT_EQ(pendingSeen, 3);
    EXPECT_EQ(s->PointCount(), 0);
    EXPECT_EQ(s->PointColorCount(), 0);
    EXPECT_EQ(s->PointLabelCount(), 0);
    EXPECT_FALSE(afterCalled);
    EXPECT_EQ(chart.Repaints, 0);
}

TEST(ChartSeriesAddPoint, AcceptedPointNotifiesThenRepaintsOnce)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    int32_t afterIndex = -5;
    s->OnBeforeAdd = [](TChartSeries*) { return true; };
    s->OnAfterAdd = [&](TChartSeries* sender, int32_t index) {
        EXPECT_EQ(sender, s);
        EXPECT_EQ(chart.Repaints, 0); // the event comes before the repaint
        afterIndex = index;
    };
    s->AddPoint(0, 0, "", clDefault);
    EXPECT_EQ(afterIndex, 0);
    EXPECT_EQ(chart.Repaints, 1);
}

TEST(ChartSeriesAddPoint, InactiveSeriesStoresWithoutRepaint)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    s->SetActive(false);
    chart.Repaints = 0;
    s->AddPoint(1, 2, "", clDefault);
    EXPECT_EQ(s->PointCount(), 1);
    s->ClearPoints();
    EXPECT_EQ(s->PointCount(), 0);
    EXPECT_EQ(chart.Repaints, 0);
}

TEST(ChartSeriesClearPoints, EmptySeriesStillRaisesClearAndRepaints)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    int cleared = 0;
    s->OnClearValues = [&](TChartSeries*) { ++cleared; };
    s->ClearPoints();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(chart.Repaints, 1);
}

TEST(ChartSeriesClearPoints, EmptiesEveryListAndReleasesIt)
{
    TChartSeries s;
    for (int i = 0; i < 10; ++i)
        s.AddPoint(i, -i, "p", clDefault);
    s.Marks().Positions.push_back(TRect{});
    s.ClearPoints();
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.YValues->ValueCount(), 0);
    EXPECT_EQ(s.XValues->Capacity(), 0);
    EXPECT_EQ(s.YValues->Capacity(), 0);
    EXPECT_EQ(s.PointColorCount(), 0);
    EXPECT_EQ(s.LabelAt(0), "");
    EXPECT_TRUE(s.Marks().Positions.empty());
    EXPECT_EQ(s.LowestY(), 0);
    EXPECT_EQ(s.HighestX(), 0);
}

TEST(ChartSeriesPointColor, BeyondTheColoursIsTheSeriesColour)
{
    TChartSeries s;
    s.SetSeriesColor(clRed);
    EXPECT_EQ(s.PointColor(0), clRed);
    s.AddPoint(0, 0, "", clDefault);
    EXPECT_EQ(s.PointColor(0), clRed);
    EXPECT_EQ(s.PointColor(7), clRed);
    EXPECT_THROW(s.PointColor(-1), EListError);
}

TEST(ChartSeriesPointColor, ColourEachPointUsesPaletteOnlyForDefaults)
{
    TChartSeries s;
    s.SetSeriesColor(clRed);
    s.AddPoint(0, 0, "", clDefault);
    s.AddPoint(1, 0, "", clDefault);
    s.AddPoint(2, 0, "", clNavy);
    s.SetColorEachPoint(true);
    EXPECT_EQ(s.PointColor(0), clRed); // palette entry 0
    EXPECT_EQ(s.PointColor(1), clGreen); // palette entry 1
    EXPECT_EQ(s.PointColor(2), clNavy); // stored colours win
}

TEST(ChartSeriesPointColor, SwitchingColourEachPointOffForgetsStoredColours)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    s->SetActive(false); // no repaints from the appends
    s->AddPoint(0, 0, "", clNavy);
    s->AddPoint(1, 0, "", clBlue);
    s->AddPoint(2, 0, "", clDefault);
    chart.Repaints = 0;
    // Already off: nothing to store, but each point is reset and repainted.
    s->SetColorEachPoint(false);
    EXPECT_EQ(chart.Repaints, 3);
    EXPECT_EQ(s->PointColor(0), s->SeriesColor());
    EXPECT_EQ(s->PointColor(1), s->SeriesColor());
}

TEST(ChartSeriesLabels, LabelIsAPrivateCopy)
{
    TChartSeries s;
    std::string text = "peak";
    s.AddPoint(0, 0, text, clDefault);
    text = "changed";
    EXPECT_EQ(s.LabelAt(0), "peak");
    EXPECT_EQ(s.LabelAt(1), "");
}

TEST(ChartSeriesMultiplier, SameValueRequestsNoRepaint)
{
    RepaintCountingChart chart;
    TChartSeries* s = SeriesIn(chart);
    s->YValues->SetMultiplier(1);
    EXPECT_EQ(chart.Repaints, 0);
    s->YValues->SetMultiplier(2);
    EXPECT_EQ(chart.Repaints, 1);
    s->YValues->SetDateTime(true);
    s->YValues->SetDateTime(true);
    EXPECT_EQ(chart.Repaints, 2);
}
