// Mouse zooming and scrolling of a chart. A left drag to the right and down
// zooms all four axes to the dragged rectangle, a left drag the other way
// undoes every zoom and scroll since the first one, a right drag scrolls the
// axes with the pointer, and the wheel scrolls the vertical axes.
#include "chart/Chart.h"

#include "support/numbers/Float80.h"
#include "support/runtime/Exceptions.h"

#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// A drag must move more than this many pixels in both directions to zoom
// or undo; a smaller one is taken for a click.
constexpr int32_t ZoomDragThreshold = 16;

// The wheel scrolls the vertical axes by 3 percent of their range.
F80_CONST Float80 WheelPercent = 3;

// One notch of a classic mouse wheel in eighths of a degree. Touchpads
// and smooth wheels report a notch as many smaller deltas.
constexpr int WheelNotch = 120;

bool MatchesPanning(TPanningMode allowed, bool horizontal)
{
    return allowed == pmBoth || allowed == (horizontal ? pmHorizontal : pmVertical);
}

// New limits computed from finite ones that are not finite themselves mean
// that the computation overflowed (a zoom released far outside the plot,
// repeated some 230 times, reaches -inf). So do two finite limits whose
// distance is beyond the double range (-1e308..1.5e308): the next paint's
// range in use would be infinite, and every value the mouse read from it
// infinite or NaN. The overflow is raised before any axis changes, so every
// axis keeps the limits it had. A NaN limit is never stored, whatever the
// limits were before.
void CheckNewLimits(const TCustomChartAxis& axis, double newMinimum, double newMaximum)
{
    const bool finiteBefore = f80::isfinite(axis.Minimum()) && f80::isfinite(axis.Maximum()) &&
                              f80::isfinite(axis.Mapping().UsedMinimum) && f80::isfinite(axis.Mapping().UsedMaximum);
    if (finiteBefore &&
        !(f80::isfinite(newMinimum) && f80::isfinite(newMaximum) && f80::isfinite(newMaximum - newMinimum)))
        throw EOverflow();
    if (f80::isnan(newMinimum) || f80::isnan(newMaximum))
        throw EInvalidOp();
}

// The limits a scroll of the axis from one pixel to another proposes, with
// the axis's pixel mapping of the last paint.
std::pair<double, double> ScrolledLimits(const TCustomChartAxis& axis, int32_t from, int32_t to)
{
    const double delta = axis.PositionToValue(from) - axis.PositionToValue(to);
    return {axis.Minimum() + delta, axis.Maximum() + delta};
}

// Raises the overflow of any limit that a scroll of one direction would
// compute (as ScrollAxes does), before either direction moves an axis.
void CheckScrollLimits(const std::vector<TCustomChartAxis*>& axes, TPanningMode allowed, bool horizontal,
                       int32_t newPosition, int32_t previousPosition)
{
    if (newPosition == previousPosition || !MatchesPanning(allowed, horizontal))
        return;
    for (const TCustomChartAxis* axis : axes) {
        if (!axis->IsDepth && axis->IsHorizontal == horizontal) {
            const auto [newMin, newMax] = ScrolledLimits(*axis, previousPosition, newPosition);
            CheckNewLimits(*axis, newMin, newMax);
        }
    }
}

