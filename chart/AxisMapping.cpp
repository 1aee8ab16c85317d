// The value/pixel mapping of one axis in one paint.
#include "chart/AxisMapping.h"

#include "support/numbers/Float80.h"
#include "support/numbers/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The largest pixel distance a value may map to; beyond it (or when the
// distance is not a number at all) the value maps to the axis centre.
F80_CONST Float80 MaxPixelDistance = F80(2147483647.0);
} // namespace

TAxisMapping TAxisMapping::Of(double usedMinimum, double usedMaximum, int32_t startPixel, int32_t endPixel,
                              bool inverted, bool horizontal)
{
    return {usedMinimum, usedMaximum, usedMaximum - usedMinimum, startPixel, endPixel, endPixel - startPixel,
            inverted,    horizontal};
}

// 0..50 on 40..840: 16 px per unit, so 25 maps to 440. The distance is
// taken at extended precision so that a value far outside the range (an
// amplitude of 1e308 on a -10..10 axis) cannot overflow; like any distance
// beyond 32 bits, or one that is not a number, it maps to the centre.
int32_t TAxisMapping::ValueToPosition(double value) const
{
    if (UsedRange == 0)
        return CenterPixel();
    Float80 distance = (static_cast<Float80>(value) - UsedMinimum) * PixelLength / UsedRange;
    if (!f80::isfinite(distance) || f80::fabs(distance) >= MaxPixelDistance)
        return CenterPixel();
    // Rounded as the double it is held in, ties to even: 2.5 -> 2.
    const int64_t r = RoundHalfEven(static_cast<double>(distance));
    int64_t position = 0;
    if (Horizontal)
        position = Inverted ? int64_t{EndPixel} - r : int64_t{StartPixel} + r;
    else
        position = Inverted ? int64_t{StartPixel} + r : int64_t{EndPixel} - r;
    // An end pixel plus a distance just inside the limit can leave 32 bits;
    // such a point lies far outside the plot, so it stays on its side at the
    // edge of the range instead of overflowing.
    return static_cast<int32_t>(
        std::clamp<int64_t>(position, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

double TAxisMapping::PositionToValue(int32_t position) const
{
    if (PixelLength <= 0)
        return 0;
    Float80 pixels = Inverted ? static_cast<Float80>(EndPixel) - position : static_cast<Float80>(position) - StartPixel;
    double k = static_cast<double>(pixels * UsedRange / PixelLength);
    return Horizontal ? UsedMinimum + k : UsedMaximum - k;
}
