// Zooming with the left button: the dragged rectangle becomes the four axes'
// ranges, a drag the other way undoes every zoom and scroll since the first,
// a short drag is a click, and the rubber-band frame never outlives its drag.
#include "tests/chart/ChartMouseTestSupport.h"

#include "tests/support/runtime/ErrorBoxRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const QPoint ZoomFrom(100, 50);
const QPoint ZoomTo(300, 150);

// The values at the drag's corners with the mapping of the last paint.
struct TZoomTargets {
    double BottomMin, BottomMax, TopMin, TopMax, LeftMin, LeftMax, RightMin, RightMax;
};

TZoomTargets TargetsOf(TChart& chart, QPoint from, QPoint to)
{
    return {chart.BottomAxis().PositionToValue(from.x()), chart.BottomAxis().PositionToValue(to.x()),
            chart.TopAxis().PositionToValue(from.x()),    chart.TopAxis().PositionToValue(to.x()),
            chart.LeftAxis().PositionToValue(to.y()),     chart.LeftAxis().PositionToValue(from.y()),
            chart.RightAxis().PositionToValue(to.y()),    chart.RightAxis().PositionToValue(from.y())};
}

std::vector<TAxisState> StatesOf(TChart& chart)
{
    return {StateOf(chart.BottomAxis()), StateOf(chart.TopAxis()), StateOf(chart.LeftAxis()),
            StateOf(chart.RightAxis())};
}

} // namespace

TEST(ChartMouseZoom, DragRightAndDownZoomsAllFourAxesToTheCornerValues)
{
    TMouseTestChart t;
    ASSERT_TRUE(t.Chart.Layout().PlotRect.Contains(ZoomFrom.x(), ZoomFrom.y()));
    const TZoomTargets v = TargetsOf(t.Chart, ZoomFrom, ZoomTo);
    ASSERT_LT(v.BottomMin, v.BottomMax);
    ASSERT_LT(v.LeftMin, v.LeftMax);

    t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);

    EXPECT_EQ(StateOf(t.Chart.BottomAxis()), (TAxisState{false, false, false, v.BottomMin, v.BottomMax}));
    EXPECT_EQ(StateOf(t.Chart.LeftAxis()), (TAxisState{false, false, false, v.LeftMin, v.LeftMax}));
    // The axes that are not shown are zoomed too, with their own mapping.
    EXPECT_EQ(t.Chart.TopAxis().Minimum(), std::min(v.TopMin, v.TopMax));
    EXPECT_EQ(t.Chart.RightAxis().Minimum(), std::min(v.RightMin, v.RightMax));
    EXPECT_FALSE(t.Chart.TopAxis().Automatic());
    EXPECT_FALSE(t.Chart.RightAxis().Automatic());
    EXPECT_TRUE(t.Chart.ZoomedIn);
    EXPECT_FALSE(t.Chart.ZoomRecord.IsActive);
}

// Axes that were fully fixed or fully automatic before the first zoom come
// back exactly; a partly automatic one is covered further down.
TEST(ChartMouseZoom, DragBackUndoesToTheStateAndPixelsBeforeTheFirstZoom)
{
    TMouseTestChart t;
    t.Chart.BottomAxis().SetLimits(0, 50);
    t.Paint();
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    const QImage pixelsBefore = t.Pixels();

    t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
    ASSERT_NE(t.Pixels(), pixelsBefore);
    // A second zoom and a scroll do not move the remembered state.
    t.Drag(Qt::LeftButton, QPoint(150, 60), QPoint(400, 140));
    t.Drag(Qt::RightButton, QPoint(300, 100), QPoint(330, 120));
    ASSERT_NE(StatesOf(t.Chart), before);

    t.Drag(Qt::LeftButton, ZoomTo, ZoomFrom);

    EXPECT_EQ(StatesOf(t.Chart), before);
    EXPECT_FALSE(t.Chart.ZoomedIn);
    EXPECT_TRUE(t.Chart.ScalesRestored);
    EXPECT_EQ(t.Pixels(), pixelsBefore);
}

