// Axis inputs that fuzzing found faults with: a subnormal increment that
// kept the label step search from ever ending, and pixel distances just
// inside the 32-bit limit that overflowed when added to an end pixel.
#include "chart/AxisMapping.h"
#include "chart/ChartAxis.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

// An axis 800 pixels long from 1000 with the range 0..800: one unit per pixel.
TAxisMapping OnePixelPerUnit(bool horizontal) { return TAxisMapping::Of(0, 800, 1000, 1800, false, horizontal); }

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
    const TAxisMapping bottom = OnePixelPerUnit(true);
    // 1000 + 2147483000 leaves 32 bits: the point stays far to the right.
    EXPECT_EQ(bottom.ValueToPosition(2147483000.0), Int32Max);
    EXPECT_EQ(bottom.ValueToPosition(-2147483000.0), 1000 - 2147483000);

    const TAxisMapping left = OnePixelPerUnit(false);
    // Downwards from the bottom end: 1800 + 2147483000 leaves 32 bits.
    EXPECT_EQ(left.ValueToPosition(-2147483000.0), Int32Max);
    EXPECT_EQ(left.ValueToPosition(2147483000.0), 1800 - 2147483000);
}
