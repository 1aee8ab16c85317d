#include "support/raster/RasterDevice.h"
#include "support/numbers/Float80.h"

#include "support/raster/LineRasterizer.h"
#include "support/raster/DevicePatterns.h"
#include "support/raster/PixelWriter.h"

#include <cassert>
#include <cmath>
#include <cstring>

TRasterDevice::TRasterDevice(QImage* target) : TargetImage(target) {}

void TRasterDevice::SetTarget(QImage* target)
{
    TargetImage = target;
    ClipRect.reset();
    Position = TPoint{};
    PatternPosition = 0;
}

TRect TRasterDevice::DrawBounds() const
{
    if (TargetImage == nullptr || TargetImage->isNull())
        return TRect{};
    TRect bounds{0, 0, TargetImage->width(), TargetImage->height()};
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
    // Every pixel is one 32-bit word; the device is meant for Format_RGB32.
    assert(TargetImage->depth() == 32);
    if (TargetImage->depth() != 32) {
        w.Bounds = TRect{};
        return w;
    }
    w.Bits = TargetImage->bits();
    w.Stride = TargetImage->bytesPerLine();
    return w;
}

bool TRasterDevice::PenPaints() const
{
    return Pen.Style != TDevicePenStyle::Clear;
}

// A width of 0 or less is a one-pixel pen; the alternate pen is always one
// pixel wide.
int TRasterDevice::EffectivePenWidth() const
{
    if (Pen.Style == TDevicePenStyle::Alternate)
        return 1;
    return std::max(1, Pen.Width);
}

// --- lines ---------------------------------------------------------------------

void TRasterDevice::MoveTo(int32_t x, int32_t y)
{
    Position = TPoint{x, y};
    PatternPosition = 0;
}

void TRasterDevice::LineTo(int32_t x, int32_t y)
{
    const TPoint to{x, y};
    StrokeLine(Position, to);
    Position = to;
}

void TRasterDevice::Polyline(const TPoint* points, int count)
{
    PatternPosition = 0;
    for (int i = 1; i < count; ++i)
        StrokeLine(points[i - 1], points[i]);
}

void TRasterDevice::StrokeLine(TPoint a, TPoint b)
{
    if (!PenPaints()) {
        PatternPosition += MakeLineGeometry(a, b).Steps;
        return;
    }
    const TPixelWriter w = Writer(Pen.Mode);
    const int width = EffectivePenWidth();
    if (width > 1)
        StrokeWideLine(w, a, b, width);
    else
        StrokeStyledLine(w, a, b);
}

namespace {

bool Inside(const TRect& r, int64_t x, int64_t y)
{
    return r.Left <= x && x < r.Right && r.Top <= y && y < r.Bottom;
}

} // namespace

void TRasterDevice::StrokeStyledLine(const TPixelWriter& w, TPoint a, TPoint b)
{
    const TLineGeometry g = MakeLineGeometry(a, b);
    const int64_t start = PatternPosition;
    PatternPosition += g.Steps;
    if (!w.CanDraw())
        return;
    int64_t first = 0;
    int64_t last = 0;
    StepsNear(g, w.Bounds, 0, first, last);
    const uint32_t pen = ToPixel(Pen.Color);
    const uint32_t gap = ToPixel(BkColor);
    const bool opaqueGaps = BkMode == bkOpaque;
    const TPenPattern pattern(Pen.Style);
    WalkLine(g, first, last, [&](int64_t k, int64_t x, int64_t y) {
        if (!Inside(w.Bounds, x, y))
            return;
        if (pattern.IsOn(start + k))
            w.Put(static_cast<int32_t>(x), static_cast<int32_t>(y), pen);
        else if (opaqueGaps)
            w.Put(static_cast<int32_t>(x), static_cast<int32_t>(y), gap);
    });
}

// The band runs across the major axis. Its extent there is the pen width
// stretched by length / major steps, so a diagonal band is as thick as a
// straight one: width 2 at 45 degrees takes 3 pixels per column.
void TRasterDevice::StrokeWideLine(const TPixelWriter& w, TPoint a, TPoint b, int width)
{
    const TLineGeometry g = MakeLineGeometry(a, b);
    PatternPosition += g.Steps;
    if (!w.CanDraw() || g.Steps == 0)
        return;
    const Float80 length = f80::hypot(static_cast<Float80>(g.Steps), static_cast<Float80>(g.MinorDelta));
    const int span = std::max(width, static_cast<int>(f80::lround(width * length / g.Steps)));
    const int lo = -(span / 2);  // offsets lo..lo+span-1: width 2 covers -1 and 0
    int64_t first = 0;
    int64_t last = 0;
    StepsNear(g, w.Bounds, span, first, last);
    const uint32_t pen = ToPixel(Pen.Color);
    WalkLine(g, first, last, [&](int64_t, int64_t x, int64_t y) {
        // Only the part of the band inside the bounds is walked.
        const int64_t across = g.XMajor ? y : x;
        const int64_t boundLo = g.XMajor ? w.Bounds.Top : w.Bounds.Left;
        const int64_t boundHi = g.XMajor ? w.Bounds.Bottom : w.Bounds.Right;
        const int64_t from = std::max<int64_t>(across + lo, boundLo);
        const int64_t to = std::min<int64_t>(across + lo + span, boundHi);
        for (int64_t c = from; c < to; ++c) {
            const int64_t px = g.XMajor ? x : c;
            const int64_t py = g.XMajor ? c : y;
            if (Inside(w.Bounds, px, py))
                w.Put(static_cast<int32_t>(px), static_cast<int32_t>(py), pen);
        }
    });
}

// --- pixels and fills ------------------------------------------------------------

void TRasterDevice::SetPixel(int32_t x, int32_t y, TColor rgb)
{
    Writer(TDevicePenMode::Copy).Put(x, y, ToPixel(rgb));
}

TColor TRasterDevice::GetPixel(int32_t x, int32_t y) const
{
    if (TargetImage == nullptr || !TargetImage->valid(x, y))
        return clNone;
    return FromPixel(TargetImage->pixel(x, y));
}

void TRasterDevice::FillRect(const TRect& rect, TColor rgb)
{
    const TPixelWriter w = Writer(TDevicePenMode::Copy);
    if (w.CanDraw())
        w.Fill(rect, ToPixel(rgb));
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

void TRasterDevice::RemoveClip()
{
    ClipRect.reset();
}

void TRasterDevice::CopyImage(const QImage& src, QImage& dst, int32_t x, int32_t y)
{
    if (src.isNull() || dst.isNull())
        return;
    assert(dst.depth() == 32);
    const QImage converted = src.depth() == 32 ? QImage() : src.convertToFormat(QImage::Format_RGB32);
    const QImage& source = src.depth() == 32 ? src : converted;
    TRect area;
    if (!IntersectRect(area, TRect{x, y, x + source.width(), y + source.height()}, TRect{0, 0, dst.width(), dst.height()}))
        return;
    uchar* target = dst.bits();
    const uchar* from = source.constBits();
    const size_t bytes = static_cast<size_t>(area.Width()) * 4;
    // A copy within one image downwards must start at the bottom row.
    const bool bottomUp = from == target && y > 0;
    for (int32_t i = 0; i < area.Height(); ++i) {
        const int32_t row = bottomUp ? area.Bottom - 1 - i : area.Top + i;
        uchar* d = target + row * dst.bytesPerLine() + area.Left * 4;
        const uchar* s = from + (row - y) * source.bytesPerLine() + (area.Left - x) * 4;
        std::memmove(d, s, bytes);
    }
}