TEST(ChartMouseZoom, AnyDragLeftOrUpByMoreThanSixteenPixelsUndoes)
{
    for (const QPoint end : {QPoint(83, 150), QPoint(300, 33), QPoint(83, 33)}) {
        TMouseTestChart t;
        t.Chart.BottomAxis().SetLimits(0, 50);
        t.Paint();
        const std::vector<TAxisState> before = StatesOf(t.Chart);
        t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
        t.Drag(Qt::LeftButton, ZoomFrom, end);
        EXPECT_EQ(StatesOf(t.Chart), before) << end.x() << "," << end.y();
    }
}

TEST(ChartMouseZoom, DragOfSixteenPixelsOrLessChangesNothingAndLeavesNoFrame)
{
    for (const QPoint end : {QPoint(116, 150), QPoint(300, 66), QPoint(84, 34), QPoint(100, 50)}) {
        TMouseTestChart t;
        const std::vector<TAxisState> before = StatesOf(t.Chart);
        const QImage pixelsBefore = t.Pixels();
        const int64_t renders = t.Chart.RenderCount();
        t.Drag(Qt::LeftButton, ZoomFrom, end);
        EXPECT_EQ(StatesOf(t.Chart), before) << end.x() << "," << end.y();
        EXPECT_EQ(t.Pixels(), pixelsBefore) << end.x() << "," << end.y();
        EXPECT_EQ(t.Chart.RenderCount(), renders);
        EXPECT_TRUE(t.Chart.ScalesRestored);
    }
}

TEST(ChartMouseZoom, FrameFollowsThePointerAndSurvivesRepaintsDuringTheDrag)
{
    TMouseTestChart t;
    const QImage pixelsBefore = t.Pixels();
    t.Press(Qt::LeftButton, ZoomFrom);
    t.Move(QPoint(200, 100), Qt::LeftButton);
    t.Move(ZoomTo, Qt::LeftButton);
    t.Paint();
    const QImage withFrame = t.Pixels();
    // The frame's top edge is there, its inside is untouched, and nothing
    // of the frame at the intermediate corner remains.
    EXPECT_NE(withFrame.pixel(200, 50), pixelsBefore.pixel(200, 50));
    EXPECT_EQ(withFrame.pixel(200, 120), pixelsBefore.pixel(200, 120));
    EXPECT_EQ(withFrame.pixel(150, 100), pixelsBefore.pixel(150, 100));

    // A paint with nothing changed keeps the frame on the window.
    t.Window.update();
    t.Paint();
    EXPECT_EQ(t.Pixels(), withFrame);
    // A full render during the drag draws the frame into the new picture.
    const int64_t renders = t.Chart.RenderCount();
    t.Chart.RequestRepaint();
    t.Paint();
    ASSERT_EQ(t.Chart.RenderCount(), renders + 1);
    EXPECT_EQ(t.Pixels(), withFrame);

    // Released as a click: the frame goes, also from the stored picture.
    t.Move(QPoint(110, 60), Qt::LeftButton);
    t.Release(Qt::LeftButton, QPoint(110, 60));
    t.Paint();
    EXPECT_EQ(t.Pixels(), pixelsBefore);
    t.Window.update();
    t.Paint();
    EXPECT_EQ(t.Pixels(), pixelsBefore);
}

TEST(ChartMouseZoom, RightButtonDuringAZoomDragChangesNothing)
{
    TMouseTestChart t;
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    const TZoomTargets v = TargetsOf(t.Chart, ZoomFrom, ZoomTo);
    t.Press(Qt::LeftButton, ZoomFrom);
    t.Move(QPoint(200, 100), Qt::LeftButton);
    t.Press(Qt::RightButton, QPoint(200, 100), Qt::LeftButton);
    EXPECT_FALSE(t.Chart.PanRecord.IsActive);
    t.Move(QPoint(250, 120), Qt::LeftButton | Qt::RightButton);
    t.Release(Qt::RightButton, QPoint(250, 120), Qt::LeftButton);
    t.Paint();
    EXPECT_TRUE(t.Chart.ZoomRecord.IsActive);
    EXPECT_EQ(StatesOf(t.Chart), before);

    t.Move(ZoomTo, Qt::LeftButton);
    t.Release(Qt::LeftButton, ZoomTo);
    EXPECT_EQ(t.Chart.BottomAxis().Minimum(), v.BottomMin);
    EXPECT_EQ(t.Chart.BottomAxis().Maximum(), v.BottomMax);
    EXPECT_EQ(t.Chart.LeftAxis().Minimum(), v.LeftMin);
    EXPECT_EQ(t.Chart.LeftAxis().Maximum(), v.LeftMax);
}

