#pragma once
// The pixels of a one-pixel line, by the midpoint rule.
//
// A line from A to B paints A and not B. It takes one pixel per step along
// its major axis (x when |dx| >= |dy|, else y); at step k the minor
// coordinate is the exact line's minor coordinate rounded to the nearest
// integer, halves going to the smaller coordinate. The rule is stated on
// absolute coordinates, so the pixels are the same whichever way the line is
// drawn: (0,0)->(2,1) and (2,1)->(0,0) both put the middle pixel at (1,0).
//
// The walk can start and stop at any step, so a line far longer than the
// image costs only the steps that can reach the visible area.

#include "support/Portable.h"
#include "support/numbers/Float80.h"
#include "support/raster/Geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

struct TLineGeometry {
    bool XMajor = true;
    int64_t Steps = 0; // pixels painted: |major delta|
    int MajorStep = 1; // +1 or -1
    int64_t MinorDelta = 0; // signed; |MinorDelta| <= Steps
    int64_t MajorStart = 0;
    int64_t MinorStart = 0;
};

inline TLineGeometry MakeLineGeometry(TPoint a, TPoint b)
{
    const int64_t dx = static_cast<int64_t>(b.X) - a.X;
    const int64_t dy = static_cast<int64_t>(b.Y) - a.Y;
    TLineGeometry g;
    g.XMajor = std::llabs(dx) >= std::llabs(dy);
    const int64_t major = g.XMajor ? dx : dy;
    g.Steps = std::llabs(major);
    g.MajorStep = major < 0 ? -1 : 1;
    g.MinorDelta = g.XMajor ? dy : dx;
    g.MajorStart = g.XMajor ? a.X : a.Y;
    g.MinorStart = g.XMajor ? a.Y : a.X;
    return g;
}

// The steps [first, last) of the line whose pixels may fall inside area
// when each pixel is widened by pad pixels along the minor axis. A generous
// range is harmless (pixels are still checked one by one); a narrow one
// would lose pixels, so the minor bound is widened by one step each way.
inline void StepsNear(const TLineGeometry& g, const TRect& area, int pad, int64_t& first, int64_t& last)
{
    first = 0;
    last = g.Steps;
    const int64_t majorLo = g.XMajor ? area.Left : area.Top;
    const int64_t majorHi = g.XMajor ? area.Right : area.Bottom; // exclusive
    const int64_t minorLo = (g.XMajor ? area.Top : area.Left) - pad - 1;
    const int64_t minorHi = (g.XMajor ? area.Bottom : area.Right) + pad + 1;
    // Major axis: MajorStart + MajorStep * k in [majorLo, majorHi).
    if (g.MajorStep > 0) {
        first = std::max(first, majorLo - g.MajorStart);
        last = std::min(last, majorHi - g.MajorStart);
    } else {
        first = std::max(first, g.MajorStart - (majorHi - 1));
        last = std::min(last, g.MajorStart - majorLo + 1);
    }
    if (first >= last || g.MinorDelta == 0 || g.Steps == 0) {
        if (g.MinorDelta == 0 && (g.MinorStart < minorLo || g.MinorStart > minorHi))
            last = first;
        return;
    }
    // Minor axis: MinorStart + k * MinorDelta / Steps within [minorLo, minorHi].
    const Float80 slope = static_cast<Float80>(g.MinorDelta) / static_cast<Float80>(g.Steps);
    Float80 k0 = (minorLo - g.MinorStart) / slope;
    Float80 k1 = (minorHi - g.MinorStart) / slope;
    if (k0 > k1)
        std::swap(k0, k1);
    const Float80 lo = f80::floor(k0) - 1;
    const Float80 hi = f80::ceil(k1) + 2;
    if (lo > static_cast<Float80>(first))
        first = lo >= static_cast<Float80>(last) ? last : static_cast<int64_t>(lo);
    if (hi < static_cast<Float80>(last))
        last = hi <= static_cast<Float80>(first) ? first : static_cast<int64_t>(hi);
}

// Calls visit(k, x, y) for the steps k = first..last-1 in drawing order.
template <class Visit>
void WalkLine(const TLineGeometry& g, int64_t first, int64_t last, Visit&& visit)
{
    if (first >= last)
        return;
    // Minor offset at step k: floor((2 k MinorDelta + Steps - 1) / (2 Steps)),
    // the exact offset rounded with halves down. Kept as quotient q and
    // remainder r (0 <= r < denominator) and advanced by 2 MinorDelta a step.
    const int64_t denominator = 2 * g.Steps;
    const Int128 numerator = static_cast<Int128>(2) * first * g.MinorDelta + g.Steps - 1;
    Int128 q = numerator / denominator;
    Int128 r = numerator - q * denominator;
    if (r < 0) {
        r += denominator;
        --q;
    }
    int64_t quotient = static_cast<int64_t>(q);
    int64_t remainder = static_cast<int64_t>(r);
    const int64_t increment = 2 * g.MinorDelta;
    for (int64_t k = first; k < last; ++k) {
        const int64_t major = g.MajorStart + g.MajorStep * k;
        const int64_t minor = g.MinorStart + quotient;
        if (g.XMajor)
            visit(k, major, minor);
        else
            visit(k, minor, major);
        remainder += increment;
        if (remainder >= denominator) {
            remainder -= denominator;
            ++quotient;
        } else if (remainder < 0) {
            remainder += denominator;
            --quotient;
        }
    }
}
