// Rectangles, polygons and ellipses of the raster device: an outline with
// the pen and an inside with the brush, painting a pixel once in one figure
// (so that NotXor figures drawn twice vanish).

#include "support/raster/RasterDevice.h"

#include "support/raster/DevicePatterns.h"
#include "support/raster/EllipseOutline.h"
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
    // The inside first, then the outline through the corners from the
    // top-right anticlockwise, as lines with one pattern running through
    // them; for a box one pixel wide (or high) its two long sides coincide
    // and both are drawn. On a high-density image the inside reaches up to
    // the outline's device edge.
    TPixelWriter inside = w;
    inside.Hugged = InflateRect(r, -1, -1);
    FillFigure(inside, inside.Hugged);
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
        ring.ForEachGap(y, r.Left, r.Right - 1,
                        [&](int32_t row, int32_t x0, int32_t x1) { BrushSpan(w, row, x0, x1); });
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

template <class Visit>
void ForEachInsideRow(const TRect& box, const TRect& bounds, Visit&& visit)
{
    for (int32_t y = std::max(box.Top, bounds.Top); y < std::min(box.Bottom, bounds.Bottom); ++y) {
        int64_t first = 0;
        int64_t last = 0;
        EllipseInsideRow(box, y, first, last);
        first = std::max<int64_t>(first, bounds.Left);
        last = std::min<int64_t>(last, bounds.Right);
        if (first < last)
            visit(y, static_cast<int32_t>(first), static_cast<int32_t>(last));
    }
}

} // namespace

// The one-pixel outline (EllipseOutline.h) with the brush inside it; a wide
// pen paints its dot on every outline pixel, so the band is centred on the
// curve through the box's outer pixels. Without a pen the brush covers the
// outline's pixels too.
void TRasterDevice::Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const TRect box = Ordered(left, top, right, bottom);
    const TPixelWriter w = Writer(Pen.Mode);
    // A box of a single pixel holds no ellipse at all on the platform.
    if (box.IsEmpty() || (box.Width() == 1 && box.Height() == 1) || !w.CanDraw())
        return;
    const int width = PenPaints() ? EffectivePenWidth() : 0;
    const TRect near = InflateRect(w.Bounds, width / 2 + 1, width / 2 + 1);
    TSpanCoverage line(near);
    AddEllipseOutline(line, box, near);
    if (width == 0) {
        ForEachInsideRow(box, w.Bounds, [&](int32_t y, int32_t x0, int32_t x1) { line.Add(y, x0, x1); });
        line.Normalise();
        line.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) { BrushSpan(w, y, x0, x1); });
        return;
    }
    line.Normalise();
    TSpanCoverage ring(w.Bounds);
    line.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) {
        for (int32_t x = x0; x < x1; ++x) {
            if (width > 1)
                AddPenDot(ring, TPoint{x, y}, width);
            else
                ring.AddPixel(x, y);
        }
    });
    ring.Normalise();
    ForEachInsideRow(box, w.Bounds, [&](int32_t y, int32_t x0, int32_t x1) {
        ring.ForEachGap(y, x0, x1, [&](int32_t row, int32_t g0, int32_t g1) { BrushSpan(w, row, g0, g1); });
    });
    const uint32_t pen = ToPixel(Pen.Color);
    ring.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) { w.Span(y, x0, x1, pen); });
}
