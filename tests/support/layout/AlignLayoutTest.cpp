#include "support/layout/AlignLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TAlignChild Child(TAlign align, int32_t left, int32_t top, int32_t width, int32_t height)
{
    TAlignChild c;
    c.Align = align;
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    return c;
}

void ExpectBounds(const TAlignChild& c, int32_t left, int32_t top, int32_t width, int32_t height)
{
    EXPECT_EQ(c.Left, left);
    EXPECT_EQ(c.Top, top);
    EXPECT_EQ(c.Width, width);
    EXPECT_EQ(c.Height, height);
}

// A row panel of the main window: 1075 x 200 with a one-pixel bevel.
const TRect RowFreeArea{1, 1, 1074, 199};

} // namespace

TEST(AlignChildren, DoesNothingWhenNoChildIsAligned)
{
    std::vector<TAlignChild> children{Child(alNone, 16, 24, 78, 13), Child(alNone, 120, 16, 121, 21)};
    AlignChildren(children, TRect{0, 0, 50, 50}, -1);
    ExpectBounds(children[0], 16, 24, 78, 13);
    ExpectBounds(children[1], 120, 16, 121, 21);
}

TEST(AlignChildren, PlacesMainWindowRowsAtDesignSize)
{
    // Panel1's free area inside its bevel; the rows stacked by their Top.
    std::vector<TAlignChild> rows{Child(alTop, 1, 1, 1075, 200), Child(alTop, 1, 201, 1075, 200),
                                  Child(alTop, 1, 401, 1075, 200), Child(alNone, 8, 608, 249, 129)};
    AlignChildren(rows, TRect{1, 1, 1076, 736}, -1);
    ExpectBounds(rows[0], 1, 1, 1075, 200);
    ExpectBounds(rows[1], 1, 201, 1075, 200);
    ExpectBounds(rows[2], 1, 401, 1075, 200);
    ExpectBounds(rows[3], 8, 608, 249, 129);
}

TEST(AlignChildren, PlacesInputColumnAndChartInARow)
{
    // Created before the column, with a stale size: only the alignment counts.
    std::vector<TAlignChild> row{Child(alClient, 0, 0, 400, 250), Child(alLeft, 1, 1, 257, 198)};
    AlignChildren(row, RowFreeArea, -1);
    ExpectBounds(row[1], 1, 1, 257, 198);
    ExpectBounds(row[0], 258, 1, 816, 198);
}

TEST(AlignChildren, AlClientTakesWhatTheOtherGroupsLeave)
{
    std::vector<TAlignChild> c{Child(alClient, 0, 0, 5, 5), Child(alRight, 0, 0, 10, 5), Child(alBottom, 0, 0, 5, 20),
                               Child(alLeft, 0, 0, 30, 5), Child(alTop, 0, 0, 5, 15)};
    AlignChildren(c, TRect{0, 0, 100, 80}, -1);
    ExpectBounds(c[4], 0, 0, 100, 15);
    ExpectBounds(c[2], 0, 60, 100, 20);
    ExpectBounds(c[3], 0, 15, 30, 45);
    ExpectBounds(c[1], 90, 15, 10, 45);
    ExpectBounds(c[0], 30, 15, 60, 45);
}

TEST(AlignChildren, SkipsInvisibleChildren)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 0, 10, 30), Child(alClient, 0, 0, 10, 10)};
    c[0].Visible = false;
    AlignChildren(c, TRect{0, 0, 100, 100}, -1);
    ExpectBounds(c[0], 0, 0, 10, 30);
    ExpectBounds(c[1], 0, 0, 100, 100);
}

TEST(AlignChildren, LeavesCustomAlignedChildWhereItIs)
{
    std::vector<TAlignChild> c{Child(alCustom, 7, 8, 9, 10), Child(alClient, 0, 0, 1, 1)};
    AlignChildren(c, TRect{0, 0, 50, 40}, 0);
    ExpectBounds(c[0], 7, 8, 9, 10);
    ExpectBounds(c[1], 0, 0, 50, 40);
}

