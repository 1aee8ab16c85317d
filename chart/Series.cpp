// Placeholder: replaced by line series rendering.
#include "chart/Series.h"

TSeriesPointer::TSeriesPointer(TCustomSeries* owner) : Owner(owner) {}
void TSeriesPointer::SetDark3D(bool v) { Dark3DValue = v; }
void TSeriesPointer::SetDraw3D(bool v) { Draw3DValue = v; }
void TSeriesPointer::SetHorizSize(int v) { HorizSizeValue = v; }
void TSeriesPointer::SetVertSize(int v) { VertSizeValue = v; }
void TSeriesPointer::SetInflateMargins(bool v) { InflateMarginsValue = v; }
void TSeriesPointer::SetStyle(TSeriesPointerStyle v) { StyleValue = v; }
void TSeriesPointer::SetVisible(bool v) { VisibleValue = v; }

TCustomSeries::TCustomSeries()
    : LinePenValue(std::make_unique<TChartPen>()), AreaLinesPen(std::make_unique<TChartPen>()),
      PointerValue(std::make_unique<TSeriesPointer>(this))
{
    ReachPastEdge = true;
}
TCustomSeries::~TCustomSeries() = default;
void TCustomSeries::DrawPoint(int32_t) {}
void TCustomSeries::HorizontalMargins(int32_t& l, int32_t& r) { l = r = 0; }
void TCustomSeries::VerticalMargins(int32_t& t, int32_t& b) { t = b = 0; }
int32_t TCustomSeries::PointPixelX(int32_t) const { return 0; }
int32_t TCustomSeries::PointPixelY(int32_t) const { return 0; }
int32_t TCustomSeries::PointAtPixel(int32_t, int32_t) const { return -1; }
void TCustomSeries::DrawPointerAt(int32_t, int32_t, int32_t, TColor) {}

TLineSeries::TLineSeries()
{
    JoinPointsValue = true;
    Pointer().SetVisible(false);
}
