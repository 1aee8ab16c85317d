#include "chart/SeriesData.h"
#include "tests/chart/ChartSeriesTestChart.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include <gtest/gtest.h>

TEST(ChartSeriesJoin, SeriesWithoutColourTakesTheFirstFreePaletteColour)
{
    RepaintCountingChart chart;
    auto* red = new TChartSeries;
    red->SetSeriesColor(clRed);
    red->SetParentChart(&chart);
    auto* green = new TChartSeries;
    green->SetSeriesColor(clGreen);
    green->SetParentChart(&chart);
    ASSERT_NE(chart.Color(), clYellow);
    ASSERT_NE(chart.BackColor(), clYellow);
    auto* third = new TChartSeries;
    third->SetParentChart(&chart);
    EXPECT_EQ(third->SeriesColor(), clYellow);
    ASSERT_EQ(chart.SeriesList().Count(), 3);
    EXPECT_EQ(chart.SeriesList().At(2), third);
}

TEST(ChartSeriesJoin, SeriesKeepsItsOwnColourAndResolvesAxes)
{
    RepaintCountingChart chart;
    auto* s = new TChartSeries;
    s->SetSeriesColor(clRed);
    chart.Repaints = 0;
    s->SetParentChart(&chart);
    EXPECT_EQ(s->SeriesColor(), clRed);
    EXPECT_EQ(s->ParentChart(), &chart);
    EXPECT_EQ(s->ResolvedHorizAxis, &chart.BottomAxis());
    EXPECT_EQ(s->ResolvedVertAxis, &chart.LeftAxis());
    EXPECT_GE(chart.Repaints, 1);
    chart.Repaints = 0;
    s->SetParentChart(&chart); // already there: nothing happens
    EXPECT_EQ(chart.Repaints, 0);
    EXPECT_EQ(chart.SeriesList().Count(), 1);
}

TEST(ChartSeriesJoin, MovingToAnotherChartLeavesTheFirst)
{
    RepaintCountingChart first;
    RepaintCountingChart second;
    auto* s = new TChartSeries;
    s->SetParentChart(&first);
    first.Repaints = 0;
    s->SetParentChart(&second);
    EXPECT_EQ(first.SeriesList().Count(), 0);
    EXPECT_GE(first.Repaints, 1);
    EXPECT_EQ(second.SeriesList().IndexOf(s), 0);
    EXPECT_EQ(s->ResolvedHorizAxis, &second.BottomAxis());
    s->SetParentChart(nullptr);
    EXPECT_EQ(second.SeriesList().Count(), 0);
    EXPECT_EQ(s->ResolvedHorizAxis, nullptr);
    EXPECT_EQ(s->ResolvedVertAxis, nullptr);
    delete s;
}

TEST(ChartSeriesJoin, DestroyedSeriesLeavesItsChart)
{
    RepaintCountingChart chart;
    auto* s = new TChartSeries;
    s->SetParentChart(&chart);
    delete s;
    EXPECT_EQ(chart.SeriesList().Count(), 0);
}

TEST(ChartSeriesAxes, EveryHorizontalAndVerticalChoice)
{
    RepaintCountingChart chart;
    auto* s = new TChartSeries;
    s->SetParentChart(&chart);
    s->SetHorizAxis(aTopAxis);
    EXPECT_EQ(s->ResolvedHorizAxis, &chart.TopAxis());
    s->SetHorizAxis(aBothHorizAxis);
    EXPECT_EQ(s->ResolvedHorizAxis, &chart.BottomAxis());
    s->SetHorizAxis(aCustomHorizAxis); // no custom axis set: the bottom one
    EXPECT_EQ(s->ResolvedHorizAxis, &chart.BottomAxis());
    s->CustomHorizAxis = &chart.TopAxis();
    s->ResolveAxes();
    EXPECT_EQ(s->ResolvedHorizAxis, &chart.TopAxis());

    s->SetVertAxis(aRightAxis);
    EXPECT_EQ(s->ResolvedVertAxis, &chart.RightAxis());
    s->SetVertAxis(aBothVertAxis);
    EXPECT_EQ(s->ResolvedVertAxis, &chart.LeftAxis());
    s->SetVertAxis(aCustomVertAxis);
    EXPECT_EQ(s->ResolvedVertAxis, &chart.LeftAxis());
    s->CustomVertAxis = &chart.RightAxis();
    s->ResolveAxes();
    EXPECT_EQ(s->ResolvedVertAxis, &chart.RightAxis());
}

TEST(ChartSeriesAxes, UsesAxisFollowsTheResolvedAxesAndTheBothChoices)
{
    RepaintCountingChart chart;
    auto* s = new TChartSeries;
    s->SetParentChart(&chart);
    EXPECT_TRUE(s->UsesAxis(&chart.BottomAxis()));
    EXPECT_TRUE(s->UsesAxis(&chart.LeftAxis()));
    EXPECT_FALSE(s->UsesAxis(&chart.TopAxis()));
    EXPECT_FALSE(s->UsesAxis(&chart.RightAxis()));
    EXPECT_FALSE(s->UsesAxis(&chart.DepthAxis()));
    s->SetHorizAxis(aBothHorizAxis);
    s->SetVertAxis(aBothVertAxis);
    EXPECT_TRUE(s->UsesAxis(&chart.TopAxis()));
    EXPECT_TRUE(s->UsesAxis(&chart.RightAxis()));
}

TEST(ChartSeriesSetters, StoreOnlyChangesAndRepaintOnce)
{
    RepaintCountingChart chart;
    auto* s = new TChartSeries;
    s->SetSeriesColor(clRed);
    s->SetParentChart(&chart);
    chart.Repaints = 0;
    s->SetSeriesColor(clRed);
    s->SetTitle("");
    s->SetValueFormat("#,##0.###");
    s->SetShowInLegend(true);
    s->SetHorizAxis(aBottomAxis);
    s->Marks().SetVisible(false);
    s->Marks().SetArrowLength(8);
    EXPECT_EQ(chart.Repaints, 0);
    s->SetTitle("Kmity");
    s->SetPercentFormat("0 %");
    s->SetActive(false);
    s->Marks().SetStyle(smsValue);
    s->Marks().Frame().SetWidth(3);
    EXPECT_EQ(chart.Repaints, 5);
}

TEST(ChartSeriesList, IndexErrorsAndActiveCount)
{
    RepaintCountingChart chart;
    auto* a = new TChartSeries;
    auto* b = new TChartSeries;
    a->SetParentChart(&chart);
    b->SetParentChart(&chart);
    b->SetActive(false);
    EXPECT_EQ(chart.SeriesList().ActiveCount(), 1);
    EXPECT_THROW_MESSAGE(chart.SeriesList().At(2), EListError, "List index out of bounds (2)");
}
