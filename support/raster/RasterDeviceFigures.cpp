// Rectangles, polygons and ellipses of the raster device: an outline with
// the pen and an inside with the brush, never painting a pixel twice in one
// figure (so that NotXor figures drawn twice vanish).

#include "support/raster/RasterDevice.h"

#include "support/raster/DevicePatterns.h"
#include "support/raster/PixelWriter.h"

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
    if (width == 1) {
        OutlineRectangle(w, r);
        TPixelWriter inside = w;
        inside.Hugged = InflateRect(r, -1, -1);
        FillFigure(inside, inside.Hugged);
        return;
    }
    // A wide outline is a ring centred on the border pixels (or inside the
    // box for InsideFrame), painted as four disjoint bars.
    const bool inside = Pen.Style == TDevicePenStyle::InsideFrame;
    const TRect outer = inside ? r : InflateRect(r, width / 2, width / 2);
    const int32_t inset = inside ? width : (width - 1) / 2 + 1;
    const TRect inner = InflateRect(r, -inset, -inset);
    const uint32_t pen = ToPixel(Pen.Color);
    if (inner.IsEmpty()) {
        w.Fill(outer, pen);
        return;
    }
    w.Fill(TRect{outer.Left, outer.Top, outer.Right, inner.Top}, pen);
    w.Fill(TRect{outer.Left, inner.Bottom, outer.Right, outer.Bottom}, pen);
    w.Fill(TRect{outer.Left, inner.Top, inner.Left, inner.Bottom}, pen);
    w.Fill(TRect{inner.Right, inner.Top, outer.Right, inner.Bottom}, pen);
    FillFigure(w, inner);
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
    if (!PenPaints())
        return;
    const int64_t chainPosition = PatternPosition;
    PatternPosition = 0;
    for (int i = 0; i < count; ++i)
        StrokeLine(points[i], points[(i + 1) % count]);
    PatternPosition = chainPosition;
}

// Even-odd fill of the pixels whose centres lie inside the polygon; a centre
// exactly on a left edge is inside, on a right edge outside.
void TRasterDevice::FillPolygonInside(const TPixelWriter& w, const TPoint* points, int count)
{
    if (!w.CanDraw() || Brush.Style == TDeviceBrushStyle::Clear || count < 3)
        return;
    int32_t top = points[0].Y;
    int32_t bottom = points[0].Y;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, points[i].Y);
        bottom = std::max(bottom, points[i].Y);
    }
    top = std::max(top, w.Bounds.Top);
    bottom = std::min(bottom, w.Bounds.Bottom);
    std::vector<double> crossings;
    for (int32_t y = top; y < bottom; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const TPoint& p = points[i];
            const TPoint& q = points[(i + 1) % count];
            if ((p.Y <= centre) == (q.Y <= centre))
                continue;
            crossings.push_back(p.X + (centre - p.Y) * (static_cast<double>(q.X) - p.X) / (static_cast<double>(q.Y) - p.Y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const double x0 = std::clamp(std::ceil(crossings[i] - 0.5), -1.0e9, 1.0e9);
            const double x1 = std::clamp(std::ceil(crossings[i + 1] - 0.5), -1.0e9, 1.0e9);
            BrushSpan(w, y, static_cast<int32_t>(x0), static_cast<int32_t>(x1));
        }
    }
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
