// Rectangles, polygons and ellipses of the raster device: an outline with
// the pen and an inside with the brush, painting a pixel once in one figure
// (so that NotXor figures drawn twice vanish).

#include "support/raster/RasterDevice.h"

#include "support/raster/DevicePatterns.h"
#include "support/raster/PixelWriter.h"
#include "support/raster/PolygonScan.h"
#include "support/raster/SpanCoverage.h"
#include "support/raster/WidePen.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

TRect Ordered(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    return TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

} // namespace

// Columns x0..x1-1 of row y in the brush; hatch gaps take BkColor in opaque
// mode and are left alone in transparent mode.
void TRasterDevice::BrushSpan(const TPixelWriter& w, int32_t y, int32_t x0, int32_t x1) const
{
    if (Brush.Style == TDeviceBrushStyle::Clear)
        return;
    const uint32_t brush = ToPixel(Brush.Color);
    if (Brush.Style == TDeviceBrushStyle::Solid) {
        w.Span(y, x0, x1, brush);
        return;
    }
    if (y < w.Bounds.Top || y >= w.Bounds.Bottom)
        return;
    const uint32_t gap = ToPixel(BkColor);
    const bool opaque = BkMode == bkOpaque;
    for (int32_t x = std::max(x0, w.Bounds.Left); x < std::min(x1, w.Bounds.Right); ++x) {
        if (HatchIsOn(Brush.Style, x, y))
            w.Put(x, y, brush);
        else if (opaque)
            w.Put(x, y, gap);
    }
}

void TRasterDevice::FillFigure(const TPixelWriter& w, const TRect& r)
{
    if (!w.CanDraw() || r.IsEmpty())
        return;
    const int32_t top = std::max(r.Top, w.Bounds.Top);
    const int32_t bottom = std::min(r.Bottom, w.Bounds.Bottom);
    for (int32_t y = top; y < bottom; ++y)
        BrushSpan(w, y, r.Left, r.Right);
}

// --- rectangle ------------------------------------------------------------------

void TRasterDevice::Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const TRect r = Ordered(left, top, right, bottom);
    if (r.IsEmpty())
        return;
    const TPixelWriter w = Writer(Pen.Mode);
    if (!PenPaints()) {
        FillFigure(w, TRect{r.Left, r.Top, r.Right - 1, r.Bottom - 1});
        return;
    }
    const int width = EffectivePenWidth();
    if (width > 1) {
        WideRectangle(w, r, width);
        return;
    }
    FillFigure(w, InflateRect(r, -1, -1));
    // The outline starts at the top-right corner and runs anticlockwise;
    // for a box one pixel wide (or high) its two long sides coincide and
    // both are drawn.
    const TPoint corners[4] = {
        {r.Right - 1, r.Top}, {r.Left, r.Top}, {r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}};
    StrokePath(corners, 4, true);
}

// A wide outline is the geometric pen's path through the corners (left,
// top) and (right-1, bottom-1); the brush fills what the pen leaves of
// left..right-2, top..bottom-2. InsideFrame keeps the whole ring inside the
// box instead.
void TRasterDevice::WideRectangle(const TPixelWriter& w, const TRect& r, int width)
{
    if (!w.CanDraw())
        return;
    const uint32_t pen = ToPixel(Pen.Color);
    if (Pen.Style == TDevicePenStyle::InsideFrame) {
        const TRect inner = InflateRect(r, -width, -width);
        if (inner.IsEmpty()) {
            w.Fill(r, pen);
            return;
        }
        w.Fill(TRect{r.Left, r.Top, r.Right, inner.Top}, pen);
        w.Fill(TRect{r.Left, inner.Bottom, r.Right, r.Bottom}, pen);
        w.Fill(TRect{r.Left, inner.Top, inner.Left, inner.Bottom}, pen);
        w.Fill(TRect{inner.Right, inner.Top, r.Right, inner.Bottom}, pen);
        FillFigure(w, inner);
        return;
    }
    const TPoint corners[4] = {
        {r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}};
    TSpanCoverage ring(w.Bounds);
    for (int i = 0; i < 4; ++i)
        AddWideSegment(ring, w.Bounds, corners[i], corners[(i + 1) % 4], width);
    ring.Normalise();
    const int32_t top = std::max(r.Top, w.Bounds.Top);
    const int32_t bottom = std::min(r.Bottom - 1, w.Bounds.Bottom);
    for (int32_t y = top; y < bottom; ++y)
        ring.ForEachGap(y, r.Left, r.Right - 1, [&](int32_t row, int32_t x0, int32_t x1) { BrushSpan(w, row, x0, x1); });
    ring.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) { w.Span(y, x0, x1, pen); });
}

