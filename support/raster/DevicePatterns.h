#pragma once
// The repeating patterns of styled pens and hatched brushes.
//
// A pen pattern is counted in pixels along the drawing, starting at the
// first pixel of a line, polyline or figure outline: psDot is 3 on, 3 off, so the pixels 0-2
// are on, 3-5 off, 6-8 on. Solid-like styles are always on.
// Hatches repeat every 8 pixels and are tied to the image's own (0, 0), so
// two fills side by side continue one another.

#include "support/raster/DeviceTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

class TPenPattern {
public:
    TPenPattern() = default; // solid
    explicit TPenPattern(TDevicePenStyle style)
    {
        switch (style) {
        case TDevicePenStyle::Dash:
            Set({18, 6});
            break;
        case TDevicePenStyle::Dot:
            Set({3, 3});
            break;
        case TDevicePenStyle::DashDot:
            Set({9, 6, 3, 6});
            break;
        case TDevicePenStyle::DashDotDot:
            Set({9, 3, 3, 3, 3, 3});
            break;
        case TDevicePenStyle::Alternate:
            Set({1, 1});
            break;
        default:
            break; // solid: no runs
        }
    }

    // The same pattern counted in device pixels of a high-density image:
    // every run scaled and rounded, at least one pixel, so that the rhythm
    // stays even.
    TPenPattern Scaled(double ratio) const
    {
        TPenPattern scaled;
        scaled.Count = Count;
        for (int i = 0; i < Count; ++i) {
            scaled.Runs[i] = std::max(1, static_cast<int>(std::lround(Runs[i] * ratio)));
            scaled.Length += scaled.Runs[i];
        }
        return scaled;
    }

    bool IsSolid() const { return Length == 0; }

    // Whether the pixel at this position along the chain is painted in the
    // pen colour (else it is a gap).
    bool IsOn(int64_t position) const
    {
        if (Length == 0)
            return true;
        int64_t at = position % Length;
        if (at < 0)
            at += Length;
        // Runs alternate on, off, on, off, ...
        for (int i = 0; i < Count; ++i) {
            if (at < Runs[i])
                return i % 2 == 0;
            at -= Runs[i];
        }
        return false;
    }

private:
    int Runs[6] = {};
    int Count = 0;
    int Length = 0;

    template <int N>
    void Set(const int (&runs)[N])
    {
        static_assert(N <= 6);
        for (int i = 0; i < N; ++i) {
            Runs[i] = runs[i];
            Length += runs[i];
        }
        Count = N;
    }
};

// Whether a hatched brush paints pixel (x, y) in its colour; solid brushes
// paint every pixel.
inline bool HatchIsOn(TDeviceBrushStyle style, int32_t x, int32_t y)
{
    // The platform's 8 x 8 hatch cells: the horizontal line on row 3, the
    // vertical on column 4, the rising diagonal through the cell's corners
    // (0, 7) and (7, 0).
    const bool horizontal = (y & 7) == 3;
    const bool vertical = (x & 7) == 4;
    const bool falling = ((x - y) & 7) == 0; // top-left to bottom-right
    const bool rising = ((x + y) & 7) == 7; // bottom-left to top-right
    switch (style) {
    case TDeviceBrushStyle::Horizontal:
        return horizontal;
    case TDeviceBrushStyle::Vertical:
        return vertical;
    case TDeviceBrushStyle::FDiagonal:
        return falling;
    case TDeviceBrushStyle::BDiagonal:
        return rising;
    case TDeviceBrushStyle::Cross:
        return horizontal || vertical;
    case TDeviceBrushStyle::DiagCross:
        return falling || rising;
    default:
        return true;
    }
}