TEST(ChartMouseZoom, UndoGivesAFixedMaximumWithAnAutomaticMinimumBothLimitsFixed)
{
    TMouseTestChart t;
    ASSERT_TRUE(t.Chart.BottomAxis().AutomaticMinimum());
    ASSERT_FALSE(t.Chart.BottomAxis().AutomaticMaximum());
    t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
    t.Drag(Qt::LeftButton, ZoomTo, ZoomFrom);
    EXPECT_EQ(StateOf(t.Chart.BottomAxis()), (TAxisState{false, false, false, 0, 50}));
}

TEST(ChartMouseZoom, UndoOfAFullyAutomaticAxisMakesItAutomaticAgain)
{
    TMouseTestChart t;
    t.Chart.BottomAxis().SetAutomatic(true);
    t.Paint();
    t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
    ASSERT_FALSE(t.Chart.BottomAxis().Automatic());
    t.Drag(Qt::LeftButton, ZoomTo, ZoomFrom);
    EXPECT_TRUE(t.Chart.BottomAxis().Automatic());
    EXPECT_TRUE(t.Chart.BottomAxis().AutomaticMinimum());
    EXPECT_TRUE(t.Chart.BottomAxis().AutomaticMaximum());
}

TEST(ChartMouseZoom, UndoWithoutAZoomOnlyRepaints)
{
    TMouseTestChart t;
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    const QImage pixelsBefore = t.Pixels();
    const int64_t renders = t.Chart.RenderCount();
    t.Drag(Qt::LeftButton, ZoomTo, ZoomFrom);
    EXPECT_EQ(StatesOf(t.Chart), before);
    EXPECT_EQ(t.Chart.RenderCount(), renders + 1);
    EXPECT_EQ(t.Pixels(), pixelsBefore);
}

TEST(ChartMouseZoom, AnimatedZoomEndsAtTheSameRanges)
{
    TMouseTestChart plain;
    const TZoomTargets v = TargetsOf(plain.Chart, ZoomFrom, ZoomTo);
    TMouseTestChart animated;
    animated.Chart.AnimatedZoom = true;
    const int64_t renders = animated.Chart.RenderCount();
    animated.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
    // Seven steps, each painted at once, then the final paint.
    EXPECT_EQ(animated.Chart.RenderCount(), renders + 8);
    EXPECT_EQ(animated.Chart.BottomAxis().Minimum(), v.BottomMin);
    EXPECT_EQ(animated.Chart.BottomAxis().Maximum(), v.BottomMax);
    EXPECT_EQ(animated.Chart.LeftAxis().Minimum(), v.LeftMin);
    EXPECT_EQ(animated.Chart.LeftAxis().Maximum(), v.LeftMax);
}

TEST(ChartMouseZoom, ZoomNotAllowedStartsNoDrag)
{
    TMouseTestChart t;
    t.Chart.AllowZoom = false;
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    t.Drag(Qt::LeftButton, ZoomFrom, ZoomTo);
    EXPECT_EQ(StatesOf(t.Chart), before);
}

TEST(ChartMousePress, OnTheTitleStartsNoDrag)
{
    TMouseTestChart t;
    const TRect box = t.Chart.Title().TitleBox;
    ASSERT_GT(box.Width(), 0);
    const QPoint onTitle((box.Left + box.Right) / 2, (box.Top + box.Bottom) / 2);
    ASSERT_FALSE(t.Chart.Layout().PlotRect.Contains(onTitle.x(), onTitle.y()));
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    t.Press(Qt::LeftButton, onTitle);
    EXPECT_FALSE(t.Chart.ZoomRecord.IsActive);
    t.Move(QPoint(400, 150), Qt::LeftButton);
    t.Release(Qt::LeftButton, QPoint(400, 150));
    t.Press(Qt::RightButton, onTitle);
    EXPECT_FALSE(t.Chart.PanRecord.IsActive);
    t.Release(Qt::RightButton, onTitle);
    EXPECT_EQ(StatesOf(t.Chart), before);
}