TEST(AlignChildren, ReplacesNegativeFreeWidthByTheChildsOwn)
{
    // Two 257-wide columns in a 300-wide area leave -214 for the client.
    std::vector<TAlignChild> c{Child(alLeft, 0, 0, 257, 10), Child(alLeft, 300, 0, 257, 10),
                               Child(alClient, 0, 0, 120, 10)};
    AlignChildren(c, TRect{0, 0, 300, 50}, -1);
    ExpectBounds(c[0], 0, 0, 257, 50);
    ExpectBounds(c[1], 257, 0, 257, 50);
    ExpectBounds(c[2], 514, 0, 120, 50);
}

TEST(AlignChildren, ReplacesNegativeFreeHeightByTheChildsOwn)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 0, 10, 200), Child(alLeft, 0, 0, 30, 70)};
    AlignChildren(c, TRect{0, 0, 100, 150}, -1);
    ExpectBounds(c[0], 0, 0, 100, 200);
    ExpectBounds(c[1], 0, 200, 30, 70);
}

TEST(AlignChildren, NextTopChildFollowsARowCutByItsMaximumHeight)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 0, 10, 50), Child(alTop, 0, 60, 10, 20)};
    c[0].MaxHeight = 30;
    AlignChildren(c, TRect{0, 0, 100, 100}, -1);
    ExpectBounds(c[0], 0, 0, 100, 30);
    ExpectBounds(c[1], 0, 30, 100, 20);
}

TEST(AlignChildren, NextLeftChildFollowsAColumnWidenedByItsMinimumWidth)
{
    std::vector<TAlignChild> c{Child(alLeft, 0, 0, 20, 10), Child(alClient, 0, 0, 1, 1)};
    c[0].MinWidth = 35;
    AlignChildren(c, TRect{0, 0, 100, 40}, -1);
    ExpectBounds(c[0], 0, 0, 35, 40);
    ExpectBounds(c[1], 35, 0, 65, 40);
}

TEST(AlignChildren, BottomChildCutByItsLimitStaysOnTheEdge)
{
    // The limited child keeps the area's bottom edge and the next one stacks
    // on its real top: no gap, no overlap.
    std::vector<TAlignChild> c{Child(alBottom, 0, 90, 10, 10), Child(alBottom, 0, 50, 10, 40)};
    c[1].MaxHeight = 25;
    AlignChildren(c, TRect{0, 0, 100, 100}, -1);
    ExpectBounds(c[0], 0, 90, 100, 10);
    ExpectBounds(c[1], 0, 65, 100, 25);
}

TEST(AlignChildren, RightChildWidenedByItsLimitStaysOnTheEdge)
{
    std::vector<TAlignChild> c{Child(alRight, 80, 0, 20, 10), Child(alClient, 0, 0, 1, 1)};
    c[0].MinWidth = 30;
    AlignChildren(c, TRect{0, 0, 100, 40}, -1);
    ExpectBounds(c[0], 70, 0, 30, 40);
    ExpectBounds(c[1], 0, 0, 70, 40);
}

TEST(AlignChildren, ClientChildLimitMovesTheAreaEdgesForLaterClients)
{
    std::vector<TAlignChild> c{Child(alClient, 0, 0, 1, 1), Child(alClient, 0, 0, 1, 1)};
    c[0].MaxWidth = 40;
    c[0].MaxHeight = 30;
    AlignChildren(c, TRect{10, 10, 110, 90}, -1);
    ExpectBounds(c[0], 10, 10, 40, 30);
    ExpectBounds(c[1], 10, 10, 40, 30);
}

TEST(ConstrainSize, MaximumWinsOverALargerMinimum)
{
    EXPECT_EQ(ConstrainSize(5, 10, 0), 10);
    EXPECT_EQ(ConstrainSize(50, 10, 20), 20);
    EXPECT_EQ(ConstrainSize(5, 30, 20), 20);
    EXPECT_EQ(ConstrainSize(15, 10, 20), 15);
}

