#include "support/numbers/Float80.h"
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/numbers/NumberText.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"

namespace {

std::string Digits(const DecimalDigits& d) { return std::string(d.DigitString, d.DigitCount); }

// Decimal text rounded once to the extended format: glibc's strtold does it
// for the processor's type; the software type's own reading is checked
// against the compiler's literals where both exist.
Float80 CorrectlyRounded(const std::string& text)
{
#if KMITY_HARDWARE_FLOAT80
    return std::strtold(text.c_str(), nullptr);
#else
    return SoftFloat80::FromLiteral(text);
#endif
}

} // namespace

TEST(NumberTextPowers, TablesHoldCorrectlyRoundedExtendedValues)
{
    for (int k = 0; k < 32; ++k)
        EXPECT_EQ(PowersOfTenUnits()[k], CorrectlyRounded("1e" + std::to_string(k))) << k;
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(PowersOfTenThirtyTwos()[k], CorrectlyRounded("1e" + std::to_string(32 * k))) << k;
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(PowersOfTenLarge()[k], CorrectlyRounded("1e" + std::to_string(512 * k))) << k;
}

TEST(NumberTextPowers, ScalesWithinAndBeyondTheExtendedRange)
{
    EXPECT_EQ(ScaleByPowerOfTen(3, 0), 3);
    EXPECT_EQ(ScaleByPowerOfTen(3, 5), 300000);
    EXPECT_EQ(ScaleByPowerOfTen(300000, -5), 3);
    EXPECT_EQ(ScaleByPowerOfTen(1, 27), F80(1e27)); // the largest exact power
    EXPECT_EQ(ScaleByPowerOfTen(1, 4608), F80(1e4608));
    EXPECT_TRUE(f80::isinf(ScaleByPowerOfTen(1, 4933)));
    EXPECT_EQ(ScaleByPowerOfTen(1, 5120), std::numeric_limits<Float80>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(-1, 5120), -std::numeric_limits<Float80>::infinity());
    EXPECT_EQ(ScaleByPowerOfTen(F80(1e4000), -5120), 0);
    EXPECT_EQ(ScaleByPowerOfTen(0, 6000), 0);
    // The smallest subnormal extended value, reached without double rounding.
    EXPECT_EQ(ScaleByPowerOfTen(F80(36451995318824746025.0), -4970), std::numeric_limits<Float80>::denorm_min());
}

TEST(NumberTextDigits, SpecialValues)
{
    const DecimalDigits zero = ToDecimalDigits(0, 18, 9999);
    EXPECT_EQ(zero.Exponent10, 0);
    EXPECT_FALSE(zero.IsNegative);
    EXPECT_EQ(zero.DigitCount, 0);
    EXPECT_FALSE(ToDecimalDigits(-F80(0.0), 18, 9999).IsNegative);

    const DecimalDigits negInf = ToDecimalDigits(-std::numeric_limits<Float80>::infinity(), 18, 0);
    EXPECT_EQ(negInf.Exponent10, 0x7FFF);
    EXPECT_TRUE(negInf.IsNegative);
    EXPECT_EQ(negInf.DigitCount, 0);

    const DecimalDigits nan = ToDecimalDigits(-std::numeric_limits<Float80>::quiet_NaN(), 18, 0);
    EXPECT_EQ(nan.Exponent10, INT16_MIN);
    EXPECT_FALSE(nan.IsNegative);
}

TEST(NumberTextDigits, RoundsHalfUpOnDecimalDigits)
{
    struct TCase {
        Float80 Value;
        int Precision, Decimals;
        const char* Digits;
        int Exponent10;
        bool IsNegative;
    } cases[] = {
        {F80(0.0005), 18, 3, "1", -2, false},
        {F80(0.0004), 18, 3, "", 0, false},
        {-F80(0.0004), 18, 3, "", 0, false}, // rounded to zero: no sign
        {-F80(0.0005), 18, 3, "1", -2, true},
        {F80(12.3456), 18, 3, "12346", 2, false},
        {F80(999.9996), 18, 3, "1", 4, false},
        {F80(1234.5), 15, 9999, "12345", 4, false},
        {F80(2.0) / 3, 4, 9999, "6667", 0, false},
        {F80(0.125), 2, 9999, "13", 0, false},
        {5, 18, 0, "5", 1, false},
        {F80(0.5), 18, 0, "1", 1, false},
        {F80(0.05), 18, 0, "", 0, false},
        {F80(1e18), 18, 0, "1", 19, false},
        {F80(123456789012345678.0), 18, 9999, "123456789012345678", 18, false},
        {F80(1e-4000), 18, 9999, "1", -3999, false},
        {-F80(1.5e4000), 18, 9999, "15", 4001, true},
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
    const DecimalDigits d = ToDecimalDigits(f80::ldexp(F80(1.0), -1166), 18, 9999);
    ASSERT_GT(d.DigitCount, 0);
    EXPECT_NE(d.DigitString[0], '0');
    EXPECT_EQ(d.Exponent10, -351);
    EXPECT_EQ(d.DigitCount, 18);
    for (int b = -16445; b <= 16383; ++b) {
        const DecimalDigits p = ToDecimalDigits(f80::ldexp(F80(1.0), b), 18, 9999);
        ASSERT_NE(p.DigitString[0], '0') << "2^" << b;
    }
}

TEST(NumberTextGeneral, PlainAndScientificForms)
{
    TFormatSettingsGuard marks(U'.', U',');
    struct TCase {
        Float80 Value;
        const char* Expected;
    } cases[] = {
        {0, "0"},
        {F80(1234.5), "1234.5"},
        {F80(1.5e20), "1.5E20"},
        {F80(0.00001), "1E-5"},
        {F80(0.0001), "0.0001"},
        {F80(0.001), "0.001"},
        {-F80(0.5), "-0.5"},
        {F80(1e14), "100000000000000"},
        {F80(1e15), "1E15"},
        {F80(123456789012345.0), "123456789012345"},
        {F80(1234567890123456.0), "1.23456789012346E15"},
        {F80(1.0) / 3, "0.333333333333333"},
        {-F80(2.5e-10), "-2.5E-10"},
        {F80(1e4000), "1E4000"},
        {100, "100"},
        {std::numeric_limits<Float80>::infinity(), "INF"},
        {-std::numeric_limits<Float80>::infinity(), "-INF"},
        {std::numeric_limits<Float80>::quiet_NaN(), "NAN"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FormatGeneral(c.Value, 15), c.Expected) << static_cast<double>(c.Value);
}

TEST(NumberTextGeneral, PrecisionIsClampedToTwoThroughEighteen)
{
    TFormatSettingsGuard marks(U',', U'.');
    EXPECT_EQ(FormatGeneral(F80(1.0) / 3, 0), "0,33");
    EXPECT_EQ(FormatGeneral(F80(1.0) / 3, 40), "0,333333333333333333");
    EXPECT_EQ(FormatGeneral(123, 2), "1,2E2");
}
