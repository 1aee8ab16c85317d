// Extended arithmetic of the run loop: the degree factor bit for bit, the
// sine's out-of-range rule and the checked store into a double.

#include "support/numbers/ExtendedMath.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

TEST(ExtendedMathFactor, DegreeFactorHasExponent3FF9AndTheFullSignificand)
{
    const TExtendedBits bits = ExtendedBitsOf(DegreesToRadians);
    EXPECT_EQ(bits.SignExponent, 0x3FF9);
    EXPECT_EQ(bits.Significand, 0x8EFA351294E9C8AEull);
    EXPECT_EQ(static_cast<double>(DegreesToRadians), 0.017453292519943295);
    EXPECT_EQ(ExtendedBitsOf(std::ldexp(static_cast<long double>(0x8EFA351294E9C8AEull), -69)).Significand,
              bits.Significand);
}

TEST(ExtendedMathSine, ArgumentsFromTwoToTheSixtyThirdOnGiveZero)
{
    EXPECT_EQ(SineExtended(0x1p63L), 0.0L);
    EXPECT_EQ(SineExtended(-0x1p63L), 0.0L);
    EXPECT_EQ(SineExtended(1e30L), 0.0L);
    const long double below = std::nextafter(0x1p63L, 0.0L);
    EXPECT_EQ(SineExtended(below), sinl(below));
    EXPECT_NE(SineExtended(below), 0.0L);
    EXPECT_EQ(SineExtended(0.5L), sinl(0.5L));
}

TEST(ExtendedMathNarrow, RoundsToNearestWithinTheDoubleRange)
{
    EXPECT_EQ(NarrowToDouble(0.1L), 0.1);
    EXPECT_EQ(NarrowToDouble(-2.5L), -2.5);
    EXPECT_EQ(NarrowToDouble(1e-4000L), 0.0); // underflow is silent
    // Up to half an ulp above the largest double still rounds down to it.
    const long double justAbove = static_cast<long double>(DBL_MAX) + 0x1p969L;
    EXPECT_EQ(NarrowToDouble(justAbove), DBL_MAX);
    EXPECT_EQ(NarrowToDouble(-justAbove), -DBL_MAX);
}

TEST(ExtendedMathNarrow, MagnitudeBeyondTheDoubleRangeRaisesOverflow)
{
    EXPECT_THROW(NarrowToDouble(1e400L), EOverflow);
    EXPECT_THROW(NarrowToDouble(-1e309L), EOverflow);
    // The halfway point rounds to even, which is past the largest double.
    EXPECT_THROW(NarrowToDouble(static_cast<long double>(DBL_MAX) + 0x1p970L), EOverflow);
    EXPECT_THROW_MESSAGE(NarrowToDouble(2e308L), EOverflow, "Floating point overflow");
}

TEST(ExtendedMathNarrow, InfinityAndNaNPassUnchanged)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(NarrowToDouble(inf), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(NarrowToDouble(std::numeric_limits<long double>::quiet_NaN())));
}