// The shift of a wheel turn: 3 percent of the axis's range.
double WheelDelta(const TCustomChartAxis& axis, bool down)
{
    const Float80 range = static_cast<Float80>(axis.Maximum()) - axis.Minimum();
    const double delta = static_cast<double>(range * WheelPercent * F80(0.01));
    return down ? delta : -delta;
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

    const std::array<std::tuple<TCustomChartAxis*, double, double>, 4> targets = {
        {{&LeftAxis(), leftMin, leftMax},
         {&RightAxis(), rightMin, rightMax},
         {&TopAxis(), topMin, topMax},
         {&BottomAxis(), bottomMin, bottomMax}}};
    for (auto [axis, newMin, newMax] : targets)
        CheckNewLimits(*axis, newMin, newMax);

    if (ScalesRestored) {
        RememberScales();
        ScalesRestored = false;
    }

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
            PaintNow();
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
    auto [newMin, newMax] = ScrolledLimits(*axis, from, to);
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

// The topmost active series with a point at the pixel, else the first
// shown axis that the pixel hits.
TCustomChart::TPressedItem TCustomChart::FindPressedItem(int32_t x, int32_t y)
{
    TPressedItem pressed;
    for (int32_t i = SeriesList().Count() - 1; i >= 0 && !pressed.Series; --i) {
        TChartSeries* series = SeriesList().At(i);
        if (!series->Active())
            continue;
        pressed.Index = series->PointAtPixel(x, y);
        if (pressed.Index != -1)
            pressed.Series = series;
    }
    if (pressed.Series)
        return pressed;
    for (TCustomChartAxis* axis : Axes()) {
        if (IsAxisShown(axis) && axis->HitTest(x, y)) {
            pressed.Axis = axis;
            break;
        }
    }
    return pressed;
}

// Raises the click event of what was pressed; true when the event claimed
// the press. dragCheck tells whether a drag may begin from there.
bool TCustomChart::RaisePressClick(const TPressedItem& pressed, TMouseButton button, int32_t x, int32_t y,
                                   bool& dragCheck)
{
    bool claimed = false;
    if (pressed.Series) {
        if (pressed.Series->OnClick) {
            CancelPress = true;
            pressed.Series->OnClick(pressed.Series, pressed.Index);
            claimed = CancelPress;
        }
        claimed = RaiseClaimingEvent(CancelPress, OnClickSeries, this, pressed.Series, pressed.Index, button, x, y) ||
                  claimed;
        dragCheck = !claimed;
    } else if (pressed.Axis) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickAxis, this, pressed.Axis, button, x, y);
        dragCheck = !claimed;
    } else if (Title().TitleBox.Contains(x, y) || Foot().TitleBox.Contains(x, y)) {
        // Headings take the press but start nothing.
    } else if (Layout().PlotRect.Contains(x, y) && SeriesList().ActiveCount() > 0) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickBackground, this, button, x, y);
        dragCheck = !claimed;
    } else if (Legend().Visible() && Legend().LegendRect.Contains(x, y)) {
        claimed = RaiseClaimingEvent(CancelPress, OnClickLegend, this, button, x, y);
    }
    return claimed;
}

void TCustomChart::ChartMouseDown(TMouseButton button, int32_t x, int32_t y)
{
    if (ZoomRecord.IsActive || PanRecord.IsActive)
        return;
    if (CancelPress) {
        CancelPress = false;
        return;
    }
    bool dragCheck = false;
    const bool claimed = RaisePressClick(FindPressedItem(x, y), button, x, y, dragCheck);
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
        ShowCursor(crDefault);
        ZoomRecord.BeginAt(x, y);
        RendersAtZoomStart = RenderCount();
        ShowZoomFrame();
        began = true;
    }
    if (AllowPanning != pmNone && button == settings.ScrollMouseButton) {
        ShowCursor(crDefault);
        PanRecord.BeginAt(x, y);
        began = true;
    }
    if (began)
        CaptureMouse();
    return began;
}

// Draws the zoom frame on the window in not-xor mode (a second drawing at
// the same corners erases it) and shows the result at once.
void TCustomChart::ShowZoomFrame()
{
    DrawZoomFrame(Canvas());
    ShowWindowCanvas();
}

// --- moving ---------------------------------------------------------------------

