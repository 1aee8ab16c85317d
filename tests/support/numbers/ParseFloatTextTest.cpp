#include "support/numbers/Float80.h"
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "support/numbers/ParseFloatText.h"
#include "support/runtime/Exceptions.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"
#include "tests/support/runtime/ExpectThrowMessage.h"

namespace {

struct TValidCase {
    const char* Text;
    Float80 Expected;
};

void ExpectParses(const TValidCase& c)
{
    Float80 value = -12345;
    ASSERT_TRUE(TryParseFloatText(c.Text, value)) << "'" << c.Text << "'";
    EXPECT_EQ(value, c.Expected) << "'" << c.Text << "'";
}

// Steps of the extended format between two values of the same sign.
int UlpsApart(Float80 a, Float80 b)
{
    int steps = 0;
    for (; a != b && steps < 100; ++steps)
        a = f80::nextafter(a, b);
    return steps;
}

void ExpectInvalid(const char* text)
{
    Float80 value = 42;
    EXPECT_FALSE(TryParseFloatText(text, value)) << "'" << text << "'";
    EXPECT_EQ(value, 42) << "a failed parse must leave the value alone: '" << text << "'";
}

} // namespace

TEST(ParseFloatText, AcceptsValidTextsWithPointMark)
{
    TFormatSettingsGuard marks(U'.', U',');
    const TValidCase cases[] = {
        {"0", 0},
        {"5", 5},
        {"1", 1},
        {"  1  ", 1},
        {"+1", 1},
        {"-1", -1},
        {"1.", 1},
        {".5", F80(0.5)},
        {".", 0},
        {"1e", 1},
        {"1e+", 1},
        {"1e-", 1},
        {"1E+2", 100},
        {"1e-2", F80(1e-2)},
        {"2.5", F80(2.5)},
        {"-2.5", -F80(2.5)},
        {"0012.250", F80(12.25)},
        {"1.5e3", 1500},
        {"12345678901234567", F80(12345678901234567.0)},
        {"1e27", F80(1e27)},
        {"  -7.25e-1 ", -F80(0.725)},
    };
    for (const TValidCase& c : cases)
        ExpectParses(c);
}

TEST(ParseFloatText, RejectsInvalidTextsWithPointMark)
{
    TFormatSettingsGuard marks(U'.', U',');
    const char* cases[] = {
        "",    "   ", "+",   "-",  "e5",   "E5",    "1,000", "1.2.3", "1e5000", "1e4999", "\t1", "1\t",
        "- 1", "+ 1", "1 2", "1x", "0x10", "1e2.5", "1e+-2", "inf",   "nan",    ",5",     "1..", "--1",
    };
    for (const char* text : cases)
        ExpectInvalid(text);
}

TEST(ParseFloatText, MinusBeforeLoneMarkIsNegativeZero)
{
    TFormatSettingsGuard marks(U'.', U',');
    Float80 value = 1;
    ASSERT_TRUE(TryParseFloatText("-.", value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(f80::signbit(value));
}

TEST(ParseFloatText, LargeExponentsGiveExtendedValues)
{
    TFormatSettingsGuard marks(U'.', U',');
    // Scaling goes through two rounded table constants here (10^480 and
    // 10^512, or 10^384), so the result may sit one step off the nearest
    // extended value.
    EXPECT_LE(UlpsApart(ParseFloatText("1e999"), F80(1e999)), 1);
    EXPECT_LE(UlpsApart(ParseFloatText("1e400"), F80(1e400)), 1);
    EXPECT_LE(UlpsApart(ParseFloatText("-1e-400"), -F80(1e-400)), 1);
    EXPECT_GT(ParseFloatText("1e999"), F80(9.99e998));
    // Above the double range but within the extended one.
    EXPECT_TRUE(f80::isinf(static_cast<double>(ParseFloatText("1e400"))));
}

TEST(ParseFloatText, ExponentReadingStopsAtFiveHundred)
{
    TFormatSettingsGuard marks(U'.', U',');
    // 0499 and 0050 are read whole; 5000 leaves its last digit unread.
    EXPECT_EQ(ParseFloatText("1e0499"), F80(1e499));
    EXPECT_EQ(ParseFloatText("1e0050"), F80(1e50));
    ExpectInvalid("1e5000");
    ExpectInvalid("1e-5000");
}

TEST(ParseFloatText, CommaMarkAcceptsCommaAndRejectsPoint)
{
    TFormatSettingsGuard marks(U',', U'\u00A0');
    const TValidCase valid[] = {{"2,5", F80(2.5)}, {",5", F80(0.5)}, {"1,", 1}, {",", 0}, {" -0,25e1 ", -F80(2.5)}};
    for (const TValidCase& c : valid)
        ExpectParses(c);
    const char* invalid[] = {"2.5", "0.5", "1,2,3", "1\u00A0000", "."};
    for (const char* text : invalid)
        ExpectInvalid(text);
}

TEST(ParseFloatText, MultiByteDecimalMark)
{
    TFormatSettingsGuard marks(U'\u066B', 0); // Arabic decimal separator, 2 UTF-8 bytes
    ExpectParses({"3\u066B25", F80(3.25)});
    ExpectInvalid("3.25");
    ExpectInvalid("3\xD9"); // first byte of the mark alone
}

TEST(ParseFloatText, AccumulatorOverflowIsInvalidNotZero)
{
    TFormatSettingsGuard marks(U'.', U',');
    // 1.111... with 5000 fraction digits overflows the accumulator; the
    // text must be refused rather than read as 0.
    const std::string text = "1." + std::string(5000, '1');
    ExpectInvalid(text.c_str());
}

TEST(ParseFloatText, ErrorMessageQuotesTextExactly)
{
    TFormatSettingsGuard marks(U'.', U',');
    EXPECT_THROW_MESSAGE(ParseFloatText(" 1,5 "), EConvertError, "' 1,5 ' is not a valid floating point value");
    EXPECT_THROW_MESSAGE(ParseFloatText(""), EConvertError, "'' is not a valid floating point value");
}
