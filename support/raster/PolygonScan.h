#pragma once
// Which pixels a filled polygon covers, by the platform's sampling rule.
//
// Pixel (x, y) is inside when the point (x, y) itself (the pixel's top-left
// corner, not its centre) is inside the polygon by the even-odd rule. A
// point on an edge belongs to the polygon on its left and top sides only:
// an edge counts on the rows from its upper end up to, not including, its
// lower end, and a span takes the columns from the left crossing (rounded
// up) up to, not including, the right crossing (rounded up). So the square
// (0,0) (4,0) (4,4) (0,4) covers exactly columns 0..3 of rows 0..3, and two
// polygons sharing an edge never share a pixel.

#include "support/Portable.h"
#include "support/raster/Geometry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// The column where the edge p-q (p.Y != q.Y) crosses row y, rounded up.
inline int64_t EdgeCrossingCeil(TPoint p, TPoint q, int64_t y)
{
    if (p.Y > q.Y)
        std::swap(p, q);
    const Int128 dy = static_cast<int64_t>(q.Y) - p.Y;
    const Int128 numerator = static_cast<Int128>(p.X) * dy + (y - p.Y) * (static_cast<Int128>(q.X) - p.X);
    // Ceiling of numerator / dy with dy > 0.
    Int128 quotient = numerator / dy;
    if (quotient * dy < numerator)
        ++quotient;
    return static_cast<int64_t>(quotient);
}

// Calls visit(y, x0, x1) for the spans [x0, x1) of rows rowLo..rowHi-1.
template <class Visit>
void ScanPolygon(const TPoint* points, int count, int64_t rowLo, int64_t rowHi, Visit&& visit)
{
    if (count < 3)
        return;
    int64_t top = points[0].Y;
    int64_t bottom = points[0].Y;
    for (int i = 1; i < count; ++i) {
        top = std::min<int64_t>(top, points[i].Y);
        bottom = std::max<int64_t>(bottom, points[i].Y);
    }
    top = std::max(top, rowLo);
    bottom = std::min(bottom, rowHi);
    std::vector<int64_t> crossings;
    for (int64_t y = top; y < bottom; ++y) {
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const TPoint p = points[i];
            const TPoint q = points[(i + 1) % count];
            if (std::min(p.Y, q.Y) <= y && y < std::max(p.Y, q.Y))
                crossings.push_back(EdgeCrossingCeil(p, q, y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            if (crossings[i] < crossings[i + 1])
                visit(y, crossings[i], crossings[i + 1]);
    }
}
