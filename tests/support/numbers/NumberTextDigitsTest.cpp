#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/numbers/NumberText.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"

namespace {

std::string Digits(const DecimalDigits& d) { return std::string(d.DigitString, d.DigitCount); }

} // namespace

TEST(NumberTextPowers, TablesHoldCorrectlyRoundedExtendedValues)
{
    // glibc's strtold rounds decimal text correctly to the extended format.
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(PowersOfTenUnits()[k], std::strtold(("1e" + std::to_string(k)).c_str(), nullptr)) << k;
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(PowersOfTenThirtyTwos()[k], std::strtold(("1e" + std::to_string(32 * k)).c_str(), nullptr)) << k;
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(PowersOfTenLarge()[k], std::strtold(("1e" + std::to_string(512 * k)).c_str(), nullptr)) << k;
}

TEST(NumberTextPowers, ScalesWithinAndBeyondTheExtendedRange)
{
    EXPECT_EQ(ScaleByPowerOfTen(3, 0), 3);
    EXPECT_EQ(ScaleByPowerOfTen(3, 5), 300000);
    EXPECT_EQ(ScaleByPowerOfTen(300000, -5), 3);
    EXPECT_EQ(ScaleByPowerOfTen(1, 27), 1e27L); // the largest exact power
    EXPECT_EQ(ScaleByPowerOfTen(1, 4608), 1e4608L);
    EXPECT_TRUE(std::isinf(ScaleByPowerOfTen(1, 4933)));
    EXPECT_EQ(ScaleByPowerOfTen(1, 5120), std::numeric_limits<long double>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(-1, 5120), -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(1e4000L, -5120), 0);
    EXPECT_EQ(ScaleByPowerOfTen(0, 6000), 0);
    // The smallest subnormal extended value, reached without double rounding.
    EXPECT_EQ(ScaleByPowerOfTen(36451995318824746025.0L, -4970), std::numeric_limits<long double>::denorm_min());
}

TEST(NumberTextDigits, SpecialValues)
{
    const DecimalDigits zero = ToDecimalDigits(0, 18, 9999);
    EXPECT_EQ(zero.Exponent10, 0);
    EXPECT_FALSE(zero.IsNegative);
    EXPECT_EQ(zero.DigitCount, 0);
    EXPECT_FALSE(ToDecimalDigits(-0.0L, 18, 9999).IsNegative);

    const DecimalDigits negInf = ToDecimalDigits(-std::numeric_limits<long double>::infinity(), 18, 0);
    EXPECT_EQ(negInf.Exponent10, 0x7FFF);
    EXPECT_TRUE(negInf.IsNegative);
    EXPECT_EQ(negInf.DigitCount, 0);

    const DecimalDigits nan = ToDecimalDigits(-std::numeric_limits<long double>::quiet_NaN(), 18, 0);
    EXPECT_EQ(nan.Exponent10, INT16_MIN);
    EXPECT_FALSE(nan.IsNegative);
}

TEST(NumberTextDigits, RoundsHalfUpOnDecimalDigits)
{
    struct TCase {
        long double Value;
        int Precision, Decimals;
        const char* Digits;
        int Exponent10;
        bool IsNegative;
    } cases[] = {
        {0.0005L, 18, 3, "1", -2, false},
        {0.0004L, 18, 3, "", 0, false},
        {-0.0004L, 18, 3, "", 0, false}, // rounded to zero: no sign
        {-0.0005L, 18, 3, "1", -2, true},
        {12.3456L, 18, 3, "12346", 2, false},
        {999.9996L, 18, 3, "1", 4, false},
        {1234.5L, 15, 9999, "12345", 4, false},
        {2.0L / 3, 4, 9999, "6667", 0, false},
        {0.125L, 2, 9999, "13", 0, false},
        {5, 18, 0, "5", 1, false},
        {0.5L, 18, 0, "1", 1, false},
        {0.05L, 18, 0, "", 0, false},
        {1e18L, 18, 0, "1", 19, false},
        {123456789012345678.0L, 18, 9999, "123456789012345678", 18, false},
        {1e-4000L, 18, 9999, "1", -3999, false},
        {-1.5e4000L, 18, 9999, "15", 4001, true},
    };
    for (const TCase& c : cases) {
        const DecimalDigits d = ToDecimalDigits(c.Value, c.Precision, c.Decimals);
        EXPECT_EQ(Digits(d), c.Digits) << static_cast<double>(c.Value);
        EXPECT_EQ(d.Exponent10, c.Exponent10) << static_cast<double>(c.Value);
        EXPECT_EQ(d.IsNegative, c.IsNegative) << static_cast<double>(c.Value);
        EXPECT_EQ(d.DigitString[d.DigitCount], '\0');
    }
}

TEST(NumberTextDigits, FirstDigitIsNeverZeroWhereTheExponentEstimateIsHigh)
{
    // log10 2 ≈ 19728 / 65536 is slightly low, which for 2^-1166
    // (9.98e-352) estimates the exponent one too high.
    const DecimalDigits d = ToDecimalDigits(std::ldexp(1.0L, -1166), 18, 9999);
    ASSERT_GT(d.DigitCount, 0);
    EXPECT_NE(d.DigitString[0], '0');
    EXPECT_EQ(d.Exponent10, -351);
    EXPECT_EQ(d.DigitCount, 18);
    for (int b = -16445; b <= 16383; ++b) {
        const DecimalDigits p = ToDecimalDigits(std::ldexp(1.0L, b), 18, 9999);
        ASSERT_NE(p.DigitString[0], '0') << "2^" << b;
    }
}

TEST(NumberTextGeneral, PlainAndScientificForms)
{
    TFormatSettingsGuard marks(U'.', U',');
    struct TCase {
        long double Value;
        const char* Expected;
    } cases[] = {
        {0, "0"}, {1234.5L, "1234.5"}, {1.5e20L, "1.5E20"}, {0.00001L, "1E-5"},
        {0.0001L, "0.0001"}, {0.001L, "0.001"}, {-0.5L, "-0.5"},
        {1e14L, "100000000000000"}, {1e15L, "1E15"}, {123456789012345.0L, "123456789012345"},
        {1234567890123456.0L, "1.23456789012346E15"}, {1.0L / 3, "0.333333333333333"},
        {-2.5e-10L, "-2.5E-10"}, {1e4000L, "1E4000"}, {100, "100"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatGeneral(c.Value, 15), c.Expected) << static_cast<double>(c.Value);
}

TEST(NumberTextGeneral, PrecisionIsClampedToTwoThroughEighteen)
{
    TFormatSettingsGuard marks(U',', U'.');
    EXPECT_EQ(FormatGeneral(1.0L / 3, 0), "0,33");
    EXPECT_EQ(FormatGeneral(1.0L / 3, 40), "0,333333333333333333");
    EXPECT_EQ(FormatGeneral(123, 2), "1,2E2");
}
