// Which values of an axis get a label and how a label reads: the label step
// search, the descending value sequence, the label text, the label style
// and the widest value label.
#include "chart/ChartAxis.h"

#include "chart/AxisPanel.h"
#include "support/numbers/Float80.h"
#include "support/numbers/NumberText.h"
#include "support/numbers/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double SmallestLabelStep = 1e-12;
// Beyond this a quotient of range and step no longer counts labels.
constexpr double MaxLabelQuotient = 2147483647.0;
constexpr char LineSeparator = '\r';
} // namespace

// 1 -> 2 -> 5 -> 10 -> 20; 0.3 -> 0.5; 7 -> 10. Each scaling by ten is
// rounded to double, as the step search expects.
double NextLabelStep(double x)
{
    if (!(x > 0))
        return SmallestLabelStep; // the search never passes 0; stay defined
    if (std::isinf(x))
        return x;
    if (x >= 10)
        return 10 * NextLabelStep(x * 0.1);
    if (x < 1)
        return 0.1 * NextLabelStep(x * 10);
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

int32_t LabelsThatFit(int32_t pixelLength, int32_t labelSize, int labelsSeparation)
{
    if (labelSize <= 0)
        return 1;
    double size = labelSize;
    if (labelsSeparation > 0)
        size += static_cast<double>(RoundHalfEven(labelsSeparation * 0.01 * size));
    return static_cast<int32_t>(RoundHalfEven(pixelLength / size));
}

// 0..50 with room for 12: 1 gives 50 labels, 2 gives 25, 5 gives 10: 5.
double LabelStepFor(double usedRange, int32_t labelsThatFit, double increment, int labelsSeparation)
{
    if (labelsThatFit < 1)
        return SmallestLabelStep;
    double step = increment > 0 ? increment : (std::fabs(usedRange) >= 1 ? 1 : SmallestLabelStep);
    if (labelsSeparation > 0) {
        for (;;) {
            double q = usedRange / step;
            if (std::isnan(q))
                break; // a range that is not a number has no labels anyway
            if (std::fabs(q) < MaxLabelQuotient && RoundHalfEven(q) <= labelsThatFit)
                break;
            double next = NextLabelStep(step);
            if (std::isinf(next))
                break; // an infinite range: no step is large enough
            if (!(next > step)) {
                // A subnormal step (an Increment that small) cannot climb the
                // ladder: a tenth of the next step rounds back to it. Every
                // step below the smallest one ends as the smallest one, so
                // the search goes on from there.
                if (step >= SmallestLabelStep)
                    break;
                next = SmallestLabelStep;
            }
            step = next;
        }
    }
    return std::max(step, SmallestLabelStep);
}

// -10..10, step 2: 10, 8, ..., -8. Each value is the previous one minus the
// step (not a multiple of it), so a label meant as 0 may be a residue such
// as 1.8e-15; the mask prints it as "0".
std::vector<double> LabelValuesFor(double usedMin, double usedMax, double step, bool roundFirstLabel)
{
    std::vector<double> values;
    if (!(step > 0) || !(usedMax >= usedMin))
        return values;
    if (!(std::fabs((usedMax - usedMin) / step) < MaxLabelValues))
        return values;
    double v = (usedMin == usedMax || !roundFirstLabel) ? usedMax : TruncToward0(usedMax / step) * step;
    while (v > usedMax) {
        double next = v - step;
        if (next == v) {
            v = usedMax; // the step is below the spacing of doubles here
            break;
        }
        v = next;
    }
    // A little below a minimum >= 0, but above a minimum < -1: -10 itself
    // is not labelled on -10..10.
    const double limit = (usedMin - 1e-12) / 1.000000000001;
    while (v >= limit && static_cast<int32_t>(values.size()) < MaxLabelValues) {
        values.push_back(v);
        double next = v - step;
        if (next == v)
            break; // no progress: near 1e18 a step of 1e-12 changes nothing
        v = next;
    }
    return values;
}

std::vector<std::string> SplitLabelLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(LineSeparator, start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

int32_t TCustomChartAxis::WidestLineWidth(const std::string& text) const
{
    int32_t widest = 0;
    for (const std::string& line : SplitLabelLines(text))
        widest = std::max(widest, Chart->Canvas().MeasureTextWidth(LabelsFontValue, line));
    return widest;
}

int32_t TCustomChartAxis::LabelWidth(const std::string& text) const
{
    if (LabelsAngleValue == 90 || LabelsAngleValue == 270)
        return Chart->Canvas().FontLineHeight(LabelsFontValue) * static_cast<int32_t>(SplitLabelLines(text).size());
    return WidestLineWidth(text);
}

int32_t TCustomChartAxis::LabelHeight(const std::string& text) const
{
    if (LabelsAngleValue == 0 || LabelsAngleValue == 180)
        return Chart->Canvas().FontLineHeight(LabelsFontValue) * static_cast<int32_t>(SplitLabelLines(text).size());
    return WidestLineWidth(text);
}

// Measured in the labels font, whatever font an earlier step left selected:
// the one step serves the whole axis.
double TCustomChartAxis::LabelStep(const TAxisMapping& mapping)
{
    std::string low = LabelText(mapping.UsedMinimum);
    std::string high = LabelText(mapping.UsedMaximum);
    int32_t size =
        IsHorizontal ? std::max(LabelWidth(low), LabelWidth(high)) : std::max(LabelHeight(low), LabelHeight(high));
    int32_t fit = LabelsThatFit(mapping.PixelLength, size, LabelsSeparationValue);
    return LabelStepFor(mapping.UsedRange, fit, IncrementValue, LabelsSeparationValue);
}

std::vector<double> TCustomChartAxis::LabelValues(const TAxisMapping& mapping)
{
    return LabelValuesFor(mapping.UsedMinimum, mapping.UsedMaximum, LabelStep(mapping), RoundFirstLabelValue);
}

std::string TCustomChartAxis::LabelText(double value) const
{
    // Date-time labels are never asked for in this program; a date-time
    // axis shows its values as numbers.
    std::string text = FormatNumberMask(AxisValuesFormatValue, value);
    if (Chart && Chart->OnGetAxisLabel)
        Chart->OnGetAxisLabel(const_cast<TCustomChartAxis*>(this), nullptr, -1, text);
    if (LabelsMultiLineValue)
        std::replace(text.begin(), text.end(), ' ', LineSeparator);
    return text;
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (LabelStyleValue != talAuto)
        return LabelStyleValue;
    if (!Chart || IsDepth)
        return talNone;
    TAxisLabelStyle result = talNone;
    for (TChartSeries* series : Chart->SeriesList()) {
        if (!series->Active() || !series->UsesAxis(this))
            continue;
        bool yMandatory = series->MandatoryValueList() == series->YValues.get();
        bool labelsAlongThisAxis = IsHorizontal == yMandatory;
        if (labelsAlongThisAxis && series->PointLabelCount() >= 1 && series->HasLabelAt(0))
            return talText;
        result = talValue;
    }
    return result;
}

void TCustomChartAxis::RefreshDateTimeMode()
{
    DateTimeMode = false;
    for (TChartSeries* series : Chart->SeriesList())
        if (series->Active() && series->UsesAxis(this)) {
            DateTimeMode = IsHorizontal ? series->XValues->DateTime() : series->YValues->DateTime();
            return;
        }
}

// Runs during the layout, before PlaceAxis: LabelStep then sees the pixel
// length of the previous paint.
int32_t TCustomChartAxis::WidestValueLabel()
{
    const TAxisMapping& m = Mapping();
    double low = m.UsedMinimum;
    double high = m.UsedMaximum;
    if (RoundFirstLabelValue || (DateTimeMode && ExactDateTimeValue)) {
        // Quotient and product at extended precision, unlike the first label
        // value: on 0..0.5 with step 0.05 the quotient is 9.99..., so the
        // room is measured on "0.45", not on "0.5".
        const Float80 step = LabelStep(m);
        low = static_cast<double>(f80::trunc(static_cast<Float80>(m.UsedMinimum) / step) * step);
        high = static_cast<double>(f80::trunc(static_cast<Float80>(m.UsedMaximum) / step) * step);
    }
    // Custom label texts are for drawing; the room is measured on the
    // plain values, so the event is switched off meanwhile.
    TAxisOnGetLabel saved = std::move(Chart->OnGetAxisLabel);
    Chart->OnGetAxisLabel = nullptr;
    int32_t widest = 0;
    try {
        widest = std::max(WidestLineWidth(LabelText(high)), WidestLineWidth(LabelText(low)));
    } catch (...) {
        Chart->OnGetAxisLabel = std::move(saved);
        throw;
    }
    Chart->OnGetAxisLabel = std::move(saved);
    return widest + Chart->Canvas().MeasureTextWidth(LabelsFontValue, " ");
}
