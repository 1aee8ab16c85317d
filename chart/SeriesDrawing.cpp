// How a line series draws one point: the pixel guard, the line from the
// plot edge into the first shown point, the segment from the previous
// point in this point's colour, and the markers.
#include "chart/AxisPanel.h"
#include "chart/LineSeries.h"
#include "support/numbers/Float80.h"

namespace {
constexpr int32_t PixelGuard = 32766;
} // namespace

bool WithinPixelGuard(int32_t x, int32_t y)
{
    return x >= -PixelGuard && x <= PixelGuard && y >= -PixelGuard && y <= PixelGuard;
}

void TCustomSeries::DrawPoint(TLynCanvas3D& canvas, int32_t index)
{
    const TColor color = PointColor(index);
    const int32_t x = PointPixelX(index);
    const int32_t y = PointPixelY(index);
    if (index == FirstShownIndex)
        HasPreviousPixel = false;
    if (WithinPixelGuard(x, y)) {
        canvas.SetPenColor(clBlack);
        canvas.SetBrushColor(color);
        // Nothing is joined to a null point.
        if (PreviousColor == clNone) {
            PreviousPixelX = x;
            PreviousPixelY = y;
        }
        const bool isLast = index == LastShownIndex;
        if (index == FirstShownIndex) {
            if (index > 0) {
                StartAtEdge(index);
                if (PointColor(index - 1) != clNone)
                    JoinToPrevious(canvas, index, x, y, color, isLast, false);
            }
            if (isLast && Pointer().Visible())
                DrawPointerAt(canvas, x, y, index, color);
        } else if (HasPreviousPixel) {
            JoinToPrevious(canvas, index, x, y, color, isLast, true);
        } else if (isLast && color != clNone && Pointer().Visible()) {
            // The first shown point failed the guard: the previous pixel is
            // from an earlier paint, so nothing is joined to it.
            DrawPointerAt(canvas, x, y, index, color);
        }
        PreviousPixelX = x;
        PreviousPixelY = y;
        HasPreviousPixel = true;
    }
    PreviousColor = color;
}

void TCustomSeries::StartAtEdge(int32_t index)
{
    const TRect& plot = ParentChart()->Layout().PlotRect;
    const TCustomChartAxis& axis = *ResolvedHorizAxis;
    PreviousPixelX = axis.Inverted() ? plot.Right : plot.Left;
    PreviousPixelY =
        StairsValue ? PointPixelY(index - 1) : EdgeInterpolatedY(index, axis.PositionToValue(PreviousPixelX));
}

int32_t TCustomSeries::EdgeInterpolatedY(int32_t index, double v) const
{
    const int32_t a = index - 1;
    const Float80 x0 = XAt(a);
    const Float80 dx = XAt(index) - x0;
    if (dx == 0)
        return PointPixelY(a);
    const Float80 y0 = YAt(a);
    const Float80 dy = YAt(index) - y0;
    const double at = static_cast<double>(y0 + dy * (v - x0) / dx);
    return ResolvedVertAxis ? ResolvedVertAxis->ValueToPosition(at) : 0;
}

void TCustomSeries::JoinToPrevious(TLynCanvas3D& canvas, int32_t index, int32_t x, int32_t y, TColor color, bool isLast,
                                   bool withMarkers)
{
    const bool samePixel = x == PreviousPixelX && y == PreviousPixelY;
    if (!samePixel && color != clNone && JoinPointsValue) {
        // The segment ending at a point takes that point's colour; the pen
        // lends only its width, style and visibility.
        canvas.ApplyChartPen(LinePen());
        canvas.SetBrushStyle(bsClear);
        canvas.SetPenColor(color);
        if (!StairsValue) {
            canvas.DrawSegment(PreviousPixelX, PreviousPixelY, x, y);
        } else if (!InvertedStairsValue) {
            canvas.HorizontalLine(PreviousPixelX, x, PreviousPixelY);
            canvas.DrawLineTo(x, y);
        } else {
            canvas.VerticalLine(PreviousPixelX, PreviousPixelY, y);
            canvas.DrawLineTo(x, y);
        }
    }
    // Markers after the line, so each covers the line ends under it.
    if (withMarkers && Pointer().Visible()) {
        if (PreviousColor != clNone)
            DrawPointerAt(canvas, PreviousPixelX, PreviousPixelY, index - 1, PreviousColor);
        if (isLast && color != clNone)
            DrawPointerAt(canvas, x, y, index, color);
    }
}

void TCustomSeries::DrawPointerAt(TLynCanvas3D& canvas, int32_t x, int32_t y, int32_t index, TColor color)
{
    const TSeriesPointer& p = Pointer();
    canvas.ApplyChartPen(PointerValue->Pen());
    if (PointerValue->Pen().Color() == clDefault)
        canvas.SetPenColor(color);
    canvas.AssignBrush(PointerValue->Brush());
    if (PointerValue->Brush().Color() == clDefault)
        canvas.SetBrushColor(color);
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(this, index) : p.Style();
    DrawMarkerShape(canvas, style, x, y, p.HorizSize(), p.VertSize(), color);
}
