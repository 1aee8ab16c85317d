// Mouse zooming and scrolling of a chart. A left drag to the right and down
// zooms all four axes to the dragged rectangle, a left drag the other way
// undoes every zoom and scroll since the first one, a right drag scrolls the
// axes with the pointer, and the wheel scrolls the vertical axes.
#include "chart/Chart.h"
#include "support/numbers/Float80.h"

#include "support/runtime/ErrorBox.h"
#include "support/runtime/MouseCapture.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <cstdlib>

namespace {

// A drag must move more than this many pixels in both directions to zoom
// or undo; a smaller one is taken for a click.
constexpr int32_t ZoomDragThreshold = 16;

// The wheel scrolls the vertical axes by 3 percent of their range.
F80_CONST Float80 WheelPercent = 3;

bool MatchesPanning(TPanningMode allowed, bool horizontal)
{
    return allowed == pmBoth || allowed == (horizontal ? pmHorizontal : pmVertical);
}


} // namespace

// The order in which SavedScales holds the axes.
enum SavedAxisSlot { SlotTop, SlotLeft, SlotRight, SlotBottom };

// The top, bottom, left and right axis with their places in SavedScales, in
// the order in which scales are remembered and recalled.
std::array<std::pair<TCustomChartAxis*, int>, 4> TCustomChart::SavedAxes()
{
    return {{{&TopAxis(), SlotTop}, {&BottomAxis(), SlotBottom}, {&LeftAxis(), SlotLeft}, {&RightAxis(), SlotRight}}};
}

void TCustomChart::RememberScales()
{
    const auto axes = SavedAxes();
    for (auto [axis, slot] : axes) {
        // For an automatic limit this is the value the last paint resolved.
        SavedScales[slot] = TSavedAxisScales{axis->Automatic(), axis->AutomaticMinimum(), axis->AutomaticMaximum(),
                                             axis->Minimum(), axis->Maximum()};
    }
}

void TCustomChart::RecallScales()
{
    const auto axes = SavedAxes();
    for (auto [axis, slot] : axes) {
        const TSavedAxisScales& saved = SavedScales[slot];
        axis->SetAutomatic(saved.Automatic);
        axis->SetAutomaticMinimum(saved.AutomaticMinimum);
        axis->SetAutomaticMaximum(saved.AutomaticMaximum);
        if (!axis->Automatic())
            axis->SetLimits(saved.Minimum, saved.Maximum);
    }
}

void TCustomChart::ZoomAxes()
{
    ZoomRecord.OrderCorners();
    // All eight values come from the mapping of the last paint, before any
    // limit changes.
    const double topMin = TopAxis().PositionToValue(ZoomRecord.AnchorX);
    const double topMax = TopAxis().PositionToValue(ZoomRecord.LastX);
    const double bottomMin = BottomAxis().PositionToValue(ZoomRecord.AnchorX);
    const double bottomMax = BottomAxis().PositionToValue(ZoomRecord.LastX);
    const double leftMin = LeftAxis().PositionToValue(ZoomRecord.LastY);
    const double leftMax = LeftAxis().PositionToValue(ZoomRecord.AnchorY);
    const double rightMin = RightAxis().PositionToValue(ZoomRecord.LastY);
    const double rightMax = RightAxis().PositionToValue(ZoomRecord.AnchorY);

    if (ScalesRestored) {
        RememberScales();
        ScalesRestored = false;
    }

    const std::array<std::tuple<TCustomChartAxis*, double, double>, 4> targets = {
        {{&LeftAxis(), leftMin, leftMax},
         {&RightAxis(), rightMin, rightMax},
         {&TopAxis(), topMin, topMax},
         {&BottomAxis(), bottomMin, bottomMax}}};

    if (AnimatedZoom) {
        // Extended intermediates, rounded to double once per limit.
        const Float80 divisor = ChartMouseSettings().ZoomStepDivisor;
        for (int step = 1; step < AnimatedZoomSteps; ++step) {
            for (auto [axis, newMin, newMax] : targets) {
                const Float80 min = axis->Minimum();
                const Float80 max = axis->Maximum();
                axis->SetLimits(static_cast<double>(min + (newMin - min) / divisor),
                                static_cast<double>(max - (max - newMax) / divisor));
            }
            RequestRepaint();
            repaint();
        }
    }
    for (auto [axis, newMin, newMax] : targets)
        axis->SetLimits(newMin, newMax);

    ZoomedIn = true;
    if (OnZoom)
        OnZoom(this);
}

void TCustomChart::ResetZoom()
{
    if (!ScalesRestored)
        RecallScales();
    ScalesRestored = true;
    if (OnUndoZoom)
        OnUndoZoom(this);
    RequestRepaint();
    ZoomedIn = false;
}

void TCustomChart::ScrollAxis(TCustomChartAxis* axis, int32_t from, int32_t to)
{
    const double delta = axis->PositionToValue(from) - axis->PositionToValue(to);
    double newMin = axis->Minimum() + delta;
    double newMax = axis->Maximum() + delta;
    bool allow = true;
    if (OnAllowScroll)
        OnAllowScroll(axis, newMin, newMax, allow);
    if (allow)
        axis->SetLimits(newMin, newMax);
}