TEST(AlignOrder, TopChildrenWithEqualTopsKeepChildOrder)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 5, 1, 1), Child(alTop, 0, 5, 1, 1), Child(alTop, 0, 2, 1, 1)};
    EXPECT_EQ(AlignOrder(c, alTop, -1), (std::vector<int>{2, 0, 1}));
}

TEST(AlignOrder, CausingTopChildGoesFirstAmongEqualTops)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 5, 1, 1), Child(alTop, 0, 5, 1, 1), Child(alTop, 0, 9, 1, 1),
                               Child(alTop, 0, 5, 1, 1)};
    EXPECT_EQ(AlignOrder(c, alTop, 3), (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(AlignOrder(c, alTop, 2), (std::vector<int>{0, 1, 3, 2}));
}

TEST(AlignOrder, CausingLeftChildGoesFirstAmongEqualLefts)
{
    std::vector<TAlignChild> c{Child(alLeft, 4, 0, 1, 1), Child(alLeft, 0, 0, 1, 1), Child(alLeft, 4, 0, 1, 1)};
    EXPECT_EQ(AlignOrder(c, alLeft, 2), (std::vector<int>{1, 2, 0}));
}

TEST(AlignOrder, BottomChildrenWithEqualEdgesStackInReverseChildOrder)
{
    // Bottom edges 30, 30, 40, 30.
    std::vector<TAlignChild> c{Child(alBottom, 0, 20, 1, 10), Child(alBottom, 0, 10, 1, 20),
                               Child(alBottom, 0, 0, 1, 40), Child(alBottom, 0, 25, 1, 5)};
    EXPECT_EQ(AlignOrder(c, alBottom, -1), (std::vector<int>{2, 3, 1, 0}));
    EXPECT_EQ(AlignOrder(c, alBottom, 3), (std::vector<int>{2, 1, 0, 3}));
}

TEST(AlignOrder, CausingRightChildGoesLastAmongEqualEdges)
{
    std::vector<TAlignChild> c{Child(alRight, 10, 0, 5, 1), Child(alRight, 5, 0, 10, 1), Child(alRight, 0, 0, 15, 1)};
    EXPECT_EQ(AlignOrder(c, alRight, 1), (std::vector<int>{2, 0, 1}));
}

TEST(AlignOrder, OtherGroupsTakeChildOrderWithTheCausingChildFirst)
{
    std::vector<TAlignChild> c{Child(alClient, 9, 9, 1, 1), Child(alNone, 0, 0, 1, 1), Child(alClient, 0, 0, 1, 1),
                               Child(alNone, 0, 0, 1, 1)};
    c[3].Visible = false;
    EXPECT_EQ(AlignOrder(c, alClient, 2), (std::vector<int>{2, 0}));
    // alNone keeps its invisible children; the others drop theirs.
    EXPECT_EQ(AlignOrder(c, alNone, 3), (std::vector<int>{3, 1}));
}

TEST(AlignChildren, TwoTopRowsWithEqualTopsStackCausingOneFirst)
{
    std::vector<TAlignChild> c{Child(alTop, 0, 0, 10, 20), Child(alTop, 0, 0, 10, 30)};
    AlignChildren(c, TRect{0, 0, 100, 100}, 1);
    ExpectBounds(c[1], 0, 0, 100, 30);
    ExpectBounds(c[0], 0, 30, 100, 20);
}

TEST(AlignChildren, TwoBottomRowsWithEqualEdgesStackInReverseChildOrder)
{
    std::vector<TAlignChild> c{Child(alBottom, 0, 70, 10, 30), Child(alBottom, 0, 80, 10, 20)};
    AlignChildren(c, TRect{0, 0, 100, 100}, -1);
    ExpectBounds(c[1], 0, 80, 100, 20);
    ExpectBounds(c[0], 0, 50, 100, 30);
}
