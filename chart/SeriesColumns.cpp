// Drawing a line series by pixel columns, so that a paint costs about the
// same for a thousand points as for ten million, with the same pixels.
//
// With ascending X values the points of one pixel column are consecutive,
// and every segment between two of them is a vertical stroke in that
// column. A stroke paints its start pixel and not its end, so the strokes
// through the column's heights y0, y1, ... yk (after dropping repeats of a
// height, which draw nothing) paint exactly
//   - every row from the lowest to the highest of y0 .. y(k-1), and
//   - the last stroke's run from y(k-1) towards yk;
// yk itself only when it lies within that lowest..highest span. Heights
// 50, 40, 70, 45 paint rows 40..70; heights 50, 40, 70, 75 rows 40..74.
// Those rows are one run, painted by one or two strokes. The lowest and
// highest Y of a column come from the Y list's block extremes, so a column
// costs a few hundred comparisons whatever it holds.
//
// The stroke into a column, from the last point of the one before, is drawn
// as before; so is every point where the mapping or the pixel guard could
// make a difference, one by one, exactly as DrawPoint would.
#include "chart/AxisPanel.h"
#include "chart/LineSeries.h"
#include "support/Portable.h"
#include "support/raster/RasterDevice.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <typeinfo>

namespace {

// Columns of fewer points are drawn point by point: not worth the search.
constexpr int32_t MinColumnPoints = 4;
// Axis pixels beyond this mean an absurd placement: no columns then.
constexpr int32_t SaneAxisPixels = 1 << 20;
// Positions this far out still map by the axis formula (which falls back to
// the axis centre only beyond 2^31 pixels), with room for rounding.
constexpr int32_t BandPosition = 1 << 28;

bool PlacedSanely(const TCustomChartAxis& axis)
{
    const TAxisMapping& m = axis.Mapping();
    return std::isfinite(m.UsedRange) && m.UsedRange != 0 && m.PixelLength > 0 &&
           std::abs(m.StartPixel) <= SaneAxisPixels && std::abs(m.EndPixel) <= SaneAxisPixels;
}

bool ReadsInOrder(const TChartValueList& list)
{
    const double m = list.Multiplier();
    return m > 0 && std::isfinite(m);
}

// The values an axis maps by its formula, monotonically, never by the
// fall-back to its centre. On an axis so wide that the values of the band's
// ends overflow (-1e305..1e305), the band is the whole line, yet an
// infinity still maps to the centre: only finite values belong to it.
struct TValueBand {
    double Low = 0;
    double High = 0;

    explicit TValueBand(const TCustomChartAxis& axis)
    {
        const double a = axis.PositionToValue(-BandPosition);
        const double b = axis.PositionToValue(BandPosition);
        Low = std::min(a, b);
        High = std::max(a, b);
    }
    bool Contains(double v) const { return std::isfinite(v) && v >= Low && v <= High; }
};

// Walks the points between the first and the last shown one, column by
// column, carrying the series' previous-point fields as DrawPoint does.
class TColumnDrawer {
public:
    TColumnDrawer(TCustomSeries& series, TLynCanvas3D& canvas)
        : S(series), Canvas(canvas), HAxis(*series.ResolvedHorizAxis), VAxis(*series.ResolvedVertAxis), XBand(HAxis),
          YBand(VAxis), Y(*series.YValues), Color(series.SeriesColor())
    {
    }

    void Draw(int32_t first, int32_t last)
    {
        for (int32_t a = first; a <= last;) {
            const std::optional<int32_t> x = ColumnPixel(a);
            if (!x || !WithinPixelGuard(*x, 0)) {
                PointAt(a, S.PointPixelX(a));
                ++a;
                continue;
            }
            // The next column most likely spans as many points as the last.
            const int64_t next = int64_t{a} + PreviousColumnSize;
            KMITY_PREFETCH(Y.StoredValues().data() + std::min<int64_t>(next + PreviousColumnSize, last));
            KMITY_PREFETCH(S.XValues->StoredValues().data() + std::min<int64_t>(next + PreviousColumnSize, last));
            Y.Summary().Prefetch(Y.StoredValues(), next, next + PreviousColumnSize);
            const int32_t b = ColumnEnd(a, last, *x);
            if (b - a + 1 < MinColumnPoints || !ReducedColumn(a, b, *x))
                for (int32_t i = a; i <= b; ++i)
                    PointAt(i, *x);
            a = b + 1;
        }
        Finish();
    }

private:
    // The pixel column of point i when its X maps by the formula; one probe
    // of the column search is remembered, as it starts the next column.
    std::optional<int32_t> ColumnPixel(int32_t i)
    {
        if (i != CachedIndex) {
            CachedIndex = i;
            CachedPixel = XBand.Contains(S.XAt(i)) ? std::optional<int32_t>(S.PointPixelX(i)) : std::nullopt;
        }
        return CachedPixel;
    }