bool TCustomChart::ScrollAxes(bool horizontal, int32_t newPosition, int32_t previousPosition)
{
    if (newPosition == previousPosition || !MatchesPanning(AllowPanning, horizontal))
        return false;
    for (TCustomChartAxis* axis : Axes()) {
        if (!axis->IsDepth && axis->IsHorizontal == horizontal)
            ScrollAxis(axis, previousPosition, newPosition);
    }
    return true;
}

// --- pressing -------------------------------------------------------------------

namespace {

// Raises a click event with CancelPress set; the event claims the press by
// leaving it set. An unassigned event claims nothing.
template <class Event, class... Args>
bool RaiseClaimingEvent(bool& cancelPress, const Event& event, Args&&... args)
{
    if (!event)
        return false;
    cancelPress = true;
    event(std::forward<Args>(args)...);
    return cancelPress;
}

} // namespace

void TCustomChart::ChartMouseDown(TMouseButton button, int32_t x, int32_t y)
{
    if (ZoomRecord.IsActive || PanRecord.IsActive)
        return;
    if (CancelPress) {
        CancelPress = false;
        return;
    }

    bool claimed = false;
    bool dragCheck = false;

    TChartSeries* pressedSeries = nullptr;
    int32_t pressedIndex = -1;
    for (int32_t i = SeriesList().Count() - 1; i >= 0 && !pressedSeries; --i) {
        TChartSeries* series = SeriesList().At(i);
        if (!series->Active())
            continue;
        pressedIndex = series->PointAtPixel(x, y);
        if (pressedIndex != -1)
            pressedSeries = series;
    }

    TCustomChartAxis* pressedAxis = nullptr;
    if (!pressedSeries) {
        for (TCustomChartAxis* axis : Axes()) {
            if (IsAxisShown(axis) && axis->HitTest(x, y)) {
                pressedAxis = axis;
                break;
            }
        }
    }

    if (pressedSeries) {
        if (pressedSeries->OnClick) {
            CancelPress = true;
            pressedSeries->OnClick(pressedSeries, pressedIndex);
            claimed = CancelPress;
        }
        claimed = RaiseClaimingEvent(CancelPress, OnClickSeries, this, pressedSeries, pressedIndex, button, x, y) ||
                  claimed;
        dragCheck = !claimed;
    } else if (pressedAxis) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickAxis, this, pressedAxis, button, x, y);
        dragCheck = !claimed;
    } else if (Title().TitleBox.Contains(x, y) || Foot().TitleBox.Contains(x, y)) {
        // Headings take the press but start nothing.
    } else if (PlotRect.Contains(x, y) && SeriesList().ActiveCount() > 0) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickBackground, this, button, x, y);
        dragCheck = !claimed;
    } else if (Legend().Visible() && Legend().LegendRect.Contains(x, y)) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickLegend, this, button, x, y);
    }

    bool dragBegan = false;
    if (dragCheck)
        dragBegan = BeginDrag(button, x, y);
    if (!claimed && !dragBegan)
        RaiseClaimingEvent(CancelPress, OnClickBackground, this, button, x, y);
    CancelPress = false;
}

bool TCustomChart::BeginDrag(TMouseButton button, int32_t x, int32_t y)
{
    const TChartMouseSettings& settings = ChartMouseSettings();
    bool began = false;
    if (AllowZoom && button == settings.ZoomMouseButton) {
        setCursor(Qt::ArrowCursor);
        ZoomRecord.BeginAt(x, y);
        RendersAtZoomStart = RenderCount();
        ShowZoomFrame();
        began = true;
    }
    if (AllowPanning != pmNone && button == settings.ScrollMouseButton) {
        setCursor(Qt::ArrowCursor);
        PanRecord.BeginAt(x, y);
        began = true;
    }
    if (began)
        SetMouseCaptureHolder(this);
    return began;
}

// Draws the zoom frame on the window in not-xor mode (a second drawing at
// the same corners erases it) and shows the result at once.
void TCustomChart::ShowZoomFrame()
{
    DrawZoomFrame();
    ShowWindowCanvas();
}

// --- moving ---------------------------------------------------------------------

void TCustomChart::ChartMouseMove(int32_t x, int32_t y)
{
    if (ZoomRecord.IsActive) {
        if (x == ZoomRecord.LastX && y == ZoomRecord.LastY)
            return;
        DrawZoomFrame();
        ZoomRecord.LastX = x;
        ZoomRecord.LastY = y;
        ShowZoomFrame();
        return;
    }
    if (PanRecord.IsActive) {
        ScrollDragMove(x, y);
        return;
    }
    for (TChartSeries* series : SeriesList()) {
        if (series->Active() && series->Cursor() != 0 && series->PointAtPixel(x, y) != -1) {
            setCursor(static_cast<Qt::CursorShape>(series->Cursor()));
            return;
        }
    }
    setCursor(RestingCursor);
}

