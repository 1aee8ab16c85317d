// Axis texts (labels and titles): anchored to the axis side, possibly
// several lines, possibly turned.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/DrawingSurface.h"
#include "support/numbers/Rounding.h"

namespace {
// Horizontal / vertical reference of the text for the anchor table.
constexpr unsigned AnchorTable[4] = {anRight | anTop, anLeftTop, anCenter | anTop, anCenter | anBottom};
} // namespace

// Bottom axis, angle 0: centred below (x, y). Left axis, angle 0: right-
// aligned, top at y - h/2. Left axis title at 90: centre/bottom at (x, y).
TAxisTextPlan PlanAxisText(bool horizontal, bool otherSide, int32_t x, int32_t y, int lineCount, int32_t lineHeight,
                           int angle)
{
    const int h = horizontal ? 1 : 0;
    const int s = otherSide ? 1 : 0;
    const int32_t half = lineHeight / 2;
    TAxisTextPlan plan;
    plan.Anchor = anLeftTop;
    switch (angle) {
    case 0:
        plan.Anchor = AnchorTable[2 * h + s];
        if (!horizontal)
            y -= half;
        break;
    case 90:
        plan.Anchor = horizontal ? AnchorTable[s] : AnchorTable[2 + (1 - s)];
        if (horizontal)
            x -= half;
        break;
    case 180:
        plan.Anchor = AnchorTable[2 * h + (1 - s)];
        if (!horizontal)
            y += half;
        break;
    case 270:
        plan.Anchor = horizontal ? AnchorTable[1 - s] : AnchorTable[2 + s];
        if (horizontal)
            x += half;
        break;
    default:
        break;
    }
    const int32_t step = (angle == 180 || angle == 270) ? -lineHeight : lineHeight;
    const int32_t block = step * lineCount;
    const auto centred = static_cast<int32_t>(RoundHalfEven(step * 0.5 * (lineCount + 1)));
    if (horizontal) {
        if (angle == 0)
            y -= otherSide ? block : step;
        else if (angle == 180)
            y -= otherSide ? step : block;
        else if (angle == 90 || angle == 270)
            x -= centred;
    } else {
        if (angle == 0 || angle == 180)
            y -= centred;
        else if (angle == 90)
            x -= otherSide ? step : block;
        else if (angle == 270)
            x -= otherSide ? block : step;
    }
    plan.Rotated = angle != 0;
    for (int i = 0; i < lineCount; ++i) {
        if (angle == 90 || angle == 270)
            x += step;
        else
            y += step; // 0, 180 and any other angle stack lines downwards
        plan.LineOrigins.push_back(TPoint{x, y});
    }
    return plan;
}

void TCustomChartAxis::DrawAxisText(TLynCanvas3D& canvas, int32_t x, int32_t y, const std::string& text, int angle)
{
    std::vector<std::string> lines = SplitLabelLines(text);
    TAxisTextPlan plan =
        PlanAxisText(IsHorizontal, IsOtherSide, x, y, static_cast<int>(lines.size()), canvas.FontLineHeight(), angle);
    canvas.SetTextAnchor(plan.Anchor);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const TPoint& at = plan.LineOrigins[i];
        if (plan.Rotated)
            canvas.PutRotatedText(at.X, at.Y, angle, lines[i]);
        else
            canvas.PutText(at.X, at.Y, lines[i]);
    }
    canvas.SetTextAnchor(anLeftTop);
}
