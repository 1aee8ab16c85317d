#pragma once
// Extended-precision arithmetic as the run loop needs it: the degree factor
// held at the full 64-bit significand, the sine with its out-of-range rule,
// and the one checked way of storing an extended result into a double.

#include "support/numbers/Float80.h"
#include "support/runtime/Exceptions.h"

#include <cmath>
#include <cstdint>
#include <limits>

// pi/180 as the extended value with exponent $3FF9 and significand
// $8EFA351294E9C8AE: 0.017453292519943295769... The integer bit is the top
// bit of the significand, so the value is significand * 2^(0x3FF9 - 0x3FFF
// - 63) = significand * 2^-69, which the hexadecimal literal states exactly.
constexpr uint64_t DegreesToRadiansSignificand = 0x8EFA351294E9C8AEull;
#if KMITY_HARDWARE_FLOAT80
constexpr long double DegreesToRadians = 0x8EFA351294E9C8AEp-69L;
static_assert(DegreesToRadians * 0x1p69L == static_cast<long double>(DegreesToRadiansSignificand),
              "the degree factor must keep every bit of its significand");
#else
constexpr SoftFloat80 DegreesToRadians = SoftFloat80::FromBits(0x3FF9, DegreesToRadiansSignificand);
#endif

// The raw sign-and-exponent word and significand of an extended value,
// for checking that a constant is bit-exact.
struct TExtendedBits {
    uint16_t SignExponent = 0;
    uint64_t Significand = 0;
};
TExtendedBits ExtendedBitsOf(Float80 value);

// The sine at extended precision. The processor's sine only reduces
// arguments below 2^63 in magnitude; larger ones give 0.
//
// Where the processor has no extended unit the software sine stands in for
// the library's sinl. Measured against sinl on x86-64 it differs, always by
// one unit in the last place, for 5,397 of 200,000 random arguments between
// 2^-70 and 2^63 (2.7%) and 10,833 of 200,000 below 1024 (5.4%); it stays
// within 0.78 ulp of the true sine throughout. The default run's arguments
// differ for 511 of the first 10,000, and after the product with A and the
// store into a double none of those 10,000 points differs.
inline Float80 SineExtended(Float80 x)
{
    const Float80 limit = F80(0x1p63);
    if (f80::fabs(x) >= limit)
        return 0;
    return f80::sin(x);
}

// Stores an extended result into a double, rounding to nearest. A finite
// value whose rounded magnitude leaves the double range raises EOverflow,
// as storing it would on the processor; values that round down to the
// largest double, infinities and NaNs pass unchanged.
inline double NarrowToDouble(Float80 value)
{
    const double narrowed = static_cast<double>(value);
    if (std::isinf(narrowed) && f80::isfinite(value))
        throw EOverflow();
    return narrowed;
}
