#pragma once
// How logical pixels land on the pixels of a high-density image.
//
// Everything the device is asked to draw stays in logical pixels; on an
// image whose device-pixel ratio s is not 1 a logical coordinate v becomes
// the device coordinate D(v) = floor(v * s + 0.5). A logical pixel x covers
// the device columns D(x)..D(x+1)-1, so fills side by side still meet
// without gaps or overlaps, and a clip maps the same way.
//
// A one-pixel line is Thickness device pixels thick, the same everywhere:
// floor(s), at least 1. Being no thicker than any logical pixel's block,
// every device pixel of a line belongs to exactly one of its logical pixels,
// so a not-xor figure drawn twice still restores every pixel.

#include "support/raster/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

struct TDeviceScale {
    double Ratio = 1;
    int32_t Thickness = 1;

    static TDeviceScale ForRatio(double ratio)
    {
        TDeviceScale s;
        if (!(ratio > 0) || !std::isfinite(ratio))
            return s;
        s.Ratio = ratio;
        s.Thickness = std::max(1, static_cast<int32_t>(std::floor(ratio)));
        return s;
    }

    bool IsIdentity() const { return Ratio == 1; }

    // D(v), held within 32 bits: a coordinate far outside every image stays
    // outside it.
    int32_t Map(int64_t v) const
    {
        const double d = std::floor(static_cast<double>(v) * Ratio + 0.5);
        return static_cast<int32_t>(std::clamp(d, -2147483648.0, 2147483647.0));
    }

    TRect Map(const TRect& r) const { return TRect{Map(r.Left), Map(r.Top), Map(r.Right), Map(r.Bottom)}; }

    // The logical pixels that reach a device extent: the smallest v with
    // D(v) >= device.
    int32_t Unmap(int32_t device) const
    {
        int64_t v = static_cast<int64_t>(std::floor((device - 0.5) / Ratio));
        while (Map(v) < device)
            ++v;
        while (v > INT32_MIN && Map(v - 1) >= device)
            --v;
        return static_cast<int32_t>(v);
    }
};
