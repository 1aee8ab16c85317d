#include "chart/ChartMessages.h"
#include "chart/LineSeries.h"
#include "tests/chart/ChartSeriesTestChart.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include <gtest/gtest.h>

namespace {

struct Margins {
    int32_t Left, Right, Top, Bottom;
    bool operator==(const Margins&) const = default;
};

Margins MarginsOf(TCustomSeries& s)
{
    Margins m{-1, -1, -1, -1};
    s.HorizontalMargins(m.Left, m.Right);
    s.VerticalMargins(m.Top, m.Bottom);
    return m;
}

} // namespace

TEST(LineSeriesConstruction, Defaults)
{
    TLineSeries s;
    EXPECT_TRUE(s.JoinPoints());
    EXPECT_FALSE(s.DrawArea());
    EXPECT_TRUE(s.ReachPastEdge);
    EXPECT_FALSE(s.Stairs());
    EXPECT_FALSE(s.InvertedStairs());
    EXPECT_TRUE(s.Dark3D());
    EXPECT_EQ(s.LineBrush(), bsSolid);
    EXPECT_EQ(s.LineHeight(), 0);
    EXPECT_EQ(s.LinePen().Color(), clBlack);
    EXPECT_EQ(s.LinePen().Width(), 1);
    EXPECT_TRUE(s.LinePen().Visible());
    const TSeriesPointer& p = s.Pointer();
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(p.InflateMargins());
    EXPECT_EQ(p.Style(), psRectangle);
    EXPECT_EQ(p.HorizSize(), 4);
    EXPECT_EQ(p.VertSize(), 4);
    EXPECT_TRUE(p.Dark3D());
    EXPECT_TRUE(p.Draw3D());
}

TEST(LineSeriesPointer, SizeBelowOneIsRefusedAndKept)
{
    TLineSeries s;
    for (int bad : {0, -3}) {
        EXPECT_THROW_MESSAGE(s.Pointer().SetHorizSize(bad), ChartException, "Pointer size must be greater than zero");
        EXPECT_THROW(s.Pointer().SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(s.Pointer().HorizSize(), 4);
    EXPECT_EQ(s.Pointer().VertSize(), 4);
    s.Pointer().SetVertSize(1);
    EXPECT_EQ(s.Pointer().VertSize(), 1);
}

TEST(LineSeriesPointer, ChangesAndPensRequestRepaints)
{
    RepaintCountingChart chart;
    auto* s = new TLineSeries;
    s->SetParentChart(&chart);
    chart.Repaints = 0;
    s->Pointer().SetVisible(false);
    s->Pointer().SetStyle(psRectangle);
    s->LinePen().SetColor(clBlack);
    EXPECT_EQ(chart.Repaints, 0);
    s->Pointer().SetStyle(psCircle);
    s->Pointer().Brush().SetColor(clBlue);
    s->Pointer().Pen().SetWidth(2);
    s->LinePen().SetWidth(3);
    s->SetStairs(true);
    EXPECT_EQ(chart.Repaints, 5);
}

TEST(LineSeriesMargins, ProgramSettingsAskForNone)
{
    TLineSeries s;
    EXPECT_EQ(MarginsOf(s), (Margins{0, 0, 0, 0}));
    s.Pointer().SetHorizSize(9); // a hidden pointer inflates nothing
    EXPECT_EQ(MarginsOf(s), (Margins{0, 0, 0, 0}));
}

TEST(LineSeriesMargins, VisiblePointerAsksForItsSizePlusOne)
{
    TLineSeries s;
    s.Pointer().SetVisible(true);
    EXPECT_EQ(MarginsOf(s), (Margins{5, 5, 5, 5}));
    s.Pointer().SetInflateMargins(false);
    EXPECT_EQ(MarginsOf(s), (Margins{0, 0, 0, 0}));
}

TEST(LineSeriesMargins, LineHeightWidensOnlyTheBottom)
{
    TLineSeries s;
    s.SetLineHeight(7);
    EXPECT_EQ(MarginsOf(s), (Margins{0, 0, 0, 7}));
}

TEST(LineSeriesMargins, StairsAskForThePenWidth)
{
    TLineSeries s;
    s.SetStairs(true);
    s.LinePen().SetWidth(2);
    EXPECT_EQ(MarginsOf(s), (Margins{2, 2, 2, 3}));
    s.Pointer().SetVisible(true);
    EXPECT_EQ(MarginsOf(s), (Margins{5, 5, 5, 5}));
}
