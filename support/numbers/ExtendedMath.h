#pragma once
// Extended-precision arithmetic as the run loop needs it: the degree factor
// held at the full 64-bit significand, the sine with its out-of-range rule,
// and the one checked way of storing an extended result into a double.

#include "support/runtime/Exceptions.h"

#include <cmath>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format (64-bit significand)");

// pi/180 as the extended value with exponent $3FF9 and significand
// $8EFA351294E9C8AE: 0.017453292519943295769... The integer bit is the top
// bit of the significand, so the value is significand * 2^(0x3FF9 - 0x3FFF
// - 63) = significand * 2^-69, which the hexadecimal literal states exactly.
constexpr uint64_t DegreesToRadiansSignificand = 0x8EFA351294E9C8AEull;
constexpr long double DegreesToRadians = 0x8EFA351294E9C8AEp-69L;
static_assert(DegreesToRadians * 0x1p69L == static_cast<long double>(DegreesToRadiansSignificand),
              "the degree factor must keep every bit of its significand");

// The raw sign-and-exponent word and significand of an extended value,
// for checking that a constant is bit-exact.
struct TExtendedBits {
    uint16_t SignExponent = 0;
    uint64_t Significand = 0;
};
TExtendedBits ExtendedBitsOf(long double value);

// The sine at extended precision. The processor's sine only reduces
// arguments below 2^63 in magnitude; larger ones give 0.
inline long double SineExtended(long double x)
{
    constexpr long double Limit = 9223372036854775808.0L; // 2^63
    if (std::fabs(x) >= Limit)
        return 0.0L;
    return std::sin(x);
}

// Stores an extended result into a double, rounding to nearest. A finite
// value whose rounded magnitude leaves the double range raises EOverflow,
// as storing it would on the processor; values that round down to the
// largest double, infinities and NaNs pass unchanged.
inline double NarrowToDouble(long double value)
{
    const double narrowed = static_cast<double>(value);
    if (std::isinf(narrowed) && std::isfinite(value))
        throw EOverflow();
    return narrowed;
}
