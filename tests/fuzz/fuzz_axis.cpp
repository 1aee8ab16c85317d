// Fuzzes the axis arithmetic: the step sequence, the count of labels that
// fit, the label step search and the label value sequence as pure functions,
// and then a real axis of a chart with random mappings (used ranges, pixel
// ends, Inverted) and random increments, label separations and masks,
// through LabelStep, LabelValues, ValueToPosition and PositionToValue. Nothing may crash, hang
// or overflow; the step is never below 1e-12 and never below a finite
// increment that leaves room for the labels; the label values are at most
// 10000, descending and inside the range; a value inside the range maps to
// a pixel between the two ends.

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/DrawingSurface.h"
#include "tests/support/raster/FixedTextRenderer.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

// Pixel ends stay within what a widget of the largest size can give.
constexpr int32_t MaxWidgetSize = 16777215;

[[noreturn]] void Fail(const char* what, double a, double b)
{
    std::fprintf(stderr, "%s (%.17g, %.17g)\n", what, a, b);
    std::abort();
}

// Mostly the values an axis meets (small ranges, round numbers, huge and
// tiny magnitudes), sometimes any double at all.
double PickDouble(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return input.ConsumeFloatingPoint<double>();
    case 1:
        return input.ConsumeIntegralInRange(-100, 100);
    case 2:
        return input.ConsumeIntegralInRange(-1000, 1000) * std::pow(10.0, input.ConsumeIntegralInRange(-320, 308));
    case 3:
        return input.ConsumeProbability<double>() * 100 - 50;
    case 4: {
        const double specials[] = {0.0,
                                   -0.0,
                                   1e-12,
                                   1e-10,
                                   50.0,
                                   1e18,
                                   1e300,
                                   -1e300,
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::max(),
                                   std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()};
        return specials[input.ConsumeIntegralInRange<std::size_t>(0, std::size(specials) - 1)];
    }
    default:
        return std::nextafter(static_cast<double>(input.ConsumeIntegralInRange(-60, 60)), 1e308);
    }
}

bool IsOneTwoFive(double step)
{
    const double decade = std::pow(10.0, std::floor(std::log10(step)));
    const double lead = step / decade;
    for (double wanted : {1.0, 2.0, 5.0, 10.0})
        if (std::fabs(lead - wanted) <= 1e-9 * wanted)
            return true;
    return false;
}

void CheckNextLabelStep(double x)
{
    // Below the normal doubles a tenth of a step rounds back onto the step,
    // so the ladder is only checked where it can be climbed.
    if (!(x >= std::numeric_limits<double>::min()) || std::isinf(x))
        return;
    const double next = NextLabelStep(x);
    if (std::isinf(next))
        return; // beyond the largest double: the search ends there
    if (!(next > x) || next > 2.5 * x * (1 + 1e-12) + 1e-300 || !IsOneTwoFive(next))
        Fail("NextLabelStep is not the next value of 1, 2, 5", x, next);
}

void CheckLabelValues(const std::vector<double>& values, double low, double high, double step)
{
    if (values.size() > static_cast<std::size_t>(MaxLabelValues))
        Fail("more than 10000 label values", low, high);
    if (!values.empty() && !(step > 0 && high >= low))
        Fail("label values without a step or range", low, high);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] > high || !(values[i] >= (low - 1e-12) / 1.000000000001))
            Fail("label value outside the range", values[i], step);
        if (i > 0 && !(values[i] < values[i - 1]))
            Fail("label values not descending", values[i - 1], values[i]);
    }
}

void FuzzPureFunctions(FuzzedDataProvider& input)
{
    CheckNextLabelStep(std::fabs(PickDouble(input)));

    const int32_t pixels = input.ConsumeIntegralInRange(-MaxWidgetSize, MaxWidgetSize);
    const int32_t labelSize = input.ConsumeIntegralInRange(-10, MaxWidgetSize);
    const int separation = input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 200) : input.ConsumeIntegral<int>();
    const int32_t fit = LabelsThatFit(pixels, labelSize, separation < 0 ? 0 : separation);
    if (pixels >= 0 && fit < 0)
        Fail("a negative number of labels fits", pixels, labelSize);

    const double range = PickDouble(input);
    // The Increment setter lets through only values >= 0 (infinity too).
    const double increment = std::fabs(PickDouble(input));
    const double step = LabelStepFor(range, input.ConsumeIntegralInRange(-2, 20000),
                                     std::isnan(increment) ? 0 : increment, separation < 0 ? 0 : separation);
    if (!(step >= 1e-12))
        Fail("label step below 1e-12", range, step);

    const double low = PickDouble(input);
    const double high = input.ConsumeBool() ? low + std::fabs(PickDouble(input)) : PickDouble(input);
    const double anyStep = input.ConsumeBool() ? step : PickDouble(input);
    CheckLabelValues(LabelValuesFor(low, high, anyStep, input.ConsumeBool()), low, high, anyStep);
}

