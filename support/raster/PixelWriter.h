#pragma once
// Direct pixel access to an image of ours (0xFFRRGGBB per pixel) with a
// raster operation, limited to a bounds rectangle (image ∩ clip). Every
// primitive of the raster device writes through one of these, so clipping,
// raster operations and the step from logical to device pixels on a
// high-density image are decided in one place.

#include "support/raster/DevicePatterns.h"
#include "support/raster/DeviceScale.h"
#include "support/raster/DeviceTypes.h"
#include "support/raster/Geometry.h"
#include "support/raster/LineRasterizer.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>

constexpr uint32_t kOpaqueAlpha = 0xFF000000u;

// $00BBGGRR -> 0xFFRRGGBB.
constexpr uint32_t ToPixel(TColor rgb)
{
    return kOpaqueAlpha | (static_cast<uint32_t>(RedOf(rgb)) << 16) | (static_cast<uint32_t>(GreenOf(rgb)) << 8) |
           static_cast<uint32_t>(BlueOf(rgb));
}

constexpr TColor FromPixel(uint32_t pixel)
{
    return RGBColor(static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
                    static_cast<int>(pixel & 0xFF));
}

// The raster operation on the colour bits; the alpha byte stays opaque.
constexpr uint32_t CombinePixel(uint32_t dst, uint32_t pen, TDevicePenMode mode)
{
    uint32_t r = 0;
    switch (mode) {
    case TDevicePenMode::Black:
        r = 0;
        break;
    case TDevicePenMode::White:
        r = ~0u;
        break;
    case TDevicePenMode::Nop:
        r = dst;
        break;
    case TDevicePenMode::Not:
        r = ~dst;
        break;
    case TDevicePenMode::Copy:
        r = pen;
        break;
    case TDevicePenMode::NotCopy:
        r = ~pen;
        break;
    case TDevicePenMode::MergePenNot:
        r = pen | ~dst;
        break;
    case TDevicePenMode::MaskPenNot:
        r = pen & ~dst;
        break;
    case TDevicePenMode::MergeNotPen:
        r = ~pen | dst;
        break;
    case TDevicePenMode::MaskNotPen:
        r = ~pen & dst;
        break;
    case TDevicePenMode::Merge:
        r = pen | dst;
        break;
    case TDevicePenMode::NotMerge:
        r = ~(pen | dst);
        break;
    case TDevicePenMode::Mask:
        r = pen & dst;
        break;
    case TDevicePenMode::NotMask:
        r = ~(pen & dst);
        break;
    case TDevicePenMode::Xor:
        r = pen ^ dst;
        break;
    case TDevicePenMode::NotXor:
        r = ~(pen ^ dst);
        break;
    }
    return kOpaqueAlpha | (r & 0x00FFFFFFu);
}

// The pen of a one-pixel line as its pixels are handed to the writer: the
// colours, the pattern in logical pixels and, for a high-density image, the
// same pattern in device pixels with the device position the line starts at.
struct TStrokePaint {
    uint32_t Pen = 0;
    uint32_t Gap = 0;
    bool OpaqueGaps = false;
    TPenPattern Pattern;
    TPenPattern DevicePattern;
    int64_t DevicePosition = 0;
};

struct TPixelWriter {
    uint8_t* Bits = nullptr;
    std::ptrdiff_t Stride = 0;
    TRect Bounds; // logical pixels; empty when there is nothing to draw on
    TDevicePenMode Mode = TDevicePenMode::Copy;
    // Off the identity only on a high-density image; DeviceBounds is then
    // Bounds in device pixels (image ∩ mapped clip).
    TDeviceScale Scale;
    TRect DeviceBounds;
    // The inside of a one-pixel outline: its left and top edge start right
    // after the outline's device thickness, so that fill and outline meet.
    TRect Hugged;

    bool CanDraw() const { return Bits != nullptr && !Bounds.IsEmpty(); }

    uint32_t* Row(int32_t y) const { return reinterpret_cast<uint32_t*>(Bits + y * Stride); }

    void Put(int32_t x, int32_t y, uint32_t pixel) const
    {
        if (!Bounds.Contains(x, y))
            return;
        if (!Scale.IsIdentity()) {
            DeviceFill(TRect{MapLeft(x, y), MapTop(x, y), Scale.Map(int64_t{x} + 1), Scale.Map(int64_t{y} + 1)}, pixel);
            return;
        }
        uint32_t* p = Row(y) + x;
        *p = CombinePixel(*p, pixel, Mode);
    }

    // Columns x0..x1-1 of row y.
    void Span(int32_t y, int32_t x0, int32_t x1, uint32_t pixel) const
    {
        if (y < Bounds.Top || y >= Bounds.Bottom)
            return;
        x0 = std::max(x0, Bounds.Left);
        x1 = std::min(x1, Bounds.Right);
        if (x0 >= x1)
            return;
        if (!Scale.IsIdentity()) {
            DeviceFill(TRect{MapLeft(x0, y), MapTop(x0, y), Scale.Map(x1), Scale.Map(int64_t{y} + 1)}, pixel);
            return;
        }
        uint32_t* p = Row(y);
        if (Mode == TDevicePenMode::Copy) {
            std::fill(p + x0, p + x1, pixel);
            return;
        }
        for (int32_t x = x0; x < x1; ++x)
            p[x] = CombinePixel(p[x], pixel, Mode);
    }

