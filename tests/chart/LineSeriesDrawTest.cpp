#include "chart/ChartMessages.h"
#include "tests/chart/LineSeriesTestBench.h"

#include <gtest/gtest.h>

// Bottom axis 0..100 on the bench: one pixel per unit from column 10, and
// row 60 - 5y. So (x, y) is drawn at pixel (10 + x, 60 - 5y).

TEST(LineSeriesDraw, JoinsPointsInThePointColour)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->AddPoint(10, 2, "", clDefault);
    b.Series->AddPoint(50, 2, "", clDefault);
    b.Series->AddPoint(90, 2, "", clBlue);
    b.Draw();
    EXPECT_TRUE(b.IsRed(20, 50));
    EXPECT_TRUE(b.IsRed(59, 50));
    EXPECT_EQ(b.At(60, 50), clBlue); // the segment into a blue point is blue
    EXPECT_EQ(b.At(99, 50), clBlue);
    EXPECT_EQ(b.At(100, 50), clWhite); // the last pixel is left out
    EXPECT_EQ(b.At(19, 50), clWhite); // nothing before the first point
    EXPECT_EQ(b.At(20, 49), clWhite);
}

TEST(LineSeriesDraw, SinglePointDrawsNothing)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->AddPoint(30, 5, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesDraw, PointsOnTheSamePixelDrawNoLine)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->AddPoint(30, 5, "", clDefault);
    b.Series->AddPoint(30.2, 5.05, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesDraw, HiddenLinePenDrawsNothing)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->LinePen().SetVisible(false);
    b.Series->AddPoint(10, 2, "", clDefault);
    b.Series->AddPoint(50, 8, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesDraw, PointFarOffIsSkippedAndTheNextJoinsTheLastThatPassed)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->AddPoint(10, 2, "", clDefault);
    b.Series->AddPoint(30, 8000, "", clDefault); // 40000 px above the plot
    b.Series->AddPoint(50, 2, "", clDefault);
    b.Draw();
    // One straight line from (20, 50) to (60, 50) and nothing else.
    for (int x = 20; x < 60; ++x)
        EXPECT_TRUE(b.IsRed(x, 50)) << x;
    EXPECT_EQ(b.CountNonWhite(), 40);
}

TEST(LineSeriesDraw, NothingIsJoinedToAPixelOfAnEarlierPaint)
{
    LineSeriesBench b;
    b.ScaleX(10, 100);
    b.Series->AddPoint(0, 2, "", clDefault);
    b.Series->AddPoint(20, 8000, "", clDefault); // first shown, beyond the guard
    b.Series->AddPoint(50, 2, "", clDefault);
    b.Series->PreviousPixelX = 0;
    b.Series->PreviousPixelY = 0;
    b.Draw();
    EXPECT_EQ(b.Series->FirstShownIndex, 1);
    EXPECT_EQ(b.CountNonWhite(), 0);
}

TEST(LineSeriesDraw, StairsStepAcrossThenUp)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->SetStairs(true);
    b.Series->AddPoint(10, 2, "", clDefault); // (20, 50)
    b.Series->AddPoint(50, 6, "", clDefault); // (60, 30)
    b.Draw();
    EXPECT_TRUE(b.IsRed(40, 50));
    EXPECT_TRUE(b.IsRed(60, 50));
    EXPECT_TRUE(b.IsRed(60, 40));
    EXPECT_EQ(b.At(40, 40), clWhite);
    EXPECT_EQ(b.At(20, 40), clWhite);
}

TEST(LineSeriesDraw, InvertedStairsStepUpThenAcross)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->SetStairs(true);
    b.Series->SetInvertedStairs(true);
    b.Series->AddPoint(10, 2, "", clDefault);
    b.Series->AddPoint(50, 6, "", clDefault);
    b.Draw();
    EXPECT_TRUE(b.IsRed(20, 40));
    EXPECT_TRUE(b.IsRed(20, 30));
    EXPECT_TRUE(b.IsRed(40, 30));
    EXPECT_EQ(b.At(40, 50), clWhite);
    EXPECT_EQ(b.At(60, 40), clWhite);
}