TEST(ChartMousePress, OnAShownAxisStartsADragOutsideThePlotArea)
{
    TMouseTestChart t;
    const TChartAxis& bottom = t.Chart.BottomAxis();
    const QPoint onLabels((bottom.Mapping().StartPixel + bottom.Mapping().EndPixel) / 2,
                          bottom.Layout().AxisLinePos + 2);
    ASSERT_FALSE(t.Chart.Layout().PlotRect.Contains(onLabels.x(), onLabels.y()));
    t.Press(Qt::LeftButton, onLabels);
    EXPECT_TRUE(t.Chart.ZoomRecord.IsActive);
    t.Release(Qt::LeftButton, onLabels);
}

TEST(ChartMousePress, AClaimingClickEventKeepsTheDragFromStarting)
{
    TMouseTestChart t;
    // High in the plot area, well away from the line.
    const QPoint empty(100, t.Chart.LeftAxis().ValueToPosition(9));
    int clicks = 0;
    t.Chart.OnClickBackground = [&](TCustomChart* chart, TMouseButton, int32_t, int32_t) {
        ++clicks;
        chart->CancelPress = true;
    };
    t.Press(Qt::LeftButton, empty);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(t.Chart.ZoomRecord.IsActive);
    EXPECT_FALSE(t.Chart.CancelPress);
    t.Release(Qt::LeftButton, empty);
}

TEST(ChartMouseZoom, AnErrorBoxEndsTheDragAndErasesTheFrame)
{
    TErrorBoxRecorder box;
    TMouseTestChart t;
    const std::vector<TAxisState> before = StatesOf(t.Chart);
    const QImage pixelsBefore = t.Pixels();
    t.Press(Qt::LeftButton, ZoomFrom);
    t.Move(ZoomTo, Qt::LeftButton);
    ASSERT_NE(t.Pixels(), pixelsBefore);

    // As when a handler's exception reaches the error box mid-drag.
    GuardHandler([] { throw std::runtime_error("Invalid floating point operation"); });
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_FALSE(t.Chart.ZoomRecord.IsActive);
    t.Paint();
    EXPECT_EQ(t.Pixels(), pixelsBefore);

    // The release that follows the box finds no drag.
    t.Release(Qt::LeftButton, ZoomTo);
    t.Paint();
    EXPECT_EQ(StatesOf(t.Chart), before);
    EXPECT_EQ(t.Pixels(), pixelsBefore);
}

TEST(ChartMousePress, RightAfterTheSeriesWasClearedFindsNoPointAndRaisesNothing)
{
    TErrorBoxRecorder box;
    TMouseTestChart t;
    t.Series->SetCursor(crCross);
    const QPoint onLine(t.Series->PointPixelX(60), t.Series->PointPixelY(60));
    ASSERT_NE(t.Series->PointAtPixel(onLine.x(), onLine.y()), -1);
    // Cleared, and the pointer arrives before the repaint that follows.
    t.Series->ClearPoints();
    t.Move(onLine, Qt::NoButton);
    EXPECT_EQ(t.Window.cursor().shape(), Qt::ArrowCursor);
    t.Press(Qt::LeftButton, onLine);
    EXPECT_TRUE(box.Texts.empty());
    EXPECT_TRUE(t.Chart.ZoomRecord.IsActive);
    t.Release(Qt::LeftButton, onLine);
}

// Each zoom to a release far outside the plot widens the left axis about
// twentyfold; after some 230 of them its new minimum overflows. That zoom
// raises the overflow and changes no axis.
TEST(ChartMouseZoom, AZoomWhoseNewLimitOverflowsRaisesAndChangesNoAxis)
{
    TErrorBoxRecorder box;
    TMouseTestChart t;
    std::vector<TAxisState> before;
    for (int zoom = 0; zoom < 1000 && box.Texts.empty(); ++zoom) {
        before = StatesOf(t.Chart);
        // Wider labels move the plot's corner: the press follows it.
        const QPoint from(t.Chart.Layout().PlotRect.Left + 10, t.Chart.Layout().PlotRect.Top + 10);
        t.Drag(Qt::LeftButton, from, from + QPoint(3000, 3000));
        ASSERT_TRUE(!box.Texts.empty() || StatesOf(t.Chart) != before) << "zoom " << zoom << " changed nothing";
    }
    ASSERT_EQ(box.Texts.size(), 1u);
    EXPECT_EQ(box.Texts[0], "Floating point overflow.");
    EXPECT_EQ(StatesOf(t.Chart), before);
    for (const TAxisState& axis : StatesOf(t.Chart))
        EXPECT_TRUE(std::isfinite(axis.Minimum) && std::isfinite(axis.Maximum)) << axis;
    EXPECT_FALSE(t.Chart.ZoomRecord.IsActive);
}

