#include "support/raster/RasterDevice.h"

#include "support/raster/DevicePatterns.h"
#include "support/raster/LineRasterizer.h"
#include "support/raster/PixelWriter.h"
#include "support/raster/SpanCoverage.h"
#include "support/raster/WidePen.h"

#include <cmath>
#include <cstring>

TRasterDevice::TRasterDevice(TImage* target) : TargetImage(target) {}

void TRasterDevice::SetTarget(TImage* target)
{
    TargetImage = target;
    ClipRect.reset();
    Position = TPoint{};
}

TDeviceScale TRasterDevice::Scale() const
{
    if (TargetImage == nullptr || TargetImage->IsNull())
        return TDeviceScale{};
    return TDeviceScale::ForRatio(TargetImage->DevicePixelRatio());
}

// In logical pixels: on a high-density image, the logical pixels that reach
// it.
TRect TRasterDevice::DrawBounds() const
{
    if (TargetImage == nullptr || TargetImage->IsNull())
        return TRect{};
    const TDeviceScale scale = Scale();
    TRect bounds{0, 0, TargetImage->Width(), TargetImage->Height()};
    if (!scale.IsIdentity())
        bounds = TRect{0, 0, scale.Unmap(bounds.Right), scale.Unmap(bounds.Bottom)};
    if (ClipRect)
        IntersectRect(bounds, bounds, *ClipRect);
    return bounds;
}

TPixelWriter TRasterDevice::Writer(TDevicePenMode mode)
{
    TPixelWriter w;
    w.Mode = mode;
    w.Bounds = DrawBounds();
    if (w.Bounds.IsEmpty())
        return w;
    w.Bits = reinterpret_cast<uint8_t*>(TargetImage->Bits());
    w.Stride = TargetImage->StrideBytes();
    w.Scale = Scale();
    if (!w.Scale.IsIdentity())
        IntersectRect(w.DeviceBounds, w.Scale.Map(w.Bounds), TRect{0, 0, TargetImage->Width(), TargetImage->Height()});
    return w;
}

bool TRasterDevice::PenPaints() const { return Pen.Style != TDevicePenStyle::Clear; }

// A width of 0 or less is a one-pixel pen; the alternate pen is always one
// pixel wide.
int TRasterDevice::EffectivePenWidth() const
{
    if (Pen.Style == TDevicePenStyle::Alternate)
        return 1;
    return std::max(1, Pen.Width);
}

// --- lines ---------------------------------------------------------------------

void TRasterDevice::MoveTo(int32_t x, int32_t y) { Position = TPoint{x, y}; }

void TRasterDevice::LineTo(int32_t x, int32_t y)
{
    const TPoint line[2] = {Position, TPoint{x, y}};
    StrokePath(line, 2, false);
    Position = line[1];
}

void TRasterDevice::Polyline(const TPoint* points, int count) { StrokePath(points, count, false); }

// The lines through the points (and back to the first when closed) with one
// pattern running through them; a wide pen's segments and joins are
// gathered first so that each pixel is painted once.
void TRasterDevice::StrokePath(const TPoint* points, int count, bool closed)
{
    if (!PenPaints() || count < 2)
        return;
    const TPixelWriter w = Writer(Pen.Mode);
    if (!w.CanDraw())
        return;
    const int segments = closed ? count : count - 1;
    const int width = EffectivePenWidth();
    if (width == 1) {
        int64_t patternPosition = 0;
        for (int i = 0; i < segments; ++i)
            StrokeStyledLine(w, points[i], points[(i + 1) % count], patternPosition);
        return;
    }
    TSpanCoverage cover(w.Bounds);
    for (int i = 0; i < segments; ++i)
        AddWideSegment(cover, w.Bounds, points[i], points[(i + 1) % count], width);
    cover.Normalise();
    const uint32_t pen = ToPixel(Pen.Color);
    cover.ForEachSpan([&](int32_t y, int32_t x0, int32_t x1) { w.Span(y, x0, x1, pen); });
}

namespace {

bool Inside(const TRect& r, int64_t x, int64_t y) { return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom; }

} // namespace