TEST(LineSeriesDraw, NullPointIsNeitherDrawnNorJoined)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->AddPoint(10, 2, "", clDefault);
    b.Series->AddPoint(30, 2, "", clNone);
    b.Series->AddPoint(50, 2, "", clDefault);
    b.Series->AddPoint(70, 2, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.At(30, 50), clWhite);
    EXPECT_EQ(b.At(50, 50), clWhite);
    EXPECT_TRUE(b.IsRed(60, 50));
    EXPECT_TRUE(b.IsRed(79, 50));
}

// After a zoom that starts the bottom axis at 10: points (0, 0), (20, 10),
// (40, 10) on 10..50 over 100 px, so 2.5 px per unit from column 10.
TEST(LineSeriesEdgeLine, StartsAtTheLeftEdgeAtTheInterpolatedHeight)
{
    LineSeriesBench b;
    b.ScaleX(10, 50);
    b.Series->AddPoint(0, 0, "", clDefault);
    b.Series->AddPoint(20, 10, "", clDefault); // (35, 10)
    b.Series->AddPoint(40, 10, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.Series->FirstShownIndex, 1);
    // At x = 10 the line from (0, 0) to (20, 10) is at y = 5: row 35.
    EXPECT_TRUE(b.IsRed(10, 35));
    EXPECT_EQ(b.At(9, 35), clWhite);
    EXPECT_EQ(b.At(10, 60), clWhite);
}

TEST(LineSeriesEdgeLine, WithStairsStartsAtThePreviousPointsHeight)
{
    LineSeriesBench b;
    b.ScaleX(10, 50);
    b.Series->SetStairs(true);
    b.Series->AddPoint(0, 2, "", clDefault); // row 50
    b.Series->AddPoint(20, 10, "", clDefault); // (35, 10)
    b.Draw();
    EXPECT_TRUE(b.IsRed(10, 50));
    EXPECT_TRUE(b.IsRed(34, 50));
    EXPECT_TRUE(b.IsRed(35, 30));
    EXPECT_EQ(b.At(10, 35), clWhite);
}

TEST(LineSeriesEdgeLine, InvertedAxisStartsAtTheRightEdge)
{
    LineSeriesBench b;
    b.Chart.BottomAxis().SetInverted(true);
    b.ScaleX(10, 50);
    b.Series->AddPoint(0, 0, "", clDefault);
    b.Series->AddPoint(20, 10, "", clDefault); // (85, 10)
    b.Draw();
    EXPECT_TRUE(b.IsRed(110, 35));
    EXPECT_EQ(b.At(10, 35), clWhite);
}

TEST(LineSeriesEdgeLine, NoEdgeLineFromANullPoint)
{
    LineSeriesBench b;
    b.ScaleX(10, 50);
    b.Series->AddPoint(0, 0, "", clNone);
    b.Series->AddPoint(20, 10, "", clDefault);
    b.Series->AddPoint(40, 10, "", clDefault);
    b.Draw();
    EXPECT_EQ(b.At(10, 35), clWhite);
    EXPECT_TRUE(b.IsRed(40, 10));
}

TEST(LineSeriesMarkers, VisiblePointerBoxesTheLastPointInPenAndPointColour)
{
    LineSeriesBench b;
    b.ScaleX(0, 100);
    b.Series->Pointer().SetVisible(true);
    b.Series->AddPoint(30, 4, "", clDefault); // (40, 40)
    b.Draw();
    EXPECT_EQ(b.At(36, 36), clBlack); // outline, HorizSize 4
    EXPECT_EQ(b.At(44, 44), clBlack);
    EXPECT_TRUE(b.IsRed(40, 40)); // brush of clDefault takes the point colour
    EXPECT_EQ(b.At(45, 40), clWhite);
}
