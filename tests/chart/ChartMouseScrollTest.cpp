// Scrolling with the right button and the wheel, and the pointer rules
// outside a drag (cursor over a series, leaving the chart).
#include "tests/chart/ChartMouseTestSupport.h"
#include "support/numbers/Float80.h"

#include <gtest/gtest.h>

namespace {

// A chart whose bottom axis is 800 pixels long and shows 0..50: 16 pixels
// per unit, so every scroll below is an exact number of sixteenths.
class ChartMouseScroll : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(T.FitBottomAxisLength(800));
        ASSERT_EQ(T.Chart.BottomAxis().Minimum(), 0);
        ASSERT_EQ(T.Chart.BottomAxis().Maximum(), 50);
        const TRect& r = T.Chart.PlotRect;
        Start = QPoint((r.Left + r.Right) / 2, T.Chart.LeftAxis().ValueToPosition(8));
    }

    TMouseTestChart T;
    QPoint Start;
};

} // namespace

TEST_F(ChartMouseScroll, LeftwardsScrollsFromTheLargerStoredPositionAfterTheFirstMove)
{
    T.Press(Qt::RightButton, Start);
    T.Move(Start - QPoint(40, 0), Qt::RightButton);
    T.Paint();
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 2.5);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 52.5);
    // The anchor and the last point were exchanged, so this move scrolls
    // 50 pixels' worth although the pointer moved 10.
    T.Move(Start - QPoint(50, 0), Qt::RightButton);
    T.Paint();
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 5.625);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 55.625);
    T.Release(Qt::RightButton, Start - QPoint(50, 0));
    // A purely horizontal drag leaves the left axis alone, flags included.
    EXPECT_EQ(StateOf(T.Chart.LeftAxis()), (TAxisState{false, false, false, -10, 10}));
    EXPECT_FALSE(T.Chart.BottomAxis().AutomaticMinimum());
}

TEST_F(ChartMouseScroll, RightwardsFollowsThePointerExactly)
{
    T.Press(Qt::RightButton, Start);
    T.Move(Start + QPoint(40, 0), Qt::RightButton);
    T.Paint();
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), -2.5);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 47.5);
    T.Move(Start + QPoint(70, 0), Qt::RightButton);
    T.Paint();
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), -4.375);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 45.625);
    T.Release(Qt::RightButton, Start + QPoint(70, 0));
}

TEST_F(ChartMouseScroll, DownwardsMovesTheLeftAxisToLargerValues)
{
    const TChartAxis& left = T.Chart.LeftAxis();
    const double expectedDelta = left.PositionToValue(Start.y()) - left.PositionToValue(Start.y() + 30);
    T.Press(Qt::RightButton, Start);
    T.Move(Start + QPoint(0, 30), Qt::RightButton);
    T.Release(Qt::RightButton, Start + QPoint(0, 30));
    EXPECT_GT(expectedDelta, 0);
    EXPECT_EQ(left.Minimum(), -10 + expectedDelta);
    EXPECT_EQ(left.Maximum(), 10 + expectedDelta);
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 0);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 50);
}

TEST_F(ChartMouseScroll, LeavingThePlotAreaEndsTheScrollForGood)
{
    T.Press(Qt::RightButton, Start);
    T.Move(Start + QPoint(16, 0), Qt::RightButton);
    ASSERT_EQ(T.Chart.BottomAxis().Minimum(), -1);
    T.Move(QPoint(Start.x() + 32, T.Chart.PlotRect.Top - 3), Qt::RightButton);
    EXPECT_FALSE(T.Chart.PanRecord.IsActive);
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), -1);
    T.Move(Start + QPoint(64, 0), Qt::RightButton);
    T.Paint();
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), -1);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 49);
    T.Release(Qt::RightButton, Start + QPoint(64, 0));
}

TEST_F(ChartMouseScroll, HorizontalPanningMovesOnlyTheHorizontalAxes)
{
    T.Chart.AllowPanning = pmHorizontal;
    const TAxisState left = StateOf(T.Chart.LeftAxis());
    const TAxisState right = StateOf(T.Chart.RightAxis());
    T.Press(Qt::RightButton, Start);
    T.Move(Start + QPoint(-32, 40), Qt::RightButton);
    T.Release(Qt::RightButton, Start + QPoint(-32, 40));
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 2);
    EXPECT_EQ(T.Chart.BottomAxis().Maximum(), 52);
    EXPECT_FALSE(T.Chart.TopAxis().Automatic());
    EXPECT_EQ(StateOf(T.Chart.LeftAxis()), left);
    EXPECT_EQ(StateOf(T.Chart.RightAxis()), right);
}