void TRasterDevice::StrokeStyledLine(const TPixelWriter& w, TPoint a, TPoint b, int64_t& patternPosition)
{
    const TLineGeometry g = MakeLineGeometry(a, b);
    const int64_t start = patternPosition;
    patternPosition += g.Steps;
    const TStrokePaint paint = StrokePaint(w, start);
    // A solid line along a row or a column is a rectangle of pixels.
    if (paint.Pattern.IsSolid() && (a.X == b.X || a.Y == b.Y)) {
        w.StraightSolidLine(a, b, paint.Pen);
        return;
    }
    if (!w.Scale.IsIdentity()) {
        if (w.CanDraw())
            w.StrokeDeviceLine(paint, a, b);
        return;
    }
    int64_t first = 0;
    int64_t last = 0;
    StepsNear(g, w.Bounds, 0, first, last);
    WalkLine(g, first, last, [&](int64_t k, int64_t x, int64_t y) {
        if (!Inside(w.Bounds, x, y))
            return;
        if (paint.Pattern.IsOn(start + k))
            w.Put(static_cast<int32_t>(x), static_cast<int32_t>(y), paint.Pen);
        else if (paint.OpaqueGaps)
            w.Put(static_cast<int32_t>(x), static_cast<int32_t>(y), paint.Gap);
    });
}

// The pen of a one-pixel line whose pattern stands at `position`. The
// alternate pen's gaps stay untouched whatever the background mode.
TStrokePaint TRasterDevice::StrokePaint(const TPixelWriter& w, int64_t position) const
{
    TStrokePaint paint;
    paint.Pen = ToPixel(Pen.Color);
    paint.Gap = ToPixel(BkColor);
    paint.OpaqueGaps = BkMode == bkOpaque && Pen.Style != TDevicePenStyle::Alternate;
    paint.Pattern = TPenPattern(Pen.Style);
    if (!w.Scale.IsIdentity()) {
        paint.DevicePattern = paint.Pattern.Scaled(w.Scale.Ratio);
        paint.DevicePosition = w.Scale.Map(position);
    }
    return paint;
}

// --- pixels and fills ------------------------------------------------------------

void TRasterDevice::SetPixel(int32_t x, int32_t y, TColor rgb) { Writer(Pen.Mode).Put(x, y, ToPixel(rgb)); }

// On a high-density image, the first device pixel of the logical pixel.
TColor TRasterDevice::GetPixel(int32_t x, int32_t y) const
{
    if (TargetImage == nullptr)
        return clNone;
    const TDeviceScale scale = Scale();
    if (!scale.IsIdentity()) {
        x = scale.Map(x);
        y = scale.Map(y);
    }
    if (!TargetImage->Valid(x, y))
        return clNone;
    return FromPixel(TargetImage->Pixel(x, y));
}

namespace {

// A reversed rectangle still covers its left (top) coordinate and stops
// short of its right (bottom) one: left 30, right 25 covers columns 26..30.
TRect Normalised(const TRect& r)
{
    TRect n = r;
    if (n.Left > n.Right) {
        n.Left = r.Right + 1;
        n.Right = r.Left + 1;
    }
    if (n.Top > n.Bottom) {
        n.Top = r.Bottom + 1;
        n.Bottom = r.Top + 1;
    }
    return n;
}

} // namespace

void TRasterDevice::FillRect(const TRect& rect, TColor rgb)
{
    const TPixelWriter w = Writer(TDevicePenMode::Copy);
    if (w.CanDraw())
        w.Fill(Normalised(rect), ToPixel(rgb));
}

// --- clipping ----------------------------------------------------------------------

void TRasterDevice::IntersectClip(const TRect& rect)
{
    if (!ClipRect) {
        ClipRect = rect.IsEmpty() ? TRect{} : rect;
        return;
    }
    TRect narrowed;
    IntersectRect(narrowed, *ClipRect, rect);
    ClipRect = narrowed;
}

void TRasterDevice::RemoveClip() { ClipRect.reset(); }

// (x, y) is logical: on a high-density destination it is mapped to its
// device pixel, and both images hold device pixels.
void TRasterDevice::CopyImage(const TImage& src, TImage& dst, int32_t x, int32_t y)
{
    if (src.IsNull() || dst.IsNull())
        return;
    const TDeviceScale scale = TDeviceScale::ForRatio(dst.DevicePixelRatio());
    if (!scale.IsIdentity()) {
        x = scale.Map(x);
        y = scale.Map(y);
    }
    TRect area;
    if (!IntersectRect(area, TRect{x, y, x + src.Width(), y + src.Height()}, TRect{0, 0, dst.Width(), dst.Height()}))
        return;
    const size_t bytes = static_cast<size_t>(area.Width()) * sizeof(TPixel);
    // A copy within one image downwards must start at the bottom row.
    const bool bottomUp = &src == &dst && y > 0;
    for (int32_t i = 0; i < area.Height(); ++i) {
        const int32_t row = bottomUp ? area.Bottom - 1 - i : area.Top + i;
        std::memmove(dst.ScanLine(row) + area.Left, src.ScanLine(row - y) + (area.Left - x), bytes);
    }
}
