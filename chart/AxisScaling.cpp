// The axis as a scale: scaling properties and their setter rules, the range
// in use for one paint, pixel placement and the value/pixel mapping, and
// the limits set by the program and the mouse.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/ChartMessages.h"
#include "support/numbers/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {
// Round half to even of a pixel amount that may be out of range: clamped
// to 32 bits so that absurd positions (StartPosition 1e300) stay defined.
int32_t RoundPixels(double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr double limit = 2147483647.0;
    if (value >= limit)
        return std::numeric_limits<int32_t>::max();
    if (value <= -limit)
        return -std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(RoundHalfEven(value));
}

// Which of a chart's five axes the identity flags describe.
TAxisSlot SlotOf(bool horizontal, bool otherSide, bool depth)
{
    if (depth)
        return asDepth;
    if (horizontal)
        return otherSide ? asTop : asBottom;
    return otherSide ? asRight : asLeft;
}
} // namespace

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis* axis, int angle) : DefaultAngle(angle), Axis(axis), AngleValue(angle)
{
    FontValue.SetOnChange([this] { Axis->RequestRepaint(); });
}

void TChartAxisTitle::SetCaption(const std::string& value)
{
    if (CaptionValue == value)
        return;
    CaptionValue = value;
    Axis->RequestRepaint();
}

void TChartAxisTitle::SetAngle(int value)
{
    if (AngleValue == value)
        return;
    if (value < 0 || value > 359)
        throw ChartException(FormatMessage(LynConst::AngleRange, std::string(LynConst::AxisTitleName)));
    AngleValue = value;
    Axis->RequestRepaint();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source)
{
    SetCaption(source.CaptionValue);
    SetAngle(source.AngleValue);
    FontValue.Assign(source.FontValue);
}

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart, bool horizontal, bool otherSide, bool depth, int titleAngle)
    : IsHorizontal(horizontal), IsOtherSide(otherSide), IsDepth(depth), Chart(chart),
      AxisValuesFormatValue(LynConst::DefaultValueFormat), AxisPen(std::make_unique<TChartAxisPen>()),
      TicksPen(std::make_unique<TDarkGrayPen>()), TicksInnerPen(std::make_unique<TDarkGrayPen>()),
      MinorTicksPen(std::make_unique<TDarkGrayPen>()), GridPen(std::make_unique<TDottedGrayPen>()),
      MinorGridPen(std::make_unique<TChartHiddenPen>()), TitleValue(std::make_unique<TChartAxisTitle>(this, titleAngle))
{
    if (chart) {
        LayoutSlot = &chart->AxisLayout(SlotOf(horizontal, otherSide, depth));
    } else {
        DetachedLayout = std::make_unique<TAxisLayout>();
        LayoutSlot = DetachedLayout.get();
    }
    // Connected last: creating an axis asks for no repaint.
    auto changed = [this] { RequestRepaint(); };
    for (TChartPen* pen : {static_cast<TChartPen*>(AxisPen.get()), static_cast<TChartPen*>(TicksPen.get()),
                           static_cast<TChartPen*>(TicksInnerPen.get()), static_cast<TChartPen*>(MinorTicksPen.get()),
                           static_cast<TChartPen*>(GridPen.get()), static_cast<TChartPen*>(MinorGridPen.get())})
        pen->SetOnChange(changed);
    LabelsFontValue.SetOnChange(changed);
}

TCustomChartAxis::~TCustomChartAxis() = default;

void TCustomChartAxis::RequestRepaint()
{
    if (Chart)
        Chart->RequestRepaint();
}

// An invalidation followed by an immediate paint.
void TCustomChartAxis::RepaintNow()
{
    if (!Chart)
        return;
    Chart->RequestRepaint();
    Chart->PaintNow();
}

