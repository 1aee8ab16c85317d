// Start-up pieces that the window does not show: the charts' fixed
// configuration, and the number format following the user's locale.

#include "AppTestSupport.h"

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "support/numbers/NumberText.h"

#include <QApplication>

#include <gtest/gtest.h>

TEST(MainWindowCharts, EachChartHasItsTitleFixedLeftAxisAndNoLegend)
{
    auto form = ShowMainWindow();
    const char* titles[] = {"Kmity 1", "Kmity 2", "Kmity složené"};
    TChart* charts[] = {form->Chart1, form->Chart2, form->Chart3};
    for (int i = 0; i < 3; ++i) {
        TChart& chart = *charts[i];
        EXPECT_EQ(chart.Title().Text(), std::vector<std::string>{titles[i]});
        EXPECT_EQ(chart.BackWall().Brush().Color(), clWhite);
        EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);
        EXPECT_EQ(chart.BottomAxis().Title().Caption(), "t");
        EXPECT_EQ(chart.LeftAxis().Title().Caption(), "x");
        EXPECT_FALSE(chart.LeftAxis().Automatic());
        EXPECT_FALSE(chart.LeftAxis().AutomaticMinimum());
        EXPECT_FALSE(chart.LeftAxis().AutomaticMaximum());
        EXPECT_EQ(chart.LeftAxis().Minimum(), -10.0);
        EXPECT_EQ(chart.LeftAxis().Maximum(), 10.0);
        // The bottom axis keeps its defaults until a Start.
        EXPECT_TRUE(chart.BottomAxis().Automatic());
        EXPECT_EQ(chart.BottomAxis().Minimum(), 0.0);
        EXPECT_FALSE(chart.Legend().Visible());
        EXPECT_FALSE(chart.View3D());
        EXPECT_FALSE(chart.Loading);
    }
}

TEST(MainWindowCharts, EachSeriesIsARedLineWithoutMarkersJoinedToItsChart)
{
    auto form = ShowMainWindow();
    TLineSeries* series[] = {form->Series1, form->Series2, form->Series3};
    TChart* charts[] = {form->Chart1, form->Chart2, form->Chart3};
    for (int i = 0; i < 3; ++i) {
        TLineSeries& s = *series[i];
        EXPECT_EQ(s.ParentChart(), charts[i]);
        EXPECT_EQ(charts[i]->SeriesList().Count(), 1);
        EXPECT_EQ(charts[i]->SeriesList().IndexOf(&s), 0);
        EXPECT_EQ(s.SeriesColor(), clRed);
        EXPECT_FALSE(s.Pointer().Visible());
        EXPECT_EQ(s.Pointer().Style(), psRectangle);
        EXPECT_TRUE(s.Pointer().InflateMargins());
        EXPECT_FALSE(s.Marks().Visible());
        EXPECT_EQ(s.Marks().ArrowLength(), 8);
        EXPECT_EQ(s.XValues->Name(), "X");
        EXPECT_EQ(s.XValues->Order(), loAscending);
        EXPECT_EQ(s.YValues->Name(), "Y");
        EXPECT_EQ(s.YValues->Order(), loNone);
        EXPECT_EQ(s.YValues->Multiplier(), 1.0);
        EXPECT_FALSE(s.XValues->DateTime());
        EXPECT_EQ(s.PointCount(), 0);
    }
}