    // The last index of the column x that starts at a: the X values ascend
    // and map monotonically inside the band, so the column is a run of
    // indices. The search starts at the size of the previous column (points
    // are usually spread evenly) and widens its steps from there, so it
    // reads few values and those near each other.
    int32_t ColumnEnd(int32_t a, int32_t last, int32_t x)
    {
        auto inColumn = [&](int64_t i) { return ColumnPixel(static_cast<int32_t>(i)) == x; };
        int64_t good = a;
        int64_t bad = int64_t{last} + 1;
        const int64_t guess = std::min<int64_t>(int64_t{a} + std::max(1, PreviousColumnSize) - 1, last);
        if (guess > a && !inColumn(guess)) {
            bad = guess;
            for (int64_t step = 1; bad - step > good; step *= 2) {
                if (inColumn(bad - step)) {
                    good = bad - step;
                    break;
                }
                bad -= step;
            }
        } else {
            good = guess;
            for (int64_t step = 1; good + step < bad; step *= 2) {
                if (!inColumn(good + step)) {
                    bad = good + step;
                    break;
                }
                good += step;
            }
        }
        while (bad - good > 1) {
            const int64_t mid = good + (bad - good) / 2;
            if (inColumn(mid))
                good = mid;
            else
                bad = mid;
        }
        PreviousColumnSize = static_cast<int32_t>(good - a + 1);
        return static_cast<int32_t>(good);
    }

    // Stored Y values as PointPixelY maps them.
    int32_t PixelOfStored(double stored) const { return VAxis.ValueToPosition(Y.ScaleStored(stored)); }
    bool InYBand(double stored) const { return YBand.Contains(Y.ScaleStored(stored)); }

    // Draws the column a..b (all at x) by its few deciding strokes; false
    // when a value could map otherwise (NaN, out of band, beyond the guard).
    bool ReducedColumn(int32_t a, int32_t b, int32_t x)
    {
        const std::vector<double>& ys = Y.StoredValues();
        const TValueSummary& summary = Y.Summary();
        const TValueSummary::TExtremes beforeLast = summary.Range(ys, a, b - 1);
        const double last = ys[static_cast<std::size_t>(b)];
        if (beforeLast.HasNaN || !InYBand(beforeLast.Lowest) || !InYBand(beforeLast.Highest) || !InYBand(last))
            return false;
        const int32_t p = PixelOfStored(beforeLast.Lowest);
        const int32_t q = PixelOfStored(beforeLast.Highest);
        const int32_t yb = PixelOfStored(last);
        if (!WithinPixelGuard(x, p) || !WithinPixelGuard(x, q) || !WithinPixelGuard(x, yb))
            return false;
        // Every point of the column passes the guard from here on.
        StepTo(x, S.PointPixelY(a));
        // The last point before b at another height: later ones repeat yb.
        int32_t j = b - 1;
        if (S.PointPixelY(j) == yb) {
            auto blockAtYb = [&](const TValueSummary::TExtremes& e) {
                return PixelOfStored(e.Lowest) == yb && PixelOfStored(e.Highest) == yb;
            };
            j = static_cast<int32_t>(
                summary.FindLastOutside(ys, a, b - 1, blockAtYb, [&](double v) { return PixelOfStored(v) == yb; }));
        }
        if (j == b - 1) {
            PaintColumnRun(x, std::min(p, q), std::max(p, q), yb);
        } else if (j >= a) {
            const TValueSummary::TExtremes span = summary.Range(ys, a, j);
            const int32_t r = PixelOfStored(span.Lowest);
            const int32_t t = PixelOfStored(span.Highest);
            PaintColumnRun(x, std::min(r, t), std::max(r, t), yb);
        }
        // Point b drew a stroke only when its height differs from b - 1's.
        LastDrew = j == b - 1;
        return true;
    }

    // The rows the strokes of a column paint: lo..hi, and the last stroke's
    // run towards yb (yb itself only when inside lo..hi). They are painted
    // by strokes of the same pen, which take the same device pixels as the
    // column's own strokes at every device-pixel ratio (a stroke is
    // floor(ratio) device pixels wide and runs between the corners of its
    // points' blocks, which no fill of logical pixels matches); in copy mode
    // a pixel painted twice is as if painted once. With yb beyond lo..hi one
    // stroke towards it does; otherwise lo -> hi leaves out hi's own row,
    // which a stroke from hi back by one row paints.
    void PaintColumnRun(int32_t x, int32_t lo, int32_t hi, int32_t yb)
    {
        PreparePen();
        if (yb > hi) {
            Canvas.DrawSegment(x, lo, x, yb);
        } else if (yb < lo) {
            Canvas.DrawSegment(x, hi, x, yb);
        } else {
            // hi > lo here: a column of one height ends at another one.
            Canvas.DrawSegment(x, lo, x, hi);
            Canvas.DrawSegment(x, hi, x, hi - 1);
        }
        // The strokes would have left the pen at the column's last point.
        Canvas.MovePen(x, yb);
        S.PreviousPixelX = x;
        S.PreviousPixelY = yb;
    }

