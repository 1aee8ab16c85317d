#pragma once
// The decimal form of an extended value that formatting works from:
// value = 0.d1d2d3... × 10^Exponent10, at most 18 significant digits.

#include "support/numbers/Float80.h"
#include <cstdint>

struct DecimalDigits {
    // 0 for zero; InfinityExponent10 for an infinity, NaNExponent10 for NaN.
    int16_t Exponent10 = 0;
    // False for zero, for NaN and for a value that rounds to zero.
    bool IsNegative = false;
    // "0".."9", first digit non-zero, no trailing zeros, NUL-terminated;
    // empty for zero, infinities and NaN.
    char DigitString[19] = {};
    uint8_t DigitCount = 0;
};

constexpr int16_t InfinityExponent10 = 0x7FFF;
constexpr int16_t NaNExponent10 = INT16_MIN; // $8000

// Converts to 18 digits, then keeps at most `precision` significant digits
// and at most `decimals` digits after the decimal point, rounding half up on
// the decimal digits: 0.0005 with 3 decimals is 0.001, 0.0004 is zero.
DecimalDigits ToDecimalDigits(Float80 value, int precision, int decimals);