void TCustomChart::ScrollDragMove(int32_t x, int32_t y)
{
    if (!PlotRect.Contains(x, y)) {
        PanRecord.IsActive = false;
        ReleaseMouseCaptureHolder(this);
        return;
    }
    if (x == PanRecord.LastX && y == PanRecord.LastY)
        return;
    PanRecord.OrderCorners();
    if (ScalesRestored) {
        RememberScales();
        ScalesRestored = false;
    }
    // Both directions are tried, each from its own stored position.
    const bool scrolledX = ScrollAxes(true, x, PanRecord.LastX);
    const bool scrolledY = ScrollAxes(false, y, PanRecord.LastY);
    const bool scrolled = scrolledX || scrolledY;
    PanRecord.LastX = x;
    PanRecord.LastY = y;
    if (scrolled) {
        if (OnScroll)
            OnScroll(this);
        RequestRepaint();
    }
}

// --- releasing, wheel, leaving ------------------------------------------------------

void TCustomChart::ChartMouseUp(TMouseButton button, int32_t x, int32_t y)
{
    for (TChartSeries* series : SeriesList())
        series->MouseReleased();

    if (ZoomRecord.IsActive && button == ChartMouseSettings().ZoomMouseButton) {
        EndZoomDrag();
        ZoomRecord.LastX = x;
        ZoomRecord.LastY = y;
        if (std::abs(ZoomRecord.LastX - ZoomRecord.AnchorX) > ZoomDragThreshold &&
            std::abs(ZoomRecord.LastY - ZoomRecord.AnchorY) > ZoomDragThreshold) {
            if (ZoomRecord.LastX > ZoomRecord.AnchorX && ZoomRecord.LastY > ZoomRecord.AnchorY)
                ZoomAxes();
            else
                ResetZoom();
            RequestRepaint();
        }
    }
    PanRecord.IsActive = false;
    if (!ZoomRecord.IsActive)
        ReleaseMouseCaptureHolder(this);
}

void TCustomChart::ChartMouseWheel(bool down)
{
    for (TCustomChartAxis* axis : Axes()) {
        if (axis->IsHorizontal)
            continue;
        const Float80 range = static_cast<Float80>(axis->Maximum()) - axis->Minimum();
        const double delta = static_cast<double>(range * WheelPercent * F80(0.01));
        axis->ShiftLimits(down ? delta : -delta, false);
    }
}

void TCustomChart::ChartMouseLeave()
{
    setCursor(RestingCursor);
    PanRecord.IsActive = false;
}

// An error box interrupted the drag: end both drags, erasing a zoom frame
// that is still shown, so the chart never waits for a release that went to
// the box.
void TCustomChart::CancelDrags()
{
    if (ZoomRecord.IsActive)
        EndZoomDrag();
    PanRecord.IsActive = false;
}

// Ends the zoom drag and erases its frame from the window. A paint during
// the drag drew the frame into the stored picture too; that picture would
// bring the frame back at the next paint, so it is rendered anew.
void TCustomChart::EndZoomDrag()
{
    ZoomRecord.IsActive = false;
    DrawZoomFrame();
    Canvas().SetPenMode(pmCopy);
    ShowWindowCanvas();
    if (RenderCount() != RendersAtZoomStart)
        RequestRepaint();
}

// --- Qt events --------------------------------------------------------------------

namespace {

bool ToMouseButton(Qt::MouseButton qtButton, TMouseButton& button)
{
    switch (qtButton) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
    }
}

} // namespace

void TCustomChart::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToMouseButton(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    GuardHandler([&] { ChartMouseDown(button, p.x(), p.y()); });
}

void TCustomChart::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    GuardHandler([&] { ChartMouseMove(p.x(), p.y()); });
}

void TCustomChart::mouseReleaseEvent(QMouseEvent* event)
{
    TMouseButton button;
    if (!ToMouseButton(event->button(), button))
        return;
    const QPoint p = event->position().toPoint();
    GuardHandler([&] { ChartMouseUp(button, p.x(), p.y()); });
}

void TCustomChart::wheelEvent(QWheelEvent* event)
{
    const int turn = event->angleDelta().y();
    if (turn == 0)
        return;
    GuardHandler([&] { ChartMouseWheel(turn < 0); });
}

void TCustomChart::leaveEvent(QEvent*)
{
    GuardHandler([&] { ChartMouseLeave(); });
}

bool TCustomChart::event(QEvent* event)
{
    if (event->type() == CancelModeEvent) {
        GuardHandler([&] { CancelDrags(); });
        return true;
    }
    return TCustomAxisPanel::event(event);
}

// Shows what was drawn straight on the window canvas (the zoom frame).
void TCustomChart::ShowWindowCanvas()
{
    update();
}

void TCustomChart::HandlePaint()
{
    if (ZoomRecord.IsActive && !Canvas().IsStale())
        return;
    TCustomAxisPanel::HandlePaint();
}
