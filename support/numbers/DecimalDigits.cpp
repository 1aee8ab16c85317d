#include "support/numbers/DecimalDigits.h"

#include "support/numbers/Float80.h"

#include <algorithm>
#include <cmath>

#include "support/numbers/ScaleByPowerOfTen.h"

namespace {

constexpr int SignificantDigits = 18;
F80_CONST Float80 LowestEighteenDigits = F80(1e17);
F80_CONST Float80 EighteenDigitsLimit = F80(1e18);

// The first estimate of the decimal exponent from the binary one:
// floor(b × log10 2) + 1 with log10 2 ≈ 19728 / 65536, for |value| = m × 2^b.
int EstimateExponent10(Float80 magnitude)
{
    const int binaryExponent = f80::ilogb(magnitude);
    return ((binaryExponent * 19728) >> 16) + 1; // >> floors negatives too
}

// |value| scaled to an 18-digit integer, exponent10 adjusted to match.
uint64_t ScaleToEighteenDigits(Float80 magnitude, int& exponent10)
{
    Float80 scaled = f80::nearbyint(ScaleByPowerOfTen(magnitude, SignificantDigits - exponent10));
    // The estimate's log10 2 is a little low, so for large negative binary
    // exponents (2^-1166 ≈ 9.98e-352) it can come out one too high and leave
    // only 17 digits, which would put a "0" first. Scale once more from the
    // value itself so that the first digit is never zero.
    if (scaled < LowestEighteenDigits) {
        --exponent10;
        scaled = f80::nearbyint(ScaleByPowerOfTen(magnitude, SignificantDigits - exponent10));
    }
    while (scaled >= EighteenDigitsLimit) {
        scaled = f80::nearbyint(scaled / 10);
        ++exponent10;
    }
    return static_cast<uint64_t>(scaled);
}

// Keeps the first `keep` digits, rounding half up on the digit after them;
// a carry out of the first digit leaves "1" and raises the exponent.
void RoundToDigits(char* digits, int keep, int& exponent10)
{
    const bool roundUp = digits[keep] >= '5';
    int i = keep - 1;
    if (roundUp) {
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits[0] = '1';
            keep = std::max(keep, 1);
            ++exponent10;
        }
    }
    std::fill(digits + keep, digits + SignificantDigits, '0');
}

} // namespace

DecimalDigits ToDecimalDigits(Float80 value, int precision, int decimals)
{
    DecimalDigits result;
    if (f80::isnan(value)) {
        result.Exponent10 = NaNExponent10;
        return result;
    }
    if (f80::isinf(value)) {
        result.Exponent10 = InfinityExponent10;
        result.IsNegative = f80::signbit(value);
        return result;
    }
    if (value == 0)
        return result;

    const Float80 magnitude = f80::fabs(value);
    int exponent10 = EstimateExponent10(magnitude);
    uint64_t integer = ScaleToEighteenDigits(magnitude, exponent10);
    char digits[SignificantDigits];
    for (int i = SignificantDigits - 1; i >= 0; --i, integer /= 10)
        digits[i] = static_cast<char>('0' + integer % 10);

    int keep = exponent10 + decimals;
    if (keep < 0)
        return result;
    keep = std::min(keep, precision);
    if (keep < 0)
        return result;
    if (keep < SignificantDigits)
        RoundToDigits(digits, keep, exponent10);

    int count = SignificantDigits;
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0)
        return result;
    std::copy(digits, digits + count, result.DigitString);
    result.DigitString[count] = '\0';
    result.DigitCount = static_cast<uint8_t>(count);
    result.Exponent10 = static_cast<int16_t>(exponent10);
    result.IsNegative = f80::signbit(value);
    return result;
}
