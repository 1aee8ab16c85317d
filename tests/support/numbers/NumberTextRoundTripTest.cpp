#include "support/numbers/Float80.h"
#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "support/numbers/NumberText.h"
#include "tests/support/numbers/NumberTextSettingsGuard.h"

namespace {

// Random finite doubles over the whole range, from random bit patterns.
class TRandomDoubles {
public:
    explicit TRandomDoubles(uint64_t seed) : Engine(seed) {}
    double Next()
    {
        for (;;) {
            const double value = std::bit_cast<double>(Engine());
            if (f80::isfinite(value))
                return value;
        }
    }

private:
    std::mt19937_64 Engine;
};

constexpr int RoundTripCount = 100000;

} // namespace

TEST(NumberTextRoundTrip, EighteenDigitScientificMaskGivesTheDoubleBack)
{
    TFormatSettingsGuard marks(U'.', U',');
    TRandomDoubles doubles(20240601);
    for (int i = 0; i < RoundTripCount; ++i) {
        const double value = doubles.Next();
        const std::string text = FormatNumberMask("0.00000000000000000E+0000", value);
        const Float80 parsed = ParseFloatText(text);
        ASSERT_EQ(static_cast<double>(parsed), value) << text;
    }
}

TEST(NumberTextRoundTrip, GeneralFormAtEighteenDigitsGivesTheDoubleBack)
{
    TFormatSettingsGuard marks(U',', U'\u00A0');
    TRandomDoubles doubles(7);
    for (int i = 0; i < RoundTripCount; ++i) {
        const double value = doubles.Next();
        const std::string text = FormatGeneral(value, 18);
        const Float80 parsed = ParseFloatText(text);
        ASSERT_EQ(static_cast<double>(parsed), value) << text;
    }
}

TEST(NumberTextRoundTrip, AxisMaskValuesParseBackToTheirRoundedValue)
{
    TFormatSettingsGuard marks(U'.', 0); // no grouping, so the text parses
    std::mt19937_64 engine(99);
    std::uniform_int_distribution<int64_t> thousandths(-999999999999, 999999999999);
    for (int i = 0; i < RoundTripCount; ++i) {
        const int64_t n = thousandths(engine);
        const Float80 value = static_cast<Float80>(n) / 1000;
        const std::string text = FormatNumberMask("#,##0.###", value);
        ASSERT_EQ(f80::llroundl(ParseFloatText(text) * 1000), n) << text;
    }
}
