// Labels taken from the series' point labels or marks (label styles talText
// and talMark) instead of the axis's own values.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "chart/ChartMessages.h"
#include "support/numbers/NumberText.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {
bool HasAnyPointLabel(TChartSeries* series)
{
    for (int32_t i = 0; i < series->PointLabelCount(); ++i)
        if (series->HasLabelAt(i))
            return true;
    return false;
}

// The mark of a point reads its label when it has one, else its value.
std::string MarkTextOf(TChartSeries* series, int32_t index)
{
    std::string text;
    if (series->Marks().Style() == smsXValue)
        text = FormatNumberMask(series->ValueFormat().empty() ? LynConst::DefaultValueFormat : series->ValueFormat(),
                                series->XAt(index));
    else if (series->HasLabelAt(index) && !series->LabelAt(index).empty())
        text = series->LabelAt(index);
    else
        text = FormatNumberMask(series->ValueFormat().empty() ? LynConst::DefaultValueFormat : series->ValueFormat(),
                                series->YAt(index));
    if (series->OnGetMarkText)
        series->OnGetMarkText(series, index, text);
    return text;
}
} // namespace

void TCustomChartAxis::DrawSeriesLabels(TLynCanvas3D& canvas, bool marks)
{
    std::vector<TChartSeries*> sources;
    int32_t first = INT32_MAX;
    int32_t last = -1;
    for (TChartSeries* series : Chart->SeriesList()) {
        if (!series->Active() || !series->UsesAxis(this) || !HasAnyPointLabel(series))
            continue;
        sources.push_back(series);
        if (series->FirstShownIndex < 0)
            continue; // no shown points: no part in the index range
        first = std::min(first, series->FirstShownIndex);
        last = std::max(last, series->LastShownIndex);
    }
    bool anyDrawn = false;
    int32_t lastPosition = 0;
    int32_t lastHalf = 0;
    for (int32_t index = first; index <= last; ++index) {
        auto source = std::find_if(sources.begin(), sources.end(), [index](TChartSeries* s) {
            return index < s->PointCount() && s->HasLabelAt(index);
        });
        if (source == sources.end())
            continue;
        TChartSeries* series = *source;
        std::string text = marks ? MarkTextOf(series, index) : series->LabelAt(index);
        double value = IsHorizontal ? series->XAt(index) : series->YAt(index);
        if (Chart->OnGetAxisLabel)
            Chart->OnGetAxisLabel(this, series, index, text);
        if (value < Mapping().UsedMinimum || value > Mapping().UsedMaximum)
            continue;
        int32_t p = ValueToPosition(value);
        if (!TickOnLabelsOnlyValue)
            AddTick(p);
        if (!LabelsValue)
            continue;
        canvas.SelectFont(LabelsFontValue);
        bool alongText = IsHorizontal ? (LabelsAngleValue == 0 || LabelsAngleValue == 180)
                                      : (LabelsAngleValue == 90 || LabelsAngleValue == 270);
        int32_t extent = alongText ? WidestLineWidth(text)
                                   : canvas.FontLineHeight() * static_cast<int32_t>(SplitLabelLines(text).size());
        int32_t half = extent / 2;
        if (anyDrawn && LabelsSeparationValue != 0) {
            half = (extent + static_cast<int32_t>(std::trunc(extent * 0.02 * LabelsSeparationValue))) / 2;
            bool clear = p - half > lastPosition + lastHalf || p + half < lastPosition - lastHalf;
            if (!clear)
                continue;
        }
        if (TickOnLabelsOnlyValue)
            AddTick(p);
        DrawLabelAt(canvas, p, text);
        anyDrawn = true;
        lastPosition = p;
        lastHalf = half;
    }
}
