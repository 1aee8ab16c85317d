#pragma once
// The one-pixel outline of the ellipse inscribed in a box, as the platform
// draws it: the curve through the centres of the box's outer pixels (centre
// ((left + right - 1) / 2, (top + bottom - 1) / 2), radii (width - 1) / 2 and
// (height - 1) / 2), each column and each row taking the pixel nearest to the
// curve, halves towards the centre. A 3 x 3 box gives a plus, a 9 x 9 box a
// circle of radius 4 whose top row is three pixels wide.
//
// Coordinates are kept doubled so that half-pixel centres stay integers.

#include "support/raster/SpanCoverage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace ellipse_detail {

// The exact offset from the centre (doubled) of the curve at doubled offset
// `along` on the other axis; negative off the curve.
inline double ExactOffset(int64_t along, int64_t alongRadius, int64_t radius)
{
    if (std::llabs(along) > alongRadius)
        return -1;
    const double t = alongRadius == 0 ? 0.0 : static_cast<double>(along) / static_cast<double>(alongRadius);
    return static_cast<double>(radius) * std::sqrt(std::max(0.0, 1.0 - t * t));
}

// ExactOffset rounded to the pixel lattice of the same parity as `radius`
// with halves going towards the centre; -1 off the curve.
inline int64_t NearestOffset(int64_t along, int64_t alongRadius, int64_t radius)
{
    const double exact = ExactOffset(along, alongRadius, radius);
    if (exact < 0)
        return -1;
    const int64_t parity = radius & 1;
    // Lattice values parity + 2k; the nearest one, halves down.
    const int64_t k = static_cast<int64_t>(std::ceil((exact - static_cast<double>(parity)) / 2.0 - 0.5));
    return parity + 2 * std::max<int64_t>(k, 0);
}

} // namespace ellipse_detail

// The columns [first, last) of row y strictly inside the outline's pixel
// on that row; empty outside the box.
inline void EllipseInsideRow(const TRect& box, int64_t y, int64_t& first, int64_t& last)
{
    first = last = 0;
    const int64_t centreX2 = int64_t{box.Left} + box.Right - 1;
    const int64_t centreY2 = int64_t{box.Top} + box.Bottom - 1;
    const int64_t dx = ellipse_detail::NearestOffset(2 * y - centreY2, int64_t{box.Bottom} - box.Top - 1,
                                                     int64_t{box.Right} - box.Left - 1);
    if (dx <= 0)
        return;
    first = (centreX2 - dx) / 2 + 1;
    last = (centreX2 + dx) / 2;
}

// Adds the outline pixels of the ellipse in box to cover (only those inside
// the coverage's bounds are kept; only the columns and rows of area are
// walked).
inline void AddEllipseOutline(TSpanCoverage& cover, const TRect& box, const TRect& area)
{
    const int64_t centreX2 = int64_t{box.Left} + box.Right - 1;
    const int64_t centreY2 = int64_t{box.Top} + box.Bottom - 1;
    const int64_t radiusX2 = int64_t{box.Right} - box.Left - 1;
    const int64_t radiusY2 = int64_t{box.Bottom} - box.Top - 1;
    const int64_t xFrom = std::max<int64_t>(box.Left, area.Left);
    const int64_t xTo = std::min<int64_t>(box.Right, area.Right);
    for (int64_t x = xFrom; x < xTo; ++x) {
        const int64_t u = 2 * x - centreX2;
        const int64_t dy = ellipse_detail::NearestOffset(u, radiusX2, radiusY2);
        if (dy < 0)
            continue;
        cover.AddPixel(x, (centreY2 - dy) / 2);
        cover.AddPixel(x, (centreY2 + dy) / 2);
    }
    const int64_t yFrom = std::max<int64_t>(box.Top, area.Top);
    const int64_t yTo = std::min<int64_t>(box.Bottom, area.Bottom);
    for (int64_t y = yFrom; y < yTo; ++y) {
        const int64_t v = 2 * y - centreY2;
        const int64_t dx = ellipse_detail::NearestOffset(v, radiusY2, radiusX2);
        if (dx < 0)
            continue;
        cover.AddPixel((centreX2 - dx) / 2, y);
        cover.AddPixel((centreX2 + dx) / 2, y);
    }
}
