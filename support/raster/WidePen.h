#pragma once
// The pixels of the platform's geometric pens wider than one pixel: round
// end caps and round joins, the same band whichever way a line is drawn.
//
// A segment is a band around the line from A to B filled by the polygon
// rule, plus a round dot of the pen's width on both end points. The band's
// corners lie across the line from A and B at half the pen's width times
// length / (steps along the major axis), rounded to whole pixels with halves
// up (worked out exactly in integers, however long the line): so a band
// crosses the rows (or columns) of a slanted line about as widely as the
// platform's, 4 pixels for width 2 at 45 degrees and 6 for width 3 (where
// the platform's odd-width bands sit half a pixel further along +x than ours
// on some slopes). A width-2 dot is the 2 x 2 square up and left of the
// point, a width-3 dot the plus around it, so (10,10)->(38,10) at width 2
// covers x 9..38 on rows 9 and 10, and at width 3 x 9..39 on row 10 and
// 10..38 on rows 9 and 11. Joins are the dots at the shared points; the
// union is painted once.

#include "support/Portable.h"
#include "support/raster/PolygonScan.h"
#include "support/raster/SpanCoverage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

// The dot: offsets (dx, dy) whose pixel centre lies within a disc a little
// under half the width (odd widths centre the disc on the point's pixel,
// even widths on its top-left corner).
inline void AddPenDot(TSpanCoverage& cover, TPoint p, int width)
{
    const double shift = width % 2 == 0 ? 0.5 : 0.0;
    const double limit = static_cast<double>(width) * width / 4.0 - 0.5;
    const int reach = width / 2 + 1;
    for (int dy = -reach; dy <= reach; ++dy) {
        int64_t first = 0;
        int64_t last = 0;
        bool any = false;
        for (int dx = -reach; dx <= reach; ++dx) {
            const double cx = dx + shift;
            const double cy = dy + shift;
            if (cx * cx + cy * cy > limit)
                continue;
            if (!any)
                first = dx;
            last = dx + 1;
            any = true;
        }
        if (any)
            cover.Add(int64_t{p.Y} + dy, int64_t{p.X} + first, int64_t{p.X} + last);
    }
}

namespace wide_pen_detail {

inline int32_t Saturate(int64_t v)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// numerator / (2 major) rounded to the nearest integer, halves up.
inline int64_t RoundedHalfUp(Int128 numerator, int64_t major)
{
    const Int128 shifted = numerator + major;
    const Int128 denominator = Int128{2} * major;
    Int128 quotient = shifted / denominator;
    if (shifted % denominator != 0 && shifted < 0)
        --quotient;
    return static_cast<int64_t>(quotient);
}

} // namespace wide_pen_detail

// The band's corners lie (-dy, dx) / length * half from the points, where
// half = width / 2 * length / major: the length cancels, and the offsets
// are the exact fractions dy * width / (2 major), rounded in integers.
inline void AddWideSegment(TSpanCoverage& cover, const TRect& rows, TPoint a, TPoint b, int width)
{
    AddPenDot(cover, a, width);
    AddPenDot(cover, b, width);
    const int64_t dx = int64_t{b.X} - a.X;
    const int64_t dy = int64_t{b.Y} - a.Y;
    const int64_t major = std::max(std::llabs(dx), std::llabs(dy));
    if (major == 0)
        return;
    using wide_pen_detail::RoundedHalfUp;
    const int64_t nx = RoundedHalfUp(Int128{-dy} * width, major);
    const int64_t ny = RoundedHalfUp(Int128{dx} * width, major);
    const int64_t mx = RoundedHalfUp(Int128{dy} * width, major);
    const int64_t my = RoundedHalfUp(Int128{-dx} * width, major);
    using wide_pen_detail::Saturate;
    const TPoint band[4] = {{Saturate(a.X + nx), Saturate(a.Y + ny)},
                            {Saturate(b.X + nx), Saturate(b.Y + ny)},
                            {Saturate(b.X + mx), Saturate(b.Y + my)},
                            {Saturate(a.X + mx), Saturate(a.Y + my)}};
    ScanPolygon(band, 4, rows.Top, rows.Bottom, [&](int64_t y, int64_t x0, int64_t x1) { cover.Add(y, x0, x1); });
}