void TCustomChartAxis::Assign(const TCustomChartAxis& source)
{
    if (&source == this)
        return;
    IsHorizontal = source.IsHorizontal;
    IsOtherSide = source.IsOtherSide;
    IsDepth = source.IsDepth;
    AutomaticValue = source.AutomaticValue;
    AutomaticMinimumValue = source.AutomaticMinimumValue;
    AutomaticMaximumValue = source.AutomaticMaximumValue;
    MinimumValue = source.MinimumValue;
    MaximumValue = source.MaximumValue;
    IncrementValue = source.IncrementValue;
    InvertedValue = source.InvertedValue;
    LabelsSeparationValue = source.LabelsSeparationValue;
    RoundFirstLabelValue = source.RoundFirstLabelValue;
    StartPositionValue = source.StartPositionValue;
    EndPositionValue = source.EndPositionValue;
    AxisValuesFormatValue = source.AxisValuesFormatValue;
    LabelStyleValue = source.LabelStyleValue;
    LogarithmicValue = source.LogarithmicValue;
    LogarithmicBaseValue = source.LogarithmicBaseValue;
    DateTimeFormatValue = source.DateTimeFormatValue;
    ExactDateTimeValue = source.ExactDateTimeValue;

    VisibleValue = source.VisibleValue;
    AxisPen->Assign(*source.AxisPen);
    TicksPen->Assign(*source.TicksPen);
    TicksInnerPen->Assign(*source.TicksInnerPen);
    MinorTicksPen->Assign(*source.MinorTicksPen);
    GridPen->Assign(*source.GridPen);
    MinorGridPen->Assign(*source.MinorGridPen);
    TickLengthValue = source.TickLengthValue;
    TickInnerLengthValue = source.TickInnerLengthValue;
    MinorTickLengthValue = source.MinorTickLengthValue;
    MinorTickCountValue = source.MinorTickCountValue;
    TickOnLabelsOnlyValue = source.TickOnLabelsOnlyValue;
    GridCenteredValue = source.GridCenteredValue;
    LabelsValue = source.LabelsValue;
    LabelsFontValue.Assign(source.LabelsFontValue);
    LabelsAngleValue = source.LabelsAngleValue;
    LabelsMultiLineValue = source.LabelsMultiLineValue;
    LabelsOnAxisValue = source.LabelsOnAxisValue;
    LabelsSizeValue = source.LabelsSizeValue;
    TitleValue->Assign(*source.TitleValue);
    TitleSizeValue = source.TitleSizeValue;
    PositionPercentValue = source.PositionPercentValue;
    RequestRepaint();
}

// --- scaling setters -------------------------------------------------------------

void TCustomChartAxis::SetAutomatic(bool value)
{
    StoreAndRepaint(AutomaticValue, value);
    if (!Chart || !Chart->Loading) {
        AutomaticMinimumValue = value;
        AutomaticMaximumValue = value;
    }
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    StoreAndRepaint(AutomaticMinimumValue, value);
    if (!value || AutomaticMaximumValue)
        AutomaticValue = value;
}

void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    StoreAndRepaint(AutomaticMaximumValue, value);
    if (!value || AutomaticMinimumValue)
        AutomaticValue = value;
}

// Only a fixed Maximum can refuse a Minimum: an automatic one still holds
// whatever the last paint resolved, which says nothing about the next range.
void TCustomChartAxis::SetMinimum(double value)
{
    bool loading = Chart && Chart->Loading;
    if (!loading && MaximumIsFixed() && value > MaximumValue)
        throw AxisException(LynConst::AxisMinMax);
    StoreAndRepaint(MinimumValue, value);
}