// Two finite limits whose distance is beyond the double range. The mouse
// reaches them with a press on the left axis's ticks, left of where the
// bottom axis starts, released at its end: the bottom axis's range W (just
// below the largest double) grows by the anchor's part. An axis given such
// limits by the program keeps them as its range in use (0 x inf pixels would
// make it NaN), and a zoom from it reads no value. Both zooms raise the
// overflow and change no axis.
TEST(ChartMouseZoom, AZoomFromOrToARangeBeyondTheDoubleRangeRaisesAndChangesNoAxis)
{
    const auto expectRefused = [](TMouseTestChart& t, QPoint from, QPoint to) {
        TErrorBoxRecorder box;
        const std::vector<TAxisState> before = StatesOf(t.Chart);
        t.Drag(Qt::LeftButton, from, to);
        ASSERT_EQ(box.Texts.size(), 1u);
        EXPECT_EQ(box.Texts[0], "Floating point overflow.");
        EXPECT_EQ(StatesOf(t.Chart), before);
    };
    {
        SCOPED_TRACE("a zoom from left of the bottom axis");
        TMouseTestChart t;
        const TChartAxis& left = t.Chart.LeftAxis();
        const TAxisMapping& bottom = t.Chart.BottomAxis().Mapping();
        const QPoint from(left.Layout().LabelsPos, (left.Mapping().StartPixel + left.Mapping().EndPixel) / 2);
        ASSERT_TRUE(left.HitTest(from.x(), from.y()));
        const TAxisMapping placed = bottom;
        const double anchorPart = double(placed.StartPixel - from.x()) / placed.PixelLength;
        ASSERT_GT(anchorPart, 0);
        const double range = std::numeric_limits<double>::max() / (1 + anchorPart / 2);
        t.Chart.BottomAxis().SetLimits(-range / 2, range / 2);
        t.Paint();
        ASSERT_EQ(bottom.StartPixel, placed.StartPixel); // the same layout
        ASSERT_EQ(bottom.EndPixel, placed.EndPixel);
        expectRefused(t, from, QPoint(bottom.EndPixel, from.y() + 40));
    }
    {
        SCOPED_TRACE("limits set to -1e308..1.5e308");
        TMouseTestChart t;
        t.Chart.LeftAxis().SetLimits(-1e308, 1.5e308);
        t.Paint();
        EXPECT_EQ(t.Chart.LeftAxis().Mapping().UsedMinimum, -1e308);
        EXPECT_EQ(t.Chart.LeftAxis().Mapping().UsedMaximum, 1.5e308);
        expectRefused(t, QPoint(120, 60), QPoint(300, 140));
    }
}

// The same zoom through the window system's path, as a user's drag arrives.
TEST(ChartMouseZoom, DragThroughTheWindowSystemZooms)
{
    TMouseTestChart t;
    const TZoomTargets v = TargetsOf(t.Chart, ZoomFrom, ZoomTo);
    QTest::mousePress(&t.Window, Qt::LeftButton, Qt::NoModifier, ZoomFrom);
    QTest::mouseMove(&t.Window, QPoint(200, 100));
    QTest::mouseMove(&t.Window, ZoomTo);
    QTest::mouseRelease(&t.Window, Qt::LeftButton, Qt::NoModifier, ZoomTo);
    EXPECT_EQ(t.Chart.BottomAxis().Minimum(), v.BottomMin);
    EXPECT_EQ(t.Chart.BottomAxis().Maximum(), v.BottomMax);
    EXPECT_EQ(t.Chart.LeftAxis().Minimum(), v.LeftMin);
    EXPECT_EQ(t.Chart.LeftAxis().Maximum(), v.LeftMax);
}