// --- polygon -----------------------------------------------------------------------

void TRasterDevice::Polygon(const TPoint* points, int count)
{
    if (count < 2)
        return;
    FillPolygonInside(Writer(Pen.Mode), points, count);
    StrokePath(points, count, true);
}

void TRasterDevice::FillPolygonInside(const TPixelWriter& w, const TPoint* points, int count)
{
    if (!w.CanDraw() || Brush.Style == TDeviceBrushStyle::Clear)
        return;
    ScanPolygon(points, count, w.Bounds.Top, w.Bounds.Bottom, [&](int64_t y, int64_t x0, int64_t x1) {
        const auto clampX = [&](int64_t x) {
            return static_cast<int32_t>(std::clamp<int64_t>(x, w.Bounds.Left, w.Bounds.Right));
        };
        BrushSpan(w, static_cast<int32_t>(y), clampX(x0), clampX(x1));
    });
}

// --- ellipse -----------------------------------------------------------------------

namespace {

// Row y of the ellipse inscribed in r: the columns [first, last) whose pixel
// centres lie inside it; empty outside the box.
struct TEllipseRows {
    TRect Box;
    double CentreX, CentreY, RadiusX, RadiusY;

    explicit TEllipseRows(const TRect& r)
        : Box(r), CentreX((r.Left + static_cast<double>(r.Right)) / 2), CentreY((r.Top + static_cast<double>(r.Bottom)) / 2),
          RadiusX(r.Width() / 2.0), RadiusY(r.Height() / 2.0)
    {
    }

    void Row(int64_t y, int64_t& first, int64_t& last) const
    {
        first = last = 0;
        if (y < Box.Top || y >= Box.Bottom)
            return;
        const double d = (y + 0.5 - CentreY) / RadiusY;
        const double half = RadiusX * std::sqrt(std::max(0.0, 1.0 - d * d));
        first = static_cast<int64_t>(std::ceil(CentreX - half - 0.5));
        last = static_cast<int64_t>(std::floor(CentreX + half - 0.5)) + 1;
        if (first >= last)
            first = last = 0;
    }
};

} // namespace

// The outline is every pixel of the ellipse that lies within the pen width
// of its edge, horizontally or vertically; the rest is the inside.
void TRasterDevice::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const TRect box = Ordered(left, top, right, bottom);
    const TPixelWriter w = Writer(Pen.Mode);
    if (box.IsEmpty() || !w.CanDraw())
        return;
    const TEllipseRows rows(box);
    const int width = PenPaints() ? EffectivePenWidth() : 0;
    const uint32_t pen = ToPixel(Pen.Color);
    for (int32_t y = std::max(box.Top, w.Bounds.Top); y < std::min(box.Bottom, w.Bounds.Bottom); ++y) {
        int64_t first = 0;
        int64_t last = 0;
        rows.Row(y, first, last);
        if (first == last)
            continue;
        int64_t innerFirst = first + width;
        int64_t innerLast = last - width;
        for (int d = 1; d <= width; ++d) {
            for (int64_t neighbour : {int64_t{y} - d, int64_t{y} + d}) {
                int64_t f = 0;
                int64_t l = 0;
                rows.Row(neighbour, f, l);
                innerFirst = std::max(innerFirst, f);
                innerLast = std::min(innerLast, l);
            }
        }
        const auto clampX = [&](int64_t x) { return static_cast<int32_t>(std::clamp<int64_t>(x, box.Left, box.Right)); };
        if (innerFirst >= innerLast) {
            w.Span(y, clampX(first), clampX(last), pen);
            continue;
        }
        w.Span(y, clampX(first), clampX(innerFirst), pen);
        BrushSpan(w, y, clampX(innerFirst), clampX(innerLast));
        w.Span(y, clampX(innerLast), clampX(last), pen);
    }
}
