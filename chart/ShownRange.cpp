// Which points of a series a paint draws, and the drawing loop over them.
// The X list is the ordered one (Y is the plotted list of every series), so
// the range is found along the resolved horizontal axis.
#include "chart/AxisPanel.h"
#include "chart/SeriesData.h"

#include <algorithm>
#include <cmath>

namespace {

// Whether the X values as read never decrease, so that a scan "while the
// value is below v" stops where a binary search for v does.
bool ReadsAscending(const TChartValueList& x)
{
    const double m = x.Multiplier();
    return x.KnownAscending() && m > 0 && std::isfinite(m);
}

// The first index from `from` on whose value is not below v (count when
// none): the stopping point of the linear scan, found by halving.
int32_t FirstNotBelow(const TChartValueList& x, int32_t from, double v)
{
    int32_t lo = from;
    int32_t hi = x.ValueCount();
    while (lo < hi) {
        const int32_t mid = lo + (hi - lo) / 2;
        if (x.ValueAt(mid) < v)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// The values at the near and far edge of the plot rectangle; an inverted
// axis starts at the right edge.
void EdgeValues(const TCustomAxisPanel& chart, const TCustomChartAxis& axis, double& low, double& high)
{
    const TRect& r = chart.Layout().PlotRect;
    low = axis.PositionToValue(axis.Inverted() ? r.Right : r.Left);
    high = axis.PositionToValue(axis.Inverted() ? r.Left : r.Right);
}

} // namespace

void TChartSeries::FindShownRange()
{
    FirstShownIndex = LastShownIndex = -1;
    const int32_t count = PointCount();
    if (count == 0)
        return;
    const int32_t last = count - 1;
    const TChartValueList& x = *XValues;
    if (!ClipToVisibleRange || x.Order() == loNone || !Chart || !ResolvedHorizAxis) {
        FirstShownIndex = 0;
        LastShownIndex = last;
        return;
    }
    double low = 0;
    double high = 0;
    EdgeValues(*Chart, *ResolvedHorizAxis, low, high);

    // With ascending values both scans below are binary searches; they stop
    // where the scans would.
    const bool ascending = ReadsAscending(x);
    int32_t first = 0;
    if (ascending) {
        first = FirstNotBelow(x, 0, low);
        if (first > last)
            return;
    } else {
        while (x.ValueAt(first) < low) {
            if (++first > last)
                return; // every point lies before the near edge
        }
    }
    FirstShownIndex = first;

    // The usual case while points are appended: all of them before the far edge.
    if (x.LastValue() <= high) {
        LastShownIndex = last;
        return;
    }
    int32_t lastShown = first;
    if (ascending) {
        lastShown = std::min(FirstNotBelow(x, first, high), last);
    } else {
        while (x.ValueAt(lastShown) < high) {
            if (++lastShown > last) {
                lastShown = last;
                break;
            }
        }
    }
    // A series that reaches past the edge keeps the first point at or beyond
    // it, so the segment crossing the edge is drawn and cut by the clip.
    if (!ReachPastEdge && x.ValueAt(lastShown) > high)
        --lastShown;
    LastShownIndex = lastShown;
}

void TChartSeries::DrawShownPoints(TLynCanvas3D& canvas)
{
    // -1 means no shown point: there is no point -1 to draw.
    if (FirstShownIndex < 0 || LastShownIndex < FirstShownIndex)
        return;
    if (DrawsForward()) {
        for (int32_t i = FirstShownIndex; i <= LastShownIndex; ++i)
            DrawPoint(canvas, i);
    } else {
        for (int32_t i = LastShownIndex; i >= FirstShownIndex; --i)
            DrawPoint(canvas, i);
    }
}

// A series of its own draws nothing; the line series draws its points.
void TChartSeries::DrawPoint(TLynCanvas3D&, int32_t) {}

void TChartSeries::HorizontalMargins(int32_t& left, int32_t& right) { left = right = 0; }
void TChartSeries::VerticalMargins(int32_t& top, int32_t& bottom) { top = bottom = 0; }

int32_t TChartSeries::PointPixelX(int32_t index) const
{
    return ResolvedHorizAxis ? ResolvedHorizAxis->ValueToPosition(XAt(index)) : 0;
}

int32_t TChartSeries::PointPixelY(int32_t index) const
{
    return ResolvedVertAxis ? ResolvedVertAxis->ValueToPosition(YAt(index)) : 0;
}

int32_t TChartSeries::PointAtPixel(int32_t, int32_t) const { return -1; }
