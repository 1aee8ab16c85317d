#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/runtime/Exceptions.h"
#include "support/numbers/FormatNumberMask.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

namespace {

struct TFormatCase {
    const char* Mask;
    long double Value;
    const char* Expected;
};

void ExpectFormats(const TFormatCase& c)
{
    EXPECT_EQ(FormatNumberMask(c.Mask, c.Value), c.Expected)
        << "mask '" << c.Mask << "' value " << static_cast<double>(c.Value);
}

} // namespace

TEST(FormatNumberMask, AxisLabelMaskExamples)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"#,##0.###", 0, "0"},
        {"#,##0.###", 5, "5"},
        {"#,##0.###", 5.25L, "5.25"},
        {"#,##0.###", 0.1L, "0.1"},
        {"#,##0.###", 12.3456L, "12.346"},
        {"#,##0.###", 0.0005L, "0.001"},
        {"#,##0.###", 0.0004L, "0"},
        {"#,##0.###", -0.0004L, "0"},
        {"#,##0.###", -2.5L, "-2.5"},
        {"#,##0.###", -1000, "-1,000"},
        {"#,##0.###", 999.9996L, "1,000"},
        {"#,##0.###", 1234567.891L, "1,234,567.891"},
        {"#,##0.###", 1e18L, "1E18"},
        {"#,##0.###", 999999999999999999.0L, "999,999,999,999,999,999"},
        {"#,##0.###", 100, "100"},
        {"#,##0.###", 1000, "1,000"},
        {"#,##0.###", -0.25L, "-0.25"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, RequiredDigitsAndSurplusIntegerDigits)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0", 1e17L, "100000000000000000"},
        {"0", 12345, "12345"},
        {"0", 0.5L, "1"},
        {"0", 0.4L, "0"},
        {"#", 0, ""},
        {"#.#", 0.04L, ""},
        {"000", 7, "007"},
        {"0,000", 5, "0,005"},
        {"0.000", 1.5L, "1.500"},
        {"#.00", 0.5L, ".50"},
        {"00.##", 3.14159L, "03.14"},
        {"0.0", -0.04L, "0.0"},
        {"x0y", 3, "x3y"},
        {"0 kg", 12, "12 kg"},
        {"0.0.0", 1.25L, "1.25"}, // only the first point counts
        {"0e0", 5, "0e5"},        // "e" without a sign is a literal letter
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, EmptyFirstSectionGivesGeneralForm)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"", 1234.5L, "1234.5"},
        {"", 1e20L, "1E20"},
        {"", 0, "0"},
        {"", -0.00001L, "-1E-5"},
        {";0.0", -2.5L, "-2.5"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, NegativeValueUsesSecondSectionWithoutSign)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.0;(0.0)", -2.5L, "(2.5)"},
        {"0.0;(0.0)", 2.5L, "2.5"},
        {"0.0;", -2.5L, "-2.5"},      // empty second section: the first, with sign
        {"0.0;;", -2.5L, "-2.5"},
        {"0.0;(0.0)", -0.04L, "0.0"}, // rounds to zero: back to the first section
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ZeroAndRoundedZeroUseThirdSection)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.0;-0.0;nula", 0, "nula"},
        {"0.0;-0.0;nula", 0.04L, "nula"},
        {"0.0;-0.0;nula", -0.04L, "nula"},
        {"0.0;-0.0;nula", 0.05L, "0.1"},
        {"0.0;-0.0;nula", -0.05L, "-0.1"},
        {"0.0;-0.0;", 0, "0.0"},        // empty third section: the first
        {"0.0;-0.0;0.000", 0.04L, "0.000"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, QuotedTextIsLiteralIncludingSemicolon)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"\"a;b\"0", 5, "a;b5"},
        {"'#0.;,'0", 7, "#0.;,7"},
        {"0' E+0'", 3, "3 E+0"},
        {"\"x;\"0;'neg;'0", -4, "neg;4"},
        {"0\"unclosed", 2, "2unclosed"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ScientificMasks)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E+00", 0.00012345L, "1.23E-04"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+00", -9.999L, "-1.00E+01"},
        {"0.00E-00", 12345, "1.23E04"},
        {"#.###e-0", 12345, "1.235e4"},
        {"#.###e-0", 0.5L, "5e-1"},
        {"#.###e-0", 1e300L, "1e300"},
        {"00.0E+0", 12345, "12.3E+3"},
        {"0E+00000", 1e100L, "1E+0100"}, // at most four exponent digits count
        {"0.0E+0", 1e4000L, "1.0E+4000"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ValuesBeyondTheMaskUseGeneralForm)
{
    TFormatSettingsGuard marks(U'.', U',');
    EXPECT_EQ(FormatNumberMask("0.0", 1e25L), "1E25");
    EXPECT_EQ(FormatNumberMask("0.0", std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(FormatNumberMask("0.0", -std::numeric_limits<long double>::infinity()), "-INF");
    EXPECT_EQ(FormatNumberMask("0.0", std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

TEST(FormatNumberMask, FollowsLocaleMarks)
{
    TFormatSettingsGuard marks(U',', U'\u00A0');
    EXPECT_EQ(FormatNumberMask("#,##0.###", 1234567.891L), "1\u00A0234\u00A0567,891");
    EXPECT_EQ(FormatNumberMask("0.00E+00", 12345), "1,23E+04");
    EXPECT_EQ(FormatNumberMask("", 1234.5L), "1234,5");
}

TEST(FormatNumberMask, NulThousandsMarkWritesNoGrouping)
{
    TFormatSettingsGuard marks(U'.', 0);
    EXPECT_EQ(FormatNumberMask("#,##0.###", 1234567.891L), "1234567.891");
    EXPECT_EQ(FormatNumberMask("#,##0.###", -1000), "-1000");
}

TEST(FormatNumberMask, MaskLengthLimitIs224Characters)
{
    TFormatSettingsGuard marks(U'.', U',');
    auto repeated = [](const std::string& text, int times) {
        std::string result;
        for (int i = 0; i < times; ++i)
            result += text;
        return result;
    };
    // One, two and four bytes a character: 224 characters pass, 225 do not.
    for (const std::string literal : {"x", "é", "\U0001F600"}) {
        SCOPED_TRACE(literal);
        EXPECT_EQ(FormatNumberMask("0" + repeated(literal, 223), 7), "7" + repeated(literal, 223));
        EXPECT_THROW_MESSAGE(FormatNumberMask("0" + repeated(literal, 224), 7), EConvertError, "Format string too long");
    }
}

TEST(FormatNumberMask, LongestOutputFitsItsBuffer)
{
    TFormatSettingsGuard marks(U'\U0001F600', U'\U0001F601'); // 4-byte marks
    const std::string mask = "," + std::string(223, '0');
    const std::string text = FormatNumberMask(mask, 1e17L);
    // 223 digits with a 4-byte mark after every third integer digit.
    EXPECT_EQ(text.size(), 223u + 4u * 74u);
    EXPECT_EQ(text.substr(0, 5), "0\U0001F601");
}