    // The line pen as JoinToPrevious sets it up for its first stroke.
    void PreparePen()
    {
        if (PenReady)
            return;
        Canvas.ApplyChartPen(S.LinePen());
        Canvas.SetBrushStyle(bsClear);
        Canvas.SetPenColor(Color);
        PenReady = true;
    }

    // DrawPoint for a point after the first shown one, with the series
    // colour, no pointer and no stairs.
    void PointAt(int32_t i, int32_t x)
    {
        const int32_t y = S.PointPixelY(i);
        if (WithinPixelGuard(x, y))
            StepTo(x, y);
    }

    // The join of a point that passed the guard to the previous one.
    void StepTo(int32_t x, int32_t y)
    {
        AnyInGuard = true;
        LastDrew = false;
        if (S.HasPreviousPixel && (x != S.PreviousPixelX || y != S.PreviousPixelY)) {
            PreparePen();
            Canvas.DrawSegment(S.PreviousPixelX, S.PreviousPixelY, x, y);
            LastDrew = true;
        }
        S.PreviousPixelX = x;
        S.PreviousPixelY = y;
        S.HasPreviousPixel = true;
    }

    // The surface ends as DrawPoint leaves it: the brush in the point
    // colour, the pen black unless the last point that passed the guard
    // drew a stroke.
    void Finish()
    {
        if (AnyInGuard) {
            Canvas.SetBrushColor(Color);
            Canvas.SetPenColor(LastDrew ? Color : clBlack);
        }
        S.PreviousColor = Color;
    }

    TCustomSeries& S;
    TLynCanvas3D& Canvas;
    const TCustomChartAxis& HAxis;
    const TCustomChartAxis& VAxis;
    const TValueBand XBand;
    const TValueBand YBand;
    const TChartValueList& Y;
    const TColor Color;
    int32_t PreviousColumnSize = 1;
    int32_t CachedIndex = -1;
    std::optional<int32_t> CachedPixel;
    bool PenReady = false;
    bool AnyInGuard = false;
    bool LastDrew = false;
};

} // namespace

bool TCustomSeries::CanDrawByColumns() const
{
    const TCustomAxisPanel* chart = ParentChart();
    if (ForcePlainDrawing || typeid(*this) != typeid(TLineSeries) || !chart || chart->View3D() || !ResolvedHorizAxis ||
        !ResolvedVertAxis)
        return false;
    // Anything that draws more than the plain line, or differently.
    if (!JoinPointsValue || StairsValue || Pointer().Visible() || OnGetPointerStyle || BeforeDrawValues ||
        AfterDrawValues)
        return false;
    if (HasPointColors() || ColorEachPoint() || SeriesColor() == clNone || SeriesColor() == clDefault)
        return false;
    const TChartPen& pen = LinePen();
    if (!pen.Visible() || pen.SmallDots() || pen.Style() != psSolid || pen.Width() != 1 || pen.Mode() != pmCopy)
        return false;
    const TChartValueList& x = *XValues;
    if (!ClipToVisibleRange || x.Order() != loAscending || !x.KnownAscending() || !ReadsInOrder(x) ||
        !ReadsInOrder(*YValues))
        return false;
    return PlacedSanely(*ResolvedHorizAxis) && PlacedSanely(*ResolvedVertAxis);
}

void TCustomSeries::DrawShownPoints(TLynCanvas3D& canvas)
{
    const int32_t first = FirstShownIndex;
    const int32_t last = LastShownIndex;
    // The first shown point (with its stroke from the plot edge) and the
    // last one are always drawn by DrawPoint.
    // Below a ratio of 1 neighbouring heights can share a device row, and a
    // column's strokes no longer reduce to its extremes.
    if (first < 0 || last - first < 2 || !CanDrawByColumns() || canvas.Device().Scale().Ratio < 1) {
        TChartSeries::DrawShownPoints(canvas);
        return;
    }
    DrawPoint(canvas, first);
    TColumnDrawer(*this, canvas).Draw(first + 1, last - 1);
    DrawPoint(canvas, last);
}
