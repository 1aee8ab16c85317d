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
#include <cstdlib>
#include <optional>
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
    if (!w.Scale.IsIdentity()) {
        // On a high-density image the border is walked pixel by pixel so
        // that every device pixel belongs to one logical pixel, and the
        // inside is filled up to the outline's device edge.
        OutlineRectangle(w, r);
        TPixelWriter inside = w;
        inside.Hugged = InflateRect(r, -1, -1);
        FillFigure(inside, inside.Hugged);
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
        ring.ForEachGap(y, r.Left, r.Right - 1,
                        [&](int32_t row, int32_t x0, int32_t x1) { BrushSpan(w, row, x0, x1); });
    ring.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) { w.Span(y, x0, x1, pen); });
}

// The one-pixel border walked clockwise from the top-left corner, each pixel
// once, with the pen's pattern starting afresh: the top row, the right
// column, the bottom row backwards, the left column upwards. Each pixel goes
// to the writer with the next one on the walk, the last with the first.
void TRasterDevice::OutlineRectangle(const TPixelWriter& w, const TRect& r)
{
    if (!w.CanDraw())
        return;
    const TStrokePaint paint = StrokePaint(w, 0);
    int64_t k = 0;
    std::optional<TPoint> before;
    std::optional<TPoint> pending;
    auto stroke = [&](int32_t x, int32_t y) {
        if (pending) {
            w.Stroke(paint, k++, pending->X, pending->Y, x, y);
            before = pending;
        }
        pending = TPoint{x, y};
    };
    const int32_t right = r.Right - 1;
    const int32_t bottom = r.Bottom - 1;
    for (int32_t x = r.Left; x <= right; ++x)
        stroke(x, r.Top);
    for (int32_t y = r.Top + 1; y <= bottom; ++y)
        stroke(right, y);
    if (bottom > r.Top)
        for (int32_t x = right - 1; x >= r.Left; --x)
            stroke(x, bottom);
    if (right > r.Left)
        for (int32_t y = bottom - 1; y > r.Top; --y)
            stroke(r.Left, y);
    // The last pixel leads back to the first. A box one pixel wide or high
    // does not come back there: its last pixel runs on straight (a single
    // pixel runs on to the right).
    const TPoint at = *pending;
    const TPoint from = before.value_or(TPoint{at.X - 1, at.Y});
    TPoint next{r.Left, r.Top};
    if (!before || std::abs(next.X - at.X) > 1 || std::abs(next.Y - at.Y) > 1)
        next = TPoint{at.X + (at.X - from.X), at.Y + (at.Y - from.Y)};
    w.Stroke(paint, k, at.X, at.Y, next.X, next.Y);
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
