#include "chart/LineSeries.h"

#include "chart/ChartMessages.h"

#include <algorithm>

TSeriesPointer::TSeriesPointer(TCustomSeries* owner) : Owner(owner)
{
    auto repaint = [this] {
        if (Owner)
            Owner->RequestRepaint();
    };
    PenValue.SetOnChange(repaint);
    BrushValue.SetOnChange(repaint);
}

template <class T>
void TSeriesPointer::Store(T& field, const T& value)
{
    StoreIfChanged(field, value, [this] {
        if (Owner)
            Owner->RequestRepaint();
    });
}

void TSeriesPointer::SetDark3D(bool v) { Store(Dark3DValue, v); }
void TSeriesPointer::SetDraw3D(bool v) { Store(Draw3DValue, v); }

void TSeriesPointer::SetHorizSize(int v)
{
    if (v < 1)
        throw ChartException(LynConst::PointerSize);
    Store(HorizSizeValue, v);
}

void TSeriesPointer::SetVertSize(int v)
{
    if (v < 1)
        throw ChartException(LynConst::PointerSize);
    Store(VertSizeValue, v);
}

void TSeriesPointer::SetInflateMargins(bool v) { Store(InflateMarginsValue, v); }
void TSeriesPointer::SetStyle(TSeriesPointerStyle v) { Store(StyleValue, v); }
void TSeriesPointer::SetVisible(bool v) { Store(VisibleValue, v); }

TCustomSeries::TCustomSeries()
    : LinePenValue(std::make_unique<TChartPen>()), AreaLinesPen(std::make_unique<TChartPen>()),
      PointerValue(std::make_unique<TSeriesPointer>(this))
{
    ReachPastEdge = true;
    auto repaint = [this] { RequestRepaint(); };
    LinePenValue->SetOnChange(repaint);
    AreaLinesPen->SetOnChange(repaint);
}

TCustomSeries::~TCustomSeries() = default;

void TCustomSeries::HorizontalMargins(int32_t& left, int32_t& right)
{
    left = right = 0;
    const TSeriesPointer& p = Pointer();
    if (p.Visible() && p.InflateMargins()) {
        left = std::max(left, p.HorizSize() + 1);
        right = std::max(right, p.HorizSize() + 1);
    }
    if (StairsValue && JoinPointsValue) {
        left = std::max(left, LinePen().Width());
        right = std::max(right, LinePen().Width());
    }
}

void TCustomSeries::VerticalMargins(int32_t& top, int32_t& bottom)
{
    top = bottom = 0;
    const TSeriesPointer& p = Pointer();
    if (p.Visible() && p.InflateMargins()) {
        top = std::max(top, p.VertSize() + 1);
        bottom = std::max(bottom, p.VertSize() + 1);
    }
    if (StairsValue && JoinPointsValue) {
        top = std::max(top, LinePen().Width());
        bottom = std::max(bottom, LinePen().Width() + 1);
    }
    if (LineHeightValue > 0 && !DrawAreaValue && bottom < LineHeightValue)
        bottom = LineHeightValue;
}

TLineSeries::TLineSeries()
{
    JoinPointsValue = true;
    Pointer().SetVisible(false);
}
