// Extended arithmetic of the run loop: the degree factor bit for bit, the
// sine's out-of-range rule and the checked store into a double.

#include "support/numbers/ExtendedMath.h"
#include "support/numbers/Float80.h"
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
    EXPECT_EQ(ExtendedBitsOf(f80::ldexp(static_cast<Float80>(0x8EFA351294E9C8AEull), -69)).Significand,
              bits.Significand);
}

TEST(ExtendedMathSine, ArgumentsFromTwoToTheSixtyThirdOnGiveZero)
{
    EXPECT_EQ(SineExtended(F80(0x1p63)), F80(0.0));
    EXPECT_EQ(SineExtended(-F80(0x1p63)), F80(0.0));
    EXPECT_EQ(SineExtended(F80(1e30)), F80(0.0));
    const Float80 below = f80::nextafter(F80(0x1p63), F80(0.0));
    EXPECT_EQ(SineExtended(below), f80::sinl(below));
    EXPECT_NE(SineExtended(below), F80(0.0));
    EXPECT_EQ(SineExtended(F80(0.5)), f80::sinl(F80(0.5)));
}

TEST(ExtendedMathNarrow, RoundsToNearestWithinTheDoubleRange)
{
    EXPECT_EQ(NarrowToDouble(F80(0.1)), 0.1);
    EXPECT_EQ(NarrowToDouble(-F80(2.5)), -2.5);
    EXPECT_EQ(NarrowToDouble(F80(1e-4000)), 0.0); // underflow is silent
    // Up to half an ulp above the largest double still rounds down to it.
    const Float80 justAbove = static_cast<Float80>(DBL_MAX) + F80(0x1p969);
    EXPECT_EQ(NarrowToDouble(justAbove), DBL_MAX);
    EXPECT_EQ(NarrowToDouble(-justAbove), -DBL_MAX);
}

TEST(ExtendedMathNarrow, MagnitudeBeyondTheDoubleRangeRaisesOverflow)
{
    EXPECT_THROW(NarrowToDouble(F80(1e400)), EOverflow);
    EXPECT_THROW(NarrowToDouble(-F80(1e309)), EOverflow);
    // The halfway point rounds to even, which is past the largest double.
    EXPECT_THROW(NarrowToDouble(static_cast<Float80>(DBL_MAX) + F80(0x1p970)), EOverflow);
    EXPECT_THROW_MESSAGE(NarrowToDouble(F80(2e308)), EOverflow, "Floating point overflow");
}

TEST(ExtendedMathNarrow, InfinityAndNaNPassUnchanged)
{
    const Float80 inf = std::numeric_limits<Float80>::infinity();
    EXPECT_EQ(NarrowToDouble(inf), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(f80::isnan(NarrowToDouble(std::numeric_limits<Float80>::quiet_NaN())));
}