// Labels are measured in text of fixed metrics: the label step depends on
// their widths, so they must not measure as nothing.
TFixedTextRenderer* Text = nullptr;
TChart* Chart = nullptr;

TChart& TheChart() { return *Chart; }

// The chart and the renderer go before the leak check at exit, as they
// would at the end of the program, so that what they hold is released.
void ReleaseChartAndText()
{
    delete Chart;
    Chart = nullptr;
    SetTextRenderer(nullptr);
    delete Text;
    Text = nullptr;
}

void FuzzChartAxis(FuzzedDataProvider& input)
{
    TChart& chart = TheChart();
    TCustomChartAxis& axis = input.ConsumeBool() ? static_cast<TCustomChartAxis&>(chart.BottomAxis())
                                                 : static_cast<TCustomChartAxis&>(chart.LeftAxis());
    axis.SetInverted(input.ConsumeBool());
    axis.SetRoundFirstLabel(input.ConsumeBool());
    axis.SetLabelsSeparation(input.ConsumeBool() ? input.ConsumeIntegralInRange(0, 100)
                                                 : input.ConsumeIntegralInRange(0, 100000));
    const double increment = std::fabs(PickDouble(input));
    axis.SetIncrement(std::isnan(increment) ? 0 : increment);
    const char* masks[] = {"#,##0.###", "0", "0.00E+00", "", "#.#;(#.#);zero", "0.000000000000000000"};
    axis.SetAxisValuesFormat(input.ConsumeBool() ? masks[input.ConsumeIntegralInRange(0, 5)]
                                                 : input.ConsumeRandomLengthString(40));

    double low = PickDouble(input);
    double high = input.ConsumeBool() ? low + std::fabs(PickDouble(input)) : PickDouble(input);
    const int32_t start = input.ConsumeIntegralInRange(-MaxWidgetSize, MaxWidgetSize);
    const int32_t end = start + input.ConsumeIntegralInRange(input.ConsumeBool() ? -20 : 0, MaxWidgetSize);
    const TAxisMapping mapping = TAxisMapping::Of(low, high, start, end, axis.Inverted(), axis.IsHorizontal);

    const double step = axis.LabelStep(mapping);
    if (!(step >= 1e-12))
        Fail("axis label step below 1e-12", low, step);
    const std::vector<double> values = axis.LabelValues(mapping);
    CheckLabelValues(values, low, high, step);

    const int32_t first = std::min(start, end);
    const int32_t last = std::max(start, end);
    for (int i = 0; i < 8 && input.remaining_bytes() > 0; ++i) {
        double v = input.ConsumeBool() && !values.empty() ? values[i % values.size()] : PickDouble(input);
        if (mapping.PixelLength != 0 && input.ConsumeBool()) {
            // A value whose pixel distance lies just inside the 32-bit limit,
            // where the end pixel plus the distance may no longer fit.
            const double distance = 2147483647.0 - input.ConsumeIntegralInRange(0, 2 * MaxWidgetSize);
            v = low + (input.ConsumeBool() ? distance : -distance) * mapping.UsedRange / mapping.PixelLength;
        }
        const int32_t p = mapping.ValueToPosition(v);
        // Checked only where the rounding to the ends cannot go astray: a
        // proper range with a value well inside it.
        const bool inside = mapping.UsedRange > 0 && std::isfinite(mapping.UsedRange) && v > low && v < high;
        if (inside && mapping.PixelLength >= 0 && (p < first || p > last))
            Fail("a value inside the range maps outside the axis", v, p);
        (void)mapping.PositionToValue(input.ConsumeIntegralInRange(-MaxWidgetSize, MaxWidgetSize));
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    (void)argv;
    Text = new TFixedTextRenderer();
    SetTextRenderer(Text);
    Chart = new TChart();
    std::atexit(ReleaseChartAndText);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        FuzzPureFunctions(input);
    else
        FuzzChartAxis(input);
    return 0;
}