    void Fill(const TRect& r, uint32_t pixel) const
    {
        TRect logical;
        if (Scale.IsIdentity()) {
            if (IntersectRect(logical, r, Bounds))
                FillArea(logical, pixel);
            return;
        }
        if (Hugged.IsEmpty()) {
            if (IntersectRect(logical, r, Bounds))
                DeviceFill(Scale.Map(logical), pixel);
            return;
        }
        const int32_t top = std::max(r.Top, Bounds.Top);
        const int32_t bottom = std::min(r.Bottom, Bounds.Bottom);
        for (int32_t y = top; y < bottom; ++y)
            Span(y, r.Left, r.Right, pixel);
    }

    // A solid one-pixel line from logical A to B (B not painted) along a
    // row or a column, painted as the rectangle its pixels make: the pixels
    // the walk of the line paints one by one (at a ratio of 1 the logical
    // line's, else StrokeDeviceLine's), whose minor offset is 0 all along.
    void StraightSolidLine(TPoint a, TPoint b, uint32_t pixel) const
    {
        const bool identity = Scale.IsIdentity();
        const int64_t ax = identity ? a.X : Scale.Map(a.X);
        const int64_t ay = identity ? a.Y : Scale.Map(a.Y);
        const int64_t bx = identity ? b.X : Scale.Map(b.X);
        const int64_t by = identity ? b.Y : Scale.Map(b.Y);
        const int64_t thickness = identity ? 1 : Scale.Thickness;
        // The run from the start towards the end, without the end.
        const auto run = [](int64_t from, int64_t to, int64_t& lo, int64_t& hi) {
            lo = from < to ? from : to + 1;
            hi = from < to ? to : from + 1;
        };
        int64_t x0 = ax;
        int64_t x1 = ax + thickness;
        int64_t y0 = ay;
        int64_t y1 = ay + thickness;
        if (a.Y == b.Y)
            run(ax, bx, x0, x1);
        else
            run(ay, by, y0, y1);
        if (x0 >= x1 || y0 >= y1)
            return;
        const auto clamp = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
        const TRect r{clamp(x0), clamp(y0), clamp(x1), clamp(y1)};
        if (identity)
            Fill(r, pixel);
        else
            DeviceFill(r, pixel);
    }

    // A one-pixel line from logical A to B (B not painted) on a
    // high-density image: the device line from A's device corner to B's,
    // Thickness pixels thick to the right of or below it, with the pattern
    // counted along it in device pixels.
    void StrokeDeviceLine(const TStrokePaint& paint, TPoint a, TPoint b) const
    {
        const TLineGeometry g =
            MakeLineGeometry(TPoint{Scale.Map(a.X), Scale.Map(a.Y)}, TPoint{Scale.Map(b.X), Scale.Map(b.Y)});
        int64_t first = 0;
        int64_t last = 0;
        StepsNear(g, DeviceBounds, Scale.Thickness, first, last);
        WalkLine(g, first, last, [&](int64_t k, int64_t x, int64_t y) {
            const bool on = paint.DevicePattern.IsOn(paint.DevicePosition + k);
            if (!on && !paint.OpaqueGaps)
                return;
            for (int32_t c = 0; c < Scale.Thickness; ++c)
                DevicePut(g.XMajor ? x : x + c, g.XMajor ? y + c : y, on ? paint.Pen : paint.Gap);
        });
    }

private:
    int32_t MapLeft(int32_t x, int32_t y) const
    {
        if (x == Hugged.Left && y >= Hugged.Top && y < Hugged.Bottom)
            return Scale.Map(int64_t{x} - 1) + Scale.Thickness;
        return Scale.Map(x);
    }
    int32_t MapTop(int32_t x, int32_t y) const
    {
        if (y == Hugged.Top && x >= Hugged.Left && x < Hugged.Right)
            return Scale.Map(int64_t{y} - 1) + Scale.Thickness;
        return Scale.Map(y);
    }

    void DevicePut(int64_t x, int64_t y, uint32_t pixel) const
    {
        if (x < DeviceBounds.Left || x >= DeviceBounds.Right || y < DeviceBounds.Top || y >= DeviceBounds.Bottom)
            return;
        uint32_t* p = Row(static_cast<int32_t>(y)) + x;
        *p = Mode == TDevicePenMode::Copy ? pixel : CombinePixel(*p, pixel, Mode);
    }

    void DeviceFill(const TRect& r, uint32_t pixel) const
    {
        TRect area;
        if (IntersectRect(area, r, DeviceBounds))
            FillArea(area, pixel);
    }

    // Every pixel of an area within the image.
    void FillArea(const TRect& area, uint32_t pixel) const
    {
        for (int32_t y = area.Top; y < area.Bottom; ++y) {
            uint32_t* p = Row(y);
            if (Mode == TDevicePenMode::Copy) {
                std::fill(p + area.Left, p + area.Right, pixel);
                continue;
            }
            for (int32_t x = area.Left; x < area.Right; ++x)
                p[x] = CombinePixel(p[x], pixel, Mode);
        }
    }
};
