// Ticks, grid lines and the axis line, and the positions they are drawn at.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "support/numbers/Float80.h"
#include "support/numbers/Rounding.h"

// Positions beyond the capacity are not recorded: a drawing never needs
// more ticks than fit along an axis, and the list stays bounded.
void TCustomChartAxis::AddTick(int32_t position)
{
    std::vector<int32_t>& ticks = LayoutSlot->TickList;
    if (static_cast<int32_t>(ticks.size()) < TickListCapacity)
        ticks.push_back(position);
}

namespace {
// An extended pixel distance rounded as it is, ties to even: rounding it to
// double first would turn 48.500000000000004 into the tie 48.5, and 48.
int32_t RoundExtendedPixels(Float80 distance) { return static_cast<int32_t>(f80::llround(f80::nearbyint(distance))); }
} // namespace

// With ticks 20, 35, 50 and three minor ticks: the first interval's spacing
// (3.75 px) also gives the minor ticks before 20 and after 50. That spacing
// is kept as a double, but its multiples, like the spacing between two
// ticks, are extended: with 5 minor ticks on 97 px the third lies 49 px
// out (3 x 16.166666666666668), not 48.
std::vector<int32_t> MinorTickPositionsFor(const std::vector<int32_t>& ticks, int minorCount, int32_t startPixel,
                                           int32_t endPixel)
{
    std::vector<int32_t> candidates;
    const auto k = ticks.size();
    if (k > 1) {
        const double step = static_cast<double>(ticks[1] - ticks[0]) / (minorCount + 1);
        for (int i = 1; i <= minorCount; ++i) {
            const int32_t d = RoundExtendedPixels(i * static_cast<Float80>(step));
            candidates.push_back(ticks[0] - d);
            candidates.push_back(ticks[k - 1] + d);
        }
    }
    for (std::size_t j = 1; j < k; ++j) {
        const Float80 spacing = (static_cast<Float80>(ticks[j]) - ticks[j - 1]) / (minorCount + 1);
        for (int i = 1; i <= minorCount; ++i)
            candidates.push_back(ticks[j] - RoundExtendedPixels(i * spacing));
    }
    std::vector<int32_t> positions;
    for (int32_t c : candidates)
        if (startPixel < c && c < endPixel)
            positions.push_back(c);
    return positions;
}

std::vector<int32_t> TCustomChartAxis::MinorTickPositions(const TAxisLayout& layout) const
{
    return MinorTickPositionsFor(layout.TickList, MinorTickCountValue, layout.Mapping.StartPixel,
                                 layout.Mapping.EndPixel);
}

// GridCentered puts k - 1 lines halfway between k ticks.
std::vector<int32_t> TCustomChartAxis::GridPositions(const std::vector<int32_t>& ticks) const
{
    if (!GridCenteredValue)
        return ticks;
    std::vector<int32_t> positions;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        positions.push_back(static_cast<int32_t>(RoundHalfEven((ticks[i] + ticks[i - 1]) * 0.5)));
    return positions;
}

// Outer ticks (offset 1) start one pixel outside the axis line and point
// away from the chart; inner ticks use a negative offset and length.
TCustomChartAxis::TAxisSegment TCustomChartAxis::TickSegment(const TAxisLayout& layout, int32_t position,
                                                             int32_t offset, int32_t length) const
{
    const int32_t line = layout.AxisLinePos;
    const int32_t wall = Chart->WallSizeForAxis(this);
    if (IsHorizontal) {
        if (IsOtherSide)
            return {true, position, line - offset, line - offset - length};
        return {true, position, line + offset + wall, line + offset + wall + length};
    }
    if (IsOtherSide)
        return {false, position, line + offset, line + offset + length};
    return {false, position, line - offset - wall, line - offset - wall - length};
}

TCustomChartAxis::TAxisSegment TCustomChartAxis::GridSegment(const TRect& plot, int32_t position) const
{
    if (IsHorizontal)
        return {true, position, plot.Top, plot.Bottom};
    return {false, position, plot.Left, plot.Right};
}

// The bottom and left axis lines reach across the other axis's wall.
TCustomChartAxis::TAxisSegment TCustomChartAxis::AxisLineSegment(const TAxisLayout& layout) const
{
    const int32_t line = layout.AxisLinePos;
    const int32_t wall = Chart->WallSizeForAxis(this);
    const int32_t start = layout.Mapping.StartPixel;
    const int32_t end = layout.Mapping.EndPixel;
    if (IsHorizontal) {
        if (IsOtherSide)
            return {false, line, start, end};
        return {false, line + wall, start - Chart->WallSizeForAxis(&Chart->LeftAxis()), end};
    }
    if (IsOtherSide)
        return {true, line, start, end};
    return {true, line - wall, start, end + Chart->WallSizeForAxis(&Chart->BottomAxis())};
}

void TCustomChartAxis::DrawSegment(TLynCanvas3D& canvas, const TAxisSegment& segment)
{
    if (segment.Vertical)
        canvas.VerticalLine(segment.At, segment.From, segment.To);
    else
        canvas.HorizontalLine(segment.From, segment.To, segment.At);
}

void TCustomChartAxis::DrawTicksGridAndLine(TLynCanvas3D& canvas, const TRect& plot)
{
    const TAxisLayout& layout = *LayoutSlot;
    const std::vector<int32_t>& ticks = layout.TickList;
    if (AxisPen->Visible()) {
        canvas.ApplyChartPen(*AxisPen);
        DrawSegment(canvas, AxisLineSegment(layout));
    }
    if (TicksPen->Visible()) {
        canvas.ApplyChartPen(*TicksPen);
        for (int32_t p : ticks)
            DrawSegment(canvas, TickSegment(layout, p, 1, TickLengthValue));
    }
    if (GridPen->Visible()) {
        canvas.SetBrushStyle(bsClear);
        canvas.SetBackgroundMode(bmTransparent);
        canvas.ApplyChartPen(*GridPen);
        if (canvas.PenColor() == clDefault)
            canvas.SetPenColor(clGray);
        for (int32_t p : GridPositions(ticks))
            DrawSegment(canvas, GridSegment(plot, p));
        canvas.SetBackgroundMode(bmOpaque);
    }
    if (TicksInnerPen->Visible()) {
        canvas.ApplyChartPen(*TicksInnerPen);
        for (int32_t p : ticks)
            DrawSegment(canvas, TickSegment(layout, p, -1, -TickInnerLengthValue));
    }
    if (ticks.empty())
        return;
    const std::vector<int32_t> minor = MinorTickPositions(layout);
    if (MinorTicksPen->Visible()) {
        canvas.ApplyChartPen(*MinorTicksPen);
        for (int32_t p : minor)
            DrawSegment(canvas, TickSegment(layout, p, 1, MinorTickLengthValue));
    }
    if (MinorGridPen->Visible()) {
        canvas.ApplyChartPen(*MinorGridPen);
        for (int32_t p : minor)
            DrawSegment(canvas, GridSegment(plot, p));
    }
}
