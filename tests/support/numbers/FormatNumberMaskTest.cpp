#include "support/numbers/Float80.h"
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/numbers/FormatNumberMask.h"
#include "support/runtime/Exceptions.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

namespace {

struct TFormatCase {
    const char* Mask;
    Float80 Value;
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
        {"#,##0.###", F80(5.25), "5.25"},
        {"#,##0.###", F80(0.1), "0.1"},
        {"#,##0.###", F80(12.3456), "12.346"},
        {"#,##0.###", F80(0.0005), "0.001"},
        {"#,##0.###", F80(0.0004), "0"},
        {"#,##0.###", -F80(0.0004), "0"},
        {"#,##0.###", -F80(2.5), "-2.5"},
        {"#,##0.###", -1000, "-1,000"},
        {"#,##0.###", F80(999.9996), "1,000"},
        {"#,##0.###", F80(1234567.891), "1,234,567.891"},
        {"#,##0.###", F80(1e18), "1E18"},
        {"#,##0.###", F80(999999999999999999.0), "999,999,999,999,999,999"},
        {"#,##0.###", 100, "100"},
        {"#,##0.###", 1000, "1,000"},
        {"#,##0.###", -F80(0.25), "-0.25"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, RequiredDigitsAndSurplusIntegerDigits)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0", F80(1e17), "100000000000000000"},
        {"0", 12345, "12345"},
        {"0", F80(0.5), "1"},
        {"0", F80(0.4), "0"},
        {"#", 0, ""},
        {"#.#", F80(0.04), ""},
        {"000", 7, "007"},
        {"0,000", 5, "0,005"},
        {"0.000", F80(1.5), "1.500"},
        {"#.00", F80(0.5), ".50"},
        {"00.##", F80(3.14159), "03.14"},
        {"0.0", -F80(0.04), "0.0"},
        {"x0y", 3, "x3y"},
        {"0 kg", 12, "12 kg"},
        {"0.0.0", F80(1.25), "1.25"}, // only the first point counts
        {"0e0", 5, "0e5"}, // "e" without a sign is a literal letter
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, EmptyFirstSectionGivesGeneralForm)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"", F80(1234.5), "1234.5"},  {"", F80(1e20), "1E20"},     {"", 0, "0"},
        {"", -F80(0.00001), "-1E-5"}, {";0.0", -F80(2.5), "-2.5"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, NegativeValueUsesSecondSectionWithoutSign)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.0;(0.0)", -F80(2.5), "(2.5)"},
        {"0.0;(0.0)", F80(2.5), "2.5"},
        {"0.0;", -F80(2.5), "-2.5"}, // empty second section: the first, with sign
        {"0.0;;", -F80(2.5), "-2.5"},
        {"0.0;(0.0)", -F80(0.04), "0.0"}, // rounds to zero: back to the first section
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ZeroAndRoundedZeroUseThirdSection)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.0;-0.0;nula", 0, "nula"},           {"0.0;-0.0;nula", F80(0.04), "nula"},
        {"0.0;-0.0;nula", -F80(0.04), "nula"},  {"0.0;-0.0;nula", F80(0.05), "0.1"},
        {"0.0;-0.0;nula", -F80(0.05), "-0.1"},  {"0.0;-0.0;", 0, "0.0"}, // empty third section: the first
        {"0.0;-0.0;0.000", F80(0.04), "0.000"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, QuotedTextIsLiteralIncludingSemicolon)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"\"a;b\"0", 5, "a;b5"},          {"'#0.;,'0", 7, "#0.;,7"},       {"0' E+0'", 3, "3 E+0"},
        {"\"x;\"0;'neg;'0", -4, "neg;4"}, {"0\"unclosed", 2, "2unclosed"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ScientificMasks)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TFormatCase cases[] = {
        {"0.00E+00", 12345, "1.23E+04"},      {"0.00E+00", F80(0.00012345), "1.23E-04"},
        {"0.00E+00", 0, "0.00E+00"},          {"0.00E+00", -F80(9.999), "-1.00E+01"},
        {"0.00E-00", 12345, "1.23E04"},       {"#.###e-0", 12345, "1.235e4"},
        {"#.###e-0", F80(0.5), "5e-1"},       {"#.###e-0", F80(1e300), "1e300"},
        {"00.0E+0", 12345, "12.3E+3"},        {"0E+00000", F80(1e100), "1E+0100"}, // at most four exponent digits count
        {"0.0E+0", F80(1e4000), "1.0E+4000"},
    };
    for (const TFormatCase& c : cases)
        ExpectFormats(c);
}

TEST(FormatNumberMask, ValuesBeyondTheMaskUseGeneralForm)
{
    TFormatSettingsGuard marks(U'.', U',');
    EXPECT_EQ(FormatNumberMask("0.0", F80(1e25)), "1E25");
    EXPECT_EQ(FormatNumberMask("0.0", std::numeric_limits<Float80>::infinity()), "INF");
    EXPECT_EQ(FormatNumberMask("0.0", -std::numeric_limits<Float80>::infinity()), "-INF");
    EXPECT_EQ(FormatNumberMask("0.0", std::numeric_limits<Float80>::quiet_NaN()), "NAN");
}

TEST(FormatNumberMask, FollowsLocaleMarks)
{
    TFormatSettingsGuard marks(U',', U'\u00A0');
    EXPECT_EQ(FormatNumberMask("#,##0.###", F80(1234567.891)), "1\u00A0234\u00A0567,891");
    EXPECT_EQ(FormatNumberMask("0.00E+00", 12345), "1,23E+04");
    EXPECT_EQ(FormatNumberMask("", F80(1234.5)), "1234,5");
}

TEST(FormatNumberMask, NulThousandsMarkWritesNoGrouping)
{
    TFormatSettingsGuard marks(U'.', 0);
    EXPECT_EQ(FormatNumberMask("#,##0.###", F80(1234567.891)), "1234567.891");
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
        EXPECT_THROW_MESSAGE(FormatNumberMask("0" + repeated(literal, 224), 7), EConvertError,
                             "Format string too long");
    }
}

TEST(FormatNumberMask, LongestOutputFitsItsBuffer)
{
    TFormatSettingsGuard marks(U'\U0001F600', U'\U0001F601'); // 4-byte marks
    const std::string mask = "," + std::string(223, '0');
    const std::string text = FormatNumberMask(mask, F80(1e17));
    // 223 digits with a 4-byte mark after every third integer digit.
    EXPECT_EQ(text.size(), 223u + 4u * 74u);
    EXPECT_EQ(text.substr(0, 5), "0\U0001F601");
}
