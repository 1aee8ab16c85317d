// Placeholder: replaced by the axis rendering implementation.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"

void TCustomChartAxis::SetVisible(bool v) { StoreAndRepaint(VisibleValue, v); }
void TCustomChartAxis::SetTickLength(int v) { StoreAndRepaint(TickLengthValue, v); }
void TCustomChartAxis::SetTickInnerLength(int v) { StoreAndRepaint(TickInnerLengthValue, v); }
void TCustomChartAxis::SetMinorTickLength(int v) { StoreAndRepaint(MinorTickLengthValue, v); }
void TCustomChartAxis::SetMinorTickCount(int v) { StoreAndRepaint(MinorTickCountValue, v); }
void TCustomChartAxis::SetTickOnLabelsOnly(bool v) { StoreAndRepaint(TickOnLabelsOnlyValue, v); }
void TCustomChartAxis::SetGridCentered(bool v) { StoreAndRepaint(GridCenteredValue, v); }
void TCustomChartAxis::SetLabels(bool v) { StoreAndRepaint(LabelsValue, v); }
void TCustomChartAxis::SetLabelsAngle(int v) { StoreAndRepaint(LabelsAngleValue, v); }
void TCustomChartAxis::SetLabelsMultiLine(bool v) { StoreAndRepaint(LabelsMultiLineValue, v); }
void TCustomChartAxis::SetLabelsOnAxis(bool v) { StoreAndRepaint(LabelsOnAxisValue, v); }
void TCustomChartAxis::SetLabelsSize(int v) { StoreAndRepaint(LabelsSizeValue, v); }
void TCustomChartAxis::SetTitleSize(int v) { StoreAndRepaint(TitleSizeValue, v); }
void TCustomChartAxis::SetPositionPercent(double v) { StoreAndRepaint(PositionPercentValue, v); }
int32_t TCustomChartAxis::TickRoom() const { return 0; }
int32_t TCustomChartAxis::LabelsRoom() { return 0; }
int32_t TCustomChartAxis::TitleRoom() { return 0; }
void TCustomChartAxis::ReserveRoom(TRect&, bool) {}
void TCustomChartAxis::DrawAxis(bool) {}
void TCustomChartAxis::DrawAxisText(int32_t, int32_t, const std::string&, int) {}
bool TCustomChartAxis::HitTest(int32_t, int32_t) const { return false; }
