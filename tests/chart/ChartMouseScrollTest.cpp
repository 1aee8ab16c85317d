// Scrolling with the right button and the wheel, and the pointer rules
// outside a drag (cursor over a series, leaving the chart).
#include "support/numbers/Float80.h"
#include "tests/chart/ChartMouseTestSupport.h"

#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

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
        const TRect& r = T.Chart.Layout().PlotRect;
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
    T.Move(QPoint(Start.x() + 32, T.Chart.Layout().PlotRect.Top - 3), Qt::RightButton);
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
    QApplication::sendEvent(&T.Window, &leave);
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

// A scroll or a wheel turn that would carry a limit beyond the double range
// raises the overflow before it moves any axis: here the horizontal part of
// the drag and the left axis of the wheel turn would be harmless.
TEST(ChartMouseLimits, AScrollOrWheelTurnWhoseNewLimitOverflowsRaisesAndMovesNoAxis)
{
    TErrorBoxRecorder box;
    TMouseTestChart t;
    t.Chart.LeftAxis().SetLimits(0, 1.7e308);
    t.Paint();
    const TRect& plot = t.Chart.Layout().PlotRect;
    const QPoint start((plot.Left + plot.Right) / 2, plot.Top + 10);
    const QPoint end = QPoint(start.x() - 40, plot.Bottom - 10);
    const TAxisState bottom = StateOf(t.Chart.BottomAxis());
    const TAxisState left = StateOf(t.Chart.LeftAxis());
    t.Press(Qt::RightButton, start);
    t.Move(end, Qt::RightButton);
    t.Release(Qt::RightButton, end);
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_EQ(box.Texts[0], "Floating point overflow.");
    EXPECT_EQ(StateOf(t.Chart.BottomAxis()), bottom);
    EXPECT_EQ(StateOf(t.Chart.LeftAxis()), left);
    EXPECT_TRUE(t.Chart.ScalesRestored);

    t.Chart.LeftAxis().SetLimits(-10, 10);
    t.Chart.RightAxis().SetLimits(0, 1.79e308);
    t.Paint();
    const TAxisState leftBeforeWheel = StateOf(t.Chart.LeftAxis());
    const TAxisState right = StateOf(t.Chart.RightAxis());
    t.Wheel(true, start);
    ASSERT_EQ(box.Texts.size(), 2u);
    EXPECT_EQ(box.Texts[1], "Floating point overflow.");
    EXPECT_EQ(StateOf(t.Chart.LeftAxis()), leftBeforeWheel);
    EXPECT_EQ(StateOf(t.Chart.RightAxis()), right);
}

// Touchpads and smooth wheels send a notch as many small deltas: only whole
// notches (120) turn, the rest is kept, a reversal starts afresh, and
// horizontal deltas are ignored. Each case is compared with whole notches
// sent one by one, so the arithmetic of a turn is not restated here.
struct TWheelCase {
    const char* Name;
    std::vector<QPoint> Deltas;
    int Turns; // notches downwards are negative
};

TEST(ChartMouseWheel, GathersSmallDeltasIntoWholeNotches)
{
    const std::vector<TWheelCase> cases = {
        {"eight of 15", std::vector<QPoint>(8, QPoint(0, 15)), 1},
        {"seven of 15", std::vector<QPoint>(7, QPoint(0, 15)), 0},
        {"eight of -15", std::vector<QPoint>(8, QPoint(0, -15)), -1},
        {"60 then 60", {QPoint(0, 60), QPoint(0, 60)}, 1},
        {"60 then -60", {QPoint(0, 60), QPoint(0, -60)}, 0},
        {"90, -60, -60", {QPoint(0, 90), QPoint(0, -60), QPoint(0, -60)}, -1},
        {"240 at once", {QPoint(0, 240)}, 2},
        {"100 then 260", {QPoint(0, 100), QPoint(0, 260)}, 3},
        {"horizontal 120s", {QPoint(120, 0), QPoint(-120, 0)}, 0},
        {"60, sideways, 60", {QPoint(0, 60), QPoint(240, 0), QPoint(0, 60)}, 1},
    };
    const QPoint inside(300, 100);
    for (const TWheelCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TMouseTestChart expected;
        for (int i = 0; i < std::abs(c.Turns); ++i)
            expected.Wheel(c.Turns < 0, inside);
        TMouseTestChart t;
        for (const QPoint& delta : c.Deltas)
            t.WheelBy(delta, inside);
        EXPECT_EQ(StateOf(t.Chart.LeftAxis()), StateOf(expected.Chart.LeftAxis()));
        EXPECT_EQ(StateOf(t.Chart.RightAxis()), StateOf(expected.Chart.RightAxis()));
        EXPECT_EQ(StateOf(t.Chart.BottomAxis()), StateOf(expected.Chart.BottomAxis()));
    }
}

