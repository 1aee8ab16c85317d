// The rings of a panel's frame as runs of pixels, and the run's pixels.
#include "support/layout/BevelFrame.h"

#include <algorithm>
#include <cassert>

namespace {

// The coordinates a run covers along its direction: from `from` towards
// `to`, `to` excluded, as [first, last).
void CoveredSpan(int32_t from, int32_t to, int32_t& first, int32_t& last)
{
    if (to >= from) {
        first = from;
        last = to;
    } else {
        first = to + 1;
        last = from + 1;
    }
}

} // namespace

TRect TBevelRun::Pixels() const
{
    assert((From.X == To.X || From.Y == To.Y) && "a bevel run is horizontal or vertical");
    if (From == To)
        return TRect{};
    TRect r;
    if (From.Y == To.Y) {
        CoveredSpan(From.X, To.X, r.Left, r.Right);
        r.Top = From.Y;
        r.Bottom = From.Y + 1;
    } else {
        CoveredSpan(From.Y, To.Y, r.Top, r.Bottom);
        r.Left = From.X;
        r.Right = From.X + 1;
    }
    return r;
}

void AppendBevelRings(std::vector<TBevelRun>& runs, TRect& rect, TColor topLeft, TColor bottomRight, int32_t rings)
{
    rings = std::max(rings, 0);
    TRect ring = rect;
    for (int32_t i = 0; i < rings && !ring.IsEmpty(); ++i) {
        // The outermost column and row of the ring, inclusive.
        const int32_t right = ring.Right - 1;
        const int32_t bottom = ring.Bottom - 1;
        runs.push_back({topLeft, {ring.Left, bottom}, {ring.Left, ring.Top}});
        runs.push_back({topLeft, {ring.Left, ring.Top}, {right, ring.Top}});
        runs.push_back({bottomRight, {right, ring.Top}, {right, bottom}});
        runs.push_back({bottomRight, {right, bottom}, {ring.Left - 1, bottom}});
        ring = InflateRect(ring, -1, -1);
    }
    rect = InflateRect(rect, -rings, -rings);
}

TFrameGeometry FrameGeometry(const TFrameStyle& style, const TRect& rect)
{
    TFrameGeometry frame;
    frame.Inside = rect;
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone)
            return;
        const bool raised = cut == bvRaised;
        AppendBevelRings(frame.Runs, frame.Inside, raised ? clBtnHighlight : clBtnShadow,
                         raised ? clBtnShadow : clBtnHighlight, style.BevelWidth);
    };
    bevel(style.Outer);
    AppendBevelRings(frame.Runs, frame.Inside, style.BorderColor, style.BorderColor, style.BorderWidth);
    bevel(style.Inner);
    return frame;
}
