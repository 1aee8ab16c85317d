#pragma once
// Pixel geometry. Coordinates are 32-bit signed pixels, y grows downwards.
// A rectangle excludes its right and bottom edge: it covers the columns
// Left..Right-1 and the rows Top..Bottom-1, so Width = Right - Left and a
// point is inside when Left <= x < Right and Top <= y < Bottom.

#include <algorithm>
#include <cstdint>

struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int32_t Width() const { return Right - Left; }
    int32_t Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int32_t x, int32_t y) const { return Left <= x && x < Right && Top <= y && y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The overlap of two rectangles; an empty result is all zero, as the
// platform's rectangle intersection reports it.
inline bool IntersectRect(TRect& result, const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        result = TRect{};
        return false;
    }
    result = r;
    return true;
}

inline TRect InflateRect(const TRect& r, int32_t dx, int32_t dy)
{
    return TRect{r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy};
}