TEST(ChartMousePointer, ASeriesCursorShowsOverItsLineAndTheRestingCursorElsewhere)
{
    TMouseTestChart t;
    t.Series->SetCursor(crCross);
    const QPoint onLine(t.Series->PointPixelX(20), t.Series->PointPixelY(20));
    ASSERT_NE(t.Series->PointAtPixel(onLine.x(), onLine.y()), -1);
    t.Move(onLine, Qt::NoButton);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::CrossCursor);
    t.Move(QPoint(onLine.x(), t.Chart.LeftAxis().ValueToPosition(9)), Qt::NoButton);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::ArrowCursor);
    t.Move(onLine, Qt::NoButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&t.Window, &leave);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::ArrowCursor);
}

namespace {

// A line series that notes the moves it is told of.
class TMoveRecordingSeries final : public TLineSeries {
public:
    TMoveRecordingSeries(std::vector<std::string>& log, std::string name) : Log(log), Name(std::move(name)) {}
    void MouseMoved(int32_t x, int32_t y) override
    {
        Log.push_back(Name + " " + std::to_string(x) + "," + std::to_string(y));
    }

private:
    std::vector<std::string>& Log;
    std::string Name;
};

} // namespace

// After the cursor rule, every series hears of the move, in list order:
// also when the first one claimed the cursor, and also an inactive one.
TEST(ChartMousePointer, EverySeriesReceivesAMoveOutsideADrag)
{
    TMouseTestChart t;
    std::vector<std::string> log;
    auto* first = new TMoveRecordingSeries(log, "first"); // the chart deletes them
    auto* second = new TMoveRecordingSeries(log, "second");
    for (TMoveRecordingSeries* s : {first, second}) {
        s->SetParentChart(&t.Chart);
        s->AddPoint(0, 0, "", clDefault);
        s->AddPoint(50, 0, "", clDefault);
    }
    second->SetActive(false);
    first->SetCursor(crCross);
    t.Paint();
    const QPoint onFirst(first->PointPixelX(0) + 100, first->PointPixelY(0));
    ASSERT_NE(first->PointAtPixel(onFirst.x(), onFirst.y()), -1);
    t.Move(onFirst, Qt::NoButton);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::CrossCursor);
    const QPoint elsewhere(onFirst.x(), onFirst.y() - 30);
    t.Move(elsewhere, Qt::NoButton);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::ArrowCursor);
    const std::string at = std::to_string(onFirst.x()) + ",";
    EXPECT_EQ(log, (std::vector<std::string>{
                       "first " + at + std::to_string(onFirst.y()), "second " + at + std::to_string(onFirst.y()),
                       "first " + at + std::to_string(elsewhere.y()), "second " + at + std::to_string(elsewhere.y())}));
    // A drag's moves belong to the drag.
    log.clear();
    t.Drag(Qt::RightButton, elsewhere, elsewhere + QPoint(20, 0));
    EXPECT_TRUE(log.empty());
}

TEST(ChartMousePointer, MovesThroughTheWindowSystemReachTheChartWithoutAButton)
{
    TMouseTestChart t;
    t.Series->SetCursor(crCross);
    const QPoint onLine(t.Series->PointPixelX(20), t.Series->PointPixelY(20));
    QTest::mouseMove(&t.Window, onLine);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::CrossCursor);
    QTest::mouseMove(&t.Window, QPoint(onLine.x(), t.Chart.LeftAxis().ValueToPosition(9)));
    EXPECT_EQ(t.Window.cursor().shape(), Qt::ArrowCursor);
}