// Likewise only a fixed Minimum can refuse a Maximum (a run fixing the
// bottom axis to 50 must not fail on a stale automatic minimum).
void TCustomChartAxis::SetMaximum(double value)
{
    bool loading = Chart && Chart->Loading;
    if (!loading && MinimumIsFixed() && value < MinimumValue)
        throw AxisException(LynConst::AxisMaxMin);
    StoreAndRepaint(MaximumValue, value);
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (!(value >= 0))
        throw AxisException(LynConst::AxisIncrementNegative);
    StoreAndRepaint(IncrementValue, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException(LynConst::AxisLabelSeparation);
    StoreAndRepaint(LabelsSeparationValue, value);
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    if (LabelStyleValue == value)
        return;
    LabelStyleValue = value;
    RepaintNow();
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException(LynConst::AxisLogBase);
    StoreAndRepaint(LogarithmicBaseValue, value);
}

void TCustomChartAxis::SetInverted(bool value) { StoreAndRepaint(InvertedValue, value); }
void TCustomChartAxis::SetRoundFirstLabel(bool value) { StoreAndRepaint(RoundFirstLabelValue, value); }
void TCustomChartAxis::SetStartPosition(double value) { StoreAndRepaint(StartPositionValue, value); }
void TCustomChartAxis::SetEndPosition(double value) { StoreAndRepaint(EndPositionValue, value); }
void TCustomChartAxis::SetAxisValuesFormat(const std::string& value) { StoreAndRepaint(AxisValuesFormatValue, value); }
void TCustomChartAxis::SetLogarithmic(bool value) { StoreAndRepaint(LogarithmicValue, value); }
void TCustomChartAxis::SetDateTimeFormat(const std::string& value) { StoreAndRepaint(DateTimeFormatValue, value); }
void TCustomChartAxis::SetExactDateTime(bool value) { StoreAndRepaint(ExactDateTimeValue, value); }

// --- range in use ------------------------------------------------------------------

bool TCustomChartAxis::ActiveSeriesUseAxis() const
{
    for (TChartSeries* series : Chart->SeriesList())
        if (series->Active() && series->UsesAxis(this))
            return true;
    return false;
}

// Inactive series count only while no active series uses this axis, so
// hiding the last series keeps the scale instead of collapsing it.
bool TCustomChartAxis::Contributes(TChartSeries* series, bool activeSeriesUseAxis) const
{
    if (!series->Active() && activeSeriesUseAxis)
        return false;
    if (series->PointCount() < 1)
        return false;
    if (IsHorizontal)
        return series->HorizAxis() == aBothHorizAxis || series->ResolvedHorizAxis == this;
    return series->VertAxis() == aBothVertAxis || series->ResolvedVertAxis == this;
}

// The first contribution is the result; a later one replaces it only when
// it lies strictly beyond it. Nothing contributing gives 0. With paging on,
// the range of one page instead (AxisPaging.cpp).
double TCustomChartAxis::SeriesExtreme(bool lowest) const
{
    if (!Chart)
        return 0;
    if (IsPaged())
        return PageExtreme(lowest);
    bool activeUse = ActiveSeriesUseAxis();
    bool found = false;
    double result = 0;
    for (TChartSeries* series : Chart->SeriesList()) {
        if (!Contributes(series, activeUse))
            continue;
        double value = IsHorizontal ? (lowest ? series->LowestX() : series->HighestX())
                                    : (lowest ? series->LowestY() : series->HighestY());
        if (!found || (lowest ? value < result : value > result))
            result = value;
        found = true;
    }
    return result;
}

double TCustomChartAxis::SeriesMinimum() const { return SeriesExtreme(true); }

double TCustomChartAxis::SeriesMaximum() const { return SeriesExtreme(false); }

// Series have no depth of their own in a flat chart; a series' z-order is
// its place in the series list.
void TCustomChartAxis::ResolveDepthRange()
{
    double low = -0.5;
    double high = 0.5;
    const TChartSeriesList& list = Chart->SeriesList();
    if (EffectiveLabelStyle() == talValue) {
        low = high = 0;
        for (int32_t i = 0; i < list.Count(); ++i)
            if (list.At(i)->Active()) {
                low = high = i;
                break;
            }
    } else if (list.Count() > 0) {
        high = (list.Count() - 1) + 0.5;
    }
    if (AutomaticValue || AutomaticMaximumValue)
        MaximumValue = high;
    if (AutomaticValue || AutomaticMinimumValue)
        MinimumValue = low;
}

void TCustomChartAxis::ResolveRange()
{
    if (Chart && IsDepth) {
        ResolveDepthRange();
    } else {
        // Written straight into the fields: no range check, no repaint.
        if (AutomaticValue || AutomaticMaximumValue)
            MaximumValue = SeriesMaximum();
        if (AutomaticValue || AutomaticMinimumValue)
            MinimumValue = SeriesMinimum();
    }
    // The pixels stay those of the last paint: the layout measures the
    // widest label (WidestValueLabel) before this paint places the axis.
    TAxisMapping& m = LayoutSlot->Mapping;
    m = TAxisMapping::Of(MinimumValue, MaximumValue, m.StartPixel, m.EndPixel, InvertedValue, IsHorizontal);
}

// --- pixels --------------------------------------------------------------------------

void TCustomChartAxis::PlaceAxis(const TRect& plotRect)
{
    int32_t origin = IsHorizontal ? plotRect.Left : plotRect.Top;
    int32_t length = IsHorizontal ? plotRect.Width() : plotRect.Height();
    TAxisMapping& m = LayoutSlot->Mapping;
    m = TAxisMapping::Of(m.UsedMinimum, m.UsedMaximum, origin + RoundPixels(length * 0.01 * StartPositionValue),
                         origin + RoundPixels(length * 0.01 * EndPositionValue), InvertedValue, IsHorizontal);
}

// The range in use grows to what the placed pixels map to once the ends are
// moved inwards by the margins; the pixels themselves stay where they are.
void TCustomChartAxis::WidenForMargins(int32_t startMargin, int32_t endMargin)
{
    const TAxisMapping placed = LayoutSlot->Mapping;
    // A range beyond the double range (limits set to -1e308..1.5e308) maps
    // the end pixel through 0 x inf, which is NaN: such a range stays the
    // limits as they are, which the mouse then refuses to move from.
    if (!std::isfinite(placed.UsedRange))
        return;
    TAxisMapping narrowed = placed;
    narrowed.StartPixel = placed.StartPixel + startMargin;
    narrowed.EndPixel = placed.EndPixel - endMargin;
    narrowed.PixelLength = narrowed.EndPixel - narrowed.StartPixel;
    double a = narrowed.PositionToValue(placed.StartPixel);
    double b = narrowed.PositionToValue(placed.EndPixel);
    if (a > b)
        std::swap(a, b);
    LayoutSlot->Mapping =
        TAxisMapping::Of(a, b, placed.StartPixel, placed.EndPixel, placed.Inverted, placed.Horizontal);
}

// --- limits by program and mouse -------------------------------------------------------

void TCustomChartAxis::SetLimits(double min, double max)
{
    AutomaticValue = false;
    AutomaticMinimumValue = false;
    AutomaticMaximumValue = false;
    if (min > max)
        std::swap(min, max);
    StoreAndRepaint(MinimumValue, min);
    StoreAndRepaint(MaximumValue, max);
    // A zero range would map every value to the centre: keep a sliver.
    if (MaximumValue - MinimumValue < 1e-10)
        StoreAndRepaint(MaximumValue, MinimumValue + 1e-10);
}

void TCustomChartAxis::ShiftLimits(double delta, bool checkLimits)
{
    if (checkLimits) {
        bool moreAbove = delta > 0 && SeriesMaximum() > MaximumValue;
        bool moreBelow = delta < 0 && SeriesMinimum() < MinimumValue;
        if (!moreAbove && !moreBelow)
            return;
    }
    AutomaticValue = false;
    AutomaticMaximumValue = false;
    MaximumValue += delta;
    AutomaticMinimumValue = false;
    MinimumValue += delta;
    RepaintNow();
}

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TCustomChartAxis(chart, false, true, true, 0)
{
    SetVisible(false);
}
