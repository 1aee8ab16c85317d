// Which point or segment of a line series lies under a pixel, over the
// shown range of the last paint.
#include "chart/LineSeries.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool Between(int64_t p, int64_t a, int64_t b) { return std::min(a, b) <= p && p <= std::max(a, b); }

} // namespace

bool PixelOnSegment(TPoint p, TPoint a, TPoint b)
{
    const int64_t dx = int64_t(b.X) - a.X;
    const int64_t dy = int64_t(b.Y) - a.Y;
    if (dx == 0 && dy == 0)
        return false;
    // Twice the area of the triangle a, b, p over the longer extent: the
    // distance from the line in pixels along the shorter axis.
    const int64_t cross = dy * (int64_t(p.X) - a.X) - (int64_t(p.Y) - a.Y) * dx;
    if (std::llabs(cross) >= std::max(std::llabs(dx), std::llabs(dy)))
        return false;
    if (dx != 0 && !Between(p.X, a.X, b.X))
        return false;
    if (dy != 0 && !Between(p.Y, a.Y, b.Y))
        return false;
    return true;
}

bool TCustomSeries::SegmentCovers(TPoint from, TPoint to, TPoint p) const
{
    if (!StairsValue)
        return PixelOnSegment(p, from, to);
    // The strokes of a step, in the order they are drawn.
    const TPoint corner = InvertedStairsValue ? TPoint{from.X, to.Y} : TPoint{to.X, from.Y};
    return PixelOnSegment(p, from, corner) || PixelOnSegment(p, corner, to);
}

int32_t TCustomSeries::PointAtPixel(int32_t x, int32_t y) const
{
    if (FirstShownIndex == -1 || LastShownIndex == -1)
        return -1;
    // The range is that of the last paint. After the points were cleared or
    // removed, and before the repaint that follows, it lies past the data and
    // nothing is under the pointer.
    if (LastShownIndex >= PointCount())
        return -1;
    const TSeriesPointer& pointer = Pointer();
    const TPoint target{x, y};
    TPoint previous;
    for (int32_t i = FirstShownIndex; i <= LastShownIndex; ++i) {
        const TPoint here{PointPixelX(i), PointPixelY(i)};
        if (pointer.Visible() && std::abs(here.X - x) < pointer.HorizSize() &&
            std::abs(here.Y - y) < pointer.VertSize()) {
            if (OnClickPointer)
                OnClickPointer(const_cast<TCustomSeries*>(this), i, x, y);
            return i;
        }
        if (here.X == x && here.Y == y)
            return i;
        if (i > FirstShownIndex && SegmentCovers(previous, here, target))
            return i - 1;
        previous = here;
    }
    return -1;
}
