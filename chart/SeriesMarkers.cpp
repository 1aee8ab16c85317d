// The shapes of the point markers, drawn through the chart's surface.
#include "chart/DrawingSurface.h"
#include "chart/LineSeries.h"

namespace {

void DrawCross(TLynCanvas3D& canvas, int32_t x, int32_t y, int32_t h, int32_t v)
{
    // Lines leave out their end pixel, hence the + 1.
    canvas.HorizontalLine(x - h, x + h + 1, y);
    canvas.VerticalLine(x, y - v, y + v + 1);
}

void DrawDiagonalCross(TLynCanvas3D& canvas, int32_t x, int32_t y, int32_t h, int32_t v)
{
    canvas.DrawSegment(x - h, y - v, x + h + 1, y + v + 1);
    canvas.DrawSegment(x + h, y - v, x - h - 1, y + v + 1);
}

void FillShape(TLynCanvas3D& canvas, std::initializer_list<TPoint> corners)
{
    canvas.FillPolygon(corners.begin(), static_cast<int>(corners.size()) - 1);
}

} // namespace

void DrawMarkerShape(TLynCanvas3D& canvas, TSeriesPointerStyle style, int32_t x, int32_t y, int32_t h, int32_t v,
                     TColor color)
{
    switch (style) {
    case psRectangle:
        canvas.DrawBox(x - h, y - v, x + h + 1, y + v + 1);
        break;
    case psCircle:
        canvas.Ellipse(x - h, y - v, x + h + 1, y + v + 1);
        break;
    case psTriangle:
        FillShape(canvas, {{x - h, y + v}, {x + h, y + v}, {x, y - v}});
        break;
    case psDownTriangle:
        FillShape(canvas, {{x - h, y - v}, {x + h, y - v}, {x, y + v}});
        break;
    case psCross:
        DrawCross(canvas, x, y, h, v);
        break;
    case psDiagCross:
        DrawDiagonalCross(canvas, x, y, h, v);
        break;
    case psStar:
        DrawCross(canvas, x, y, h, v);
        DrawDiagonalCross(canvas, x, y, h, v);
        break;
    case psDiamond:
        FillShape(canvas, {{x, y - v}, {x + h, y}, {x, y + v}, {x - h, y}});
        break;
    case psSmallDot:
        canvas.Pixel(x, y, color);
        break;
    }
}
