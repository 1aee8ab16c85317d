// Axis inputs that fuzzing found faults with: a subnormal increment that
// kept the label step search from ever ending, and pixel distances just
// inside the 32-bit limit that overflowed when added to an end pixel.
#include "chart/Chart.h"
#include "chart/ChartAxis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// An axis 800 pixels long from 1000 with the range 0..800: one unit per pixel.
void PlaceOnePixelPerUnit(TCustomChartAxis& axis)
{
    axis.UsedMinimum = 0;
    axis.UsedMaximum = 800;
    axis.UsedRange = 800;
    axis.StartPixel = 1000;
    axis.EndPixel = 1800;
    axis.PixelLength = 800;
    axis.CenterPixel = 1400;
}

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

} // namespace

TEST(AxisLabelStepSearch, SubnormalIncrementEndsLikeTheSmallestStep)
{
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(LabelStepFor(1e300, 10, tiny, 10), LabelStepFor(1e300, 10, 1e-12, 10));
    EXPECT_EQ(LabelStepFor(50, 12, tiny, 10), 5);
    EXPECT_EQ(LabelStepFor(1e-20, 12, tiny, 10), 1e-12);
}

TEST(AxisPixelMapping, DistanceNearTheLimitStaysOnItsSideInsteadOfOverflowing)
{
    TChart chart;
    TCustomChartAxis& bottom = chart.BottomAxis();
    PlaceOnePixelPerUnit(bottom);
    // 1000 + 2147483000 leaves 32 bits: the point stays far to the right.
    EXPECT_EQ(bottom.ValueToPosition(2147483000.0), Int32Max);
    EXPECT_EQ(bottom.ValueToPosition(-2147483000.0), 1000 - 2147483000);

    TCustomChartAxis& left = chart.LeftAxis();
    PlaceOnePixelPerUnit(left);
    // Downwards from the bottom end: 1800 + 2147483000 leaves 32 bits.
    EXPECT_EQ(left.ValueToPosition(-2147483000.0), Int32Max);
    EXPECT_EQ(left.ValueToPosition(2147483000.0), 1800 - 2147483000);
}