TEST_F(ChartMouseScroll, NoPanningStartsNoScroll)
{
    T.Chart.AllowPanning = pmNone;
    T.Press(Qt::RightButton, Start);
    EXPECT_FALSE(T.Chart.PanRecord.IsActive);
    T.Move(Start + QPoint(40, 40), Qt::RightButton);
    T.Release(Qt::RightButton, Start + QPoint(40, 40));
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 0);
    EXPECT_TRUE(T.Chart.ScalesRestored);
}

TEST_F(ChartMouseScroll, LeavingTheChartEndsTheScroll)
{
    T.Press(Qt::RightButton, Start);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&T.Chart, &leave);
    EXPECT_FALSE(T.Chart.PanRecord.IsActive);
    T.Move(Start + QPoint(40, 0), Qt::RightButton);
    EXPECT_EQ(T.Chart.BottomAxis().Minimum(), 0);
    T.Release(Qt::RightButton, Start + QPoint(40, 0));
}

TEST(ChartMouseWheel, ShiftsTheVerticalAxesByThreePercentOfTheirRange)
{
    TMouseTestChart t;
    const QPoint inside(300, 100);
    // (Maximum - Minimum) x 3 x 0.01 at extended precision.
    const double step = static_cast<double>(F80(20.0) * 3 * F80(0.01));
    const int64_t renders = t.Chart.RenderCount();
    t.Wheel(true, inside);
    EXPECT_EQ(t.Chart.LeftAxis().Minimum(), -10 + step);
    EXPECT_EQ(t.Chart.LeftAxis().Maximum(), 10 + step);
    // Each shifted axis repaints at once.
    EXPECT_GT(t.Chart.RenderCount(), renders);
    t.Wheel(false, inside);
    t.Wheel(false, inside);
    EXPECT_EQ(t.Chart.LeftAxis().Minimum(), -10 + step - step - step);
    EXPECT_EQ(t.Chart.LeftAxis().Maximum(), 10 + step - step - step);
    // The horizontal axes stay, and nothing is remembered for an undo.
    EXPECT_EQ(t.Chart.BottomAxis().Maximum(), 50);
    EXPECT_TRUE(t.Chart.BottomAxis().AutomaticMinimum());
    EXPECT_TRUE(t.Chart.ScalesRestored);
}

TEST(ChartMousePointer, ASeriesCursorShowsOverItsLineAndTheRestingCursorElsewhere)
{
    TMouseTestChart t;
    t.Series->SetCursor(Qt::CrossCursor);
    const QPoint onLine(t.Series->PointPixelX(20), t.Series->PointPixelY(20));
    ASSERT_NE(t.Series->PointAtPixel(onLine.x(), onLine.y()), -1);
    t.Move(onLine, Qt::NoButton);
    EXPECT_EQ(t.Chart.cursor().shape(), Qt::CrossCursor);
    t.Move(QPoint(onLine.x(), t.Chart.LeftAxis().ValueToPosition(9)), Qt::NoButton);
    EXPECT_EQ(t.Chart.cursor().shape(), Qt::ArrowCursor);
    t.Move(onLine, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&t.Chart, &leave);
    EXPECT_EQ(t.Chart.cursor().shape(), Qt::ArrowCursor);
}

TEST(ChartMousePointer, MovesThroughTheWindowSystemReachTheChartWithoutAButton)
{
    TMouseTestChart t;
    t.Series->SetCursor(Qt::CrossCursor);
    const QPoint onLine(t.Series->PointPixelX(20), t.Series->PointPixelY(20));
    QTest::mouseMove(&t.Chart, onLine);
    EXPECT_EQ(t.Chart.cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(&t.Chart, QPoint(onLine.x(), t.Chart.LeftAxis().ValueToPosition(9)));
    EXPECT_EQ(t.Chart.cursor().shape(), Qt::ArrowCursor);
}
