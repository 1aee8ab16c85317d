#pragma once
// Direct pixel access to a Format_RGB32 image (0xFFRRGGBB per pixel) with a
// raster operation, limited to a bounds rectangle (image ∩ clip). Every
// primitive of the raster device writes through one of these, so clipping
// and raster operations are decided in one place.

#include "support/raster/DeviceTypes.h"
#include "support/raster/Geometry.h"

#include <algorithm>
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
    case TDevicePenMode::Black: r = 0; break;
    case TDevicePenMode::White: r = ~0u; break;
    case TDevicePenMode::Nop: r = dst; break;
    case TDevicePenMode::Not: r = ~dst; break;
    case TDevicePenMode::Copy: r = pen; break;
    case TDevicePenMode::NotCopy: r = ~pen; break;
    case TDevicePenMode::MergePenNot: r = pen | ~dst; break;
    case TDevicePenMode::MaskPenNot: r = pen & ~dst; break;
    case TDevicePenMode::MergeNotPen: r = ~pen | dst; break;
    case TDevicePenMode::MaskNotPen: r = ~pen & dst; break;
    case TDevicePenMode::Merge: r = pen | dst; break;
    case TDevicePenMode::NotMerge: r = ~(pen | dst); break;
    case TDevicePenMode::Mask: r = pen & dst; break;
    case TDevicePenMode::NotMask: r = ~(pen & dst); break;
    case TDevicePenMode::Xor: r = pen ^ dst; break;
    case TDevicePenMode::NotXor: r = ~(pen ^ dst); break;
    }
    return kOpaqueAlpha | (r & 0x00FFFFFFu);
}

struct TPixelWriter {
    uint8_t* Bits = nullptr;
    std::ptrdiff_t Stride = 0;
    TRect Bounds;  // empty when there is nothing to draw on
    TDevicePenMode Mode = TDevicePenMode::Copy;

    bool CanDraw() const { return Bits != nullptr && !Bounds.IsEmpty(); }

    uint32_t* Row(int32_t y) const { return reinterpret_cast<uint32_t*>(Bits + y * Stride); }

    void Put(int32_t x, int32_t y, uint32_t pixel) const
    {
        if (!Bounds.Contains(x, y))
            return;
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
        const int32_t top = std::max(r.Top, Bounds.Top);
        const int32_t bottom = std::min(r.Bottom, Bounds.Bottom);
        for (int32_t y = top; y < bottom; ++y)
            Span(y, r.Left, r.Right, pixel);
    }
};