void TCustomChart::ChartMouseMove(int32_t x, int32_t y)
{
    if (ZoomRecord.IsActive) {
        if (x == ZoomRecord.LastX && y == ZoomRecord.LastY)
            return;
        DrawZoomFrame(Canvas());
        ZoomRecord.LastX = x;
        ZoomRecord.LastY = y;
        ShowZoomFrame();
        return;
    }
    if (PanRecord.IsActive) {
        ScrollDragMove(x, y);
        return;
    }
    bool seriesCursor = false;
    for (TChartSeries* series : SeriesList()) {
        if (series->Active() && series->Cursor() != 0 && series->PointAtPixel(x, y) != -1) {
            ShowCursor(static_cast<TCursorShape>(series->Cursor()));
            seriesCursor = true;
            break;
        }
    }
    for (TChartSeries* series : SeriesList())
        series->MouseMoved(x, y);
    if (!seriesCursor)
        ShowCursor(RestingCursor);
}

void TCustomChart::ScrollDragMove(int32_t x, int32_t y)
{
    if (!Layout().PlotRect.Contains(x, y)) {
        PanRecord.IsActive = false;
        ReleaseMouse();
        return;
    }
    if (x == PanRecord.LastX && y == PanRecord.LastY)
        return;
    PanRecord.OrderCorners();
    CheckScrollLimits(Axes(), AllowPanning, true, x, PanRecord.LastX);
    CheckScrollLimits(Axes(), AllowPanning, false, y, PanRecord.LastY);
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
        ReleaseMouse();
}

void TCustomChart::ChartMouseWheel(bool down)
{
    // Every shift is checked before the first one moves an axis.
    for (const TCustomChartAxis* axis : Axes()) {
        if (!axis->IsHorizontal) {
            const double delta = WheelDelta(*axis, down);
            CheckNewLimits(*axis, axis->Minimum() + delta, axis->Maximum() + delta);
        }
    }
    for (TCustomChartAxis* axis : Axes()) {
        if (!axis->IsHorizontal)
            axis->ShiftLimits(WheelDelta(*axis, down), false);
    }
}

void TCustomChart::ChartMouseLeave()
{
    ShowCursor(RestingCursor);
    PanRecord.IsActive = false;
}

void TCustomChart::CancelMouseMode()
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
    DrawZoomFrame(Canvas());
    ShowWindowCanvas();
    if (RenderCount() != RendersAtZoomStart)
        RequestRepaint();
}

// --- input from the host window ------------------------------------------------------

void TCustomChart::MouseDown(const TMouseInput& input) { ChartMouseDown(input.Button, input.X, input.Y); }
void TCustomChart::MouseMove(const TMouseInput& input) { ChartMouseMove(input.X, input.Y); }
void TCustomChart::MouseUp(const TMouseInput& input) { ChartMouseUp(input.Button, input.X, input.Y); }

// The rest of a notch waits for the next event. A delta the other way drops
// what was gathered, so a touchpad that wobbles back and forth does not
// scroll. Horizontal deltas never reach the chart.
void TCustomChart::MouseWheel(const TWheelInput& input)
{
    const int delta = input.AngleDelta;
    if (delta == 0)
        return;
    if ((delta < 0) != (WheelRemainder < 0))
        WheelRemainder = 0;
    // The remainder is under one notch, so the sum cannot overflow 64 bits.
    const int64_t gathered = int64_t{WheelRemainder} + delta;
    const int64_t turns = gathered / WheelNotch;
    WheelRemainder = static_cast<int>(gathered - turns * WheelNotch);
    for (int64_t i = 0; i < std::llabs(turns); ++i)
        ChartMouseWheel(turns < 0);
}

void TCustomChart::MouseLeave() { ChartMouseLeave(); }

void TCustomChart::CaptureMouse()
{
    if (Host())
        Host()->SetMouseCapture();
}

void TCustomChart::ReleaseMouse()
{
    if (Host())
        Host()->ReleaseMouseCapture();
}

// Shows what was drawn straight on the window canvas (the zoom frame).
void TCustomChart::ShowWindowCanvas()
{
    if (Host())
        Host()->Invalidate();
}

void TCustomChart::HandlePaint()
{
    if (ZoomRecord.IsActive && !Canvas().IsStale())
        return;
    TCustomAxisPanel::HandlePaint();
}
