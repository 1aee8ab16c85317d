// Placeholder: replaced by the axis scaling implementation.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/LynConst.h"

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis* axis) : Axis(axis) {}
void TChartAxisTitle::SetCaption(const std::string& v) { CaptionValue = v; }
void TChartAxisTitle::SetAngle(int v) { AngleValue = v; }
void TChartAxisTitle::Assign(const TChartAxisTitle& s) { CaptionValue = s.CaptionValue; AngleValue = s.AngleValue; }

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* chart, bool horizontal, bool otherSide, bool depth, int titleAngle)
    : IsHorizontal(horizontal), IsOtherSide(otherSide), IsDepth(depth), Chart(chart),
      AxisValuesFormatValue(LynConst::DefaultValueFormat), AxisPen(std::make_unique<TChartAxisPen>()),
      TicksPen(std::make_unique<TDarkGrayPen>()), TicksInnerPen(std::make_unique<TDarkGrayPen>()),
      MinorTicksPen(std::make_unique<TDarkGrayPen>()), GridPen(std::make_unique<TDottedGrayPen>()),
      MinorGridPen(std::make_unique<TChartHiddenPen>()), TitleValue(std::make_unique<TChartAxisTitle>(this))
{
    TitleValue->SetAngle(titleAngle);
    TitleValue->DefaultAngle = titleAngle;
}
TCustomChartAxis::~TCustomChartAxis() = default;
void TCustomChartAxis::Assign(const TCustomChartAxis&) {}
void TCustomChartAxis::RequestRepaint() { if (Chart) Chart->RequestRepaint(); }
void TCustomChartAxis::SetAutomatic(bool v)
{
    StoreAndRepaint(AutomaticValue, v);
    if (!Chart || !Chart->Loading) {
        AutomaticMinimumValue = v;
        AutomaticMaximumValue = v;
    }
}
void TCustomChartAxis::SetAutomaticMinimum(bool v) { StoreAndRepaint(AutomaticMinimumValue, v); if (!v || AutomaticMaximumValue) AutomaticValue = v; }
void TCustomChartAxis::SetAutomaticMaximum(bool v) { StoreAndRepaint(AutomaticMaximumValue, v); if (!v || AutomaticMinimumValue) AutomaticValue = v; }
void TCustomChartAxis::SetMinimum(double v)
{
    if ((!Chart || !Chart->Loading) && v > MaximumValue)
        throw AxisException(LynConst::AxisMinMax);
    StoreAndRepaint(MinimumValue, v);
}
void TCustomChartAxis::SetMaximum(double v)
{
    if ((!Chart || !Chart->Loading) && v < MinimumValue)
        throw AxisException(LynConst::AxisMaxMin);
    StoreAndRepaint(MaximumValue, v);
}
void TCustomChartAxis::SetIncrement(double v) { StoreAndRepaint(IncrementValue, v); }
void TCustomChartAxis::SetInverted(bool v) { StoreAndRepaint(InvertedValue, v); }
void TCustomChartAxis::SetLabelsSeparation(int v) { StoreAndRepaint(LabelsSeparationValue, v); }
void TCustomChartAxis::SetRoundFirstLabel(bool v) { StoreAndRepaint(RoundFirstLabelValue, v); }
void TCustomChartAxis::SetStartPosition(double v) { StoreAndRepaint(StartPositionValue, v); }
void TCustomChartAxis::SetEndPosition(double v) { StoreAndRepaint(EndPositionValue, v); }
void TCustomChartAxis::SetAxisValuesFormat(const std::string& v) { StoreAndRepaint(AxisValuesFormatValue, v); }
void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle v) { StoreAndRepaint(LabelStyleValue, v); }
void TCustomChartAxis::SetLogarithmic(bool v) { StoreAndRepaint(LogarithmicValue, v); }
void TCustomChartAxis::SetLogarithmicBase(int v) { StoreAndRepaint(LogarithmicBaseValue, v); }
void TCustomChartAxis::SetDateTimeFormat(const std::string& v) { StoreAndRepaint(DateTimeFormatValue, v); }
void TCustomChartAxis::SetExactDateTime(bool v) { StoreAndRepaint(ExactDateTimeValue, v); }
void TCustomChartAxis::ResolveRange() {}
void TCustomChartAxis::PlaceAxis() {}
void TCustomChartAxis::WidenForMargins(int32_t, int32_t) {}
int32_t TCustomChartAxis::ValueToPosition(double) const { return CenterPixel; }
double TCustomChartAxis::PositionToValue(int32_t) const { return 0; }
double TCustomChartAxis::LabelStep() { return 1; }
std::string TCustomChartAxis::LabelText(double) const { return {}; }
TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const { return talNone; }
int32_t TCustomChartAxis::WidestValueLabel() { return 0; }
void TCustomChartAxis::SetLimits(double, double) {}
void TCustomChartAxis::ShiftLimits(double, bool) {}
std::vector<double> TCustomChartAxis::LabelValues() { return {}; }
double TCustomChartAxis::SeriesMinimum() const { return 0; }
double TCustomChartAxis::SeriesMaximum() const { return 0; }

TChartDepthAxis::TChartDepthAxis(TCustomAxisPanel* chart) : TCustomChartAxis(chart, false, true, true, 0)
{
    SetVisible(false);
}
double NextLabelStep(double x) { return x * 2; }
