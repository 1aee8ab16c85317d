// The few functions of the software extended format that the program needs
// beyond arithmetic: classification, scaling by powers of two, the square
// root, rounding to integers and the next representable value.

#include "support/numbers/SoftFloat80.h"

#include <climits>
#include <cmath>

#include "support/numbers/SoftFloat80Internal.h"

using namespace soft80::detail;

namespace soft80 {

bool IsNaN(SoftFloat80 x)
{
    const EKind kind = Unpack(x).Kind;
    return kind == EKind::NaN || kind == EKind::Invalid;
}

bool IsInf(SoftFloat80 x) { return Unpack(x).Kind == EKind::Infinite; }

bool IsFinite(SoftFloat80 x)
{
    const EKind kind = Unpack(x).Kind;
    return kind == EKind::Zero || kind == EKind::Finite;
}

SoftFloat80 ScaleByTwo(SoftFloat80 x, int n)
{
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::NaN || u.Kind == EKind::Invalid)
        return PropagateNaN(x);
    if (u.Kind != EKind::Finite)
        return x;
    const int64_t clamped = n > 40000 ? 40000 : (n < -40000 ? -40000 : n);
    return RoundPack(u.Negative, u.Exponent + clamped, u.Significand);
}

int ILogB(SoftFloat80 x)
{
    const TUnpacked u = Unpack(x);
    switch (u.Kind) {
    case EKind::Zero:
        return FP_ILOGB0;
    case EKind::Infinite:
        return INT_MAX;
    case EKind::NaN:
    case EKind::Invalid:
        return FP_ILOGBNAN;
    case EKind::Finite:
        break;
    }
    return u.Exponent + 63 - std::countl_zero(u.Significand);
}

SoftFloat80 Sqrt(SoftFloat80 x)
{
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::NaN || u.Kind == EKind::Invalid)
        return PropagateNaN(x);
    if (u.Kind == EKind::Zero)
        return x;
    if (u.Negative)
        return DefaultNaN;
    if (u.Kind == EKind::Infinite)
        return x;
    const int zeros = std::countl_zero(u.Significand);
    const uint64_t significand = u.Significand << zeros;
    const int64_t exponent = int64_t(u.Exponent) - zeros; // value = significand × 2^exponent
    // An even exponent for the radicand, and 127 or 128 bits of it.
    const bool odd = (exponent & 1) != 0;
    const UInt128 radicand = UInt128(significand) << (odd ? 63 : 64);
    const int64_t rootExponent = (exponent - (odd ? 63 : 64)) / 2;
    uint64_t root = 0;
    for (uint64_t bit = IntegerBit; bit != 0; bit >>= 1) {
        const UInt128 trial = root | bit;
        if (trial * trial <= radicand)
            root |= bit;
    }
    // The root is never halfway between two integers: the remainder beyond
    // root² tells whether the dropped part is above or below one half.
    const UInt128 remainder = radicand - UInt128(root) * root;
    const unsigned tail = remainder > root ? 3 : (remainder != 0 ? 1 : 0);
    return RoundPack(false, rootExponent - 2, (UInt128(root) << 2) | tail);
}

namespace {

enum class ERounding { NearestEven, Down, Up, TowardZero };

SoftFloat80 RoundToIntegral(SoftFloat80 x, ERounding mode)
{
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::NaN || u.Kind == EKind::Invalid)
        return PropagateNaN(x);
    if (u.Kind != EKind::Finite || u.Exponent >= 0)
        return x;
    const int fractionBits = -u.Exponent;
    uint64_t whole = 0;
    bool aboveHalf = false;
    bool exactlyHalf = false;
    const bool inexact = fractionBits >= 64 || (u.Significand & ((uint64_t(1) << fractionBits) - 1)) != 0;
    if (fractionBits <= 64) {
        const UInt128 wide = u.Significand;
        whole = static_cast<uint64_t>(wide >> fractionBits);
        const UInt128 fraction = wide & ((UInt128(1) << fractionBits) - 1);
        const UInt128 half = UInt128(1) << (fractionBits - 1);
        aboveHalf = fraction > half;
        exactlyHalf = fraction == half;
    }
    bool up = false;
    switch (mode) {
    case ERounding::NearestEven:
        up = aboveHalf || (exactlyHalf && (whole & 1) != 0);
        break;
    case ERounding::Down:
        up = u.Negative && inexact;
        break;
    case ERounding::Up:
        up = !u.Negative && inexact;
        break;
    case ERounding::TowardZero:
        break;
    }
    whole += up ? 1 : 0;
    if (whole == 0)
        return SignedZero(u.Negative);
    return RoundPack(u.Negative, 0, whole);
}

} // namespace

SoftFloat80 NearbyInt(SoftFloat80 x) { return RoundToIntegral(x, ERounding::NearestEven); }
SoftFloat80 Floor(SoftFloat80 x) { return RoundToIntegral(x, ERounding::Down); }
SoftFloat80 Ceil(SoftFloat80 x) { return RoundToIntegral(x, ERounding::Up); }
SoftFloat80 Trunc(SoftFloat80 x) { return RoundToIntegral(x, ERounding::TowardZero); }

SoftFloat80 NextAfter(SoftFloat80 x, SoftFloat80 toward)
{
    if (IsNaN(x) || IsNaN(toward))
        return x + toward;
    if (x == toward)
        return toward;
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::Zero)
        return SoftFloat80::FromBits(SignBit(toward) ? 0x8000 : 0, 1);
    const bool awayFromZero = (x < toward) == !u.Negative;
    if (u.Kind == EKind::Infinite)
        return RoundPack(u.Negative, 16384 - 64, ~uint64_t(0)); // the largest finite
    // Stepping the significand by one unit of the last place, in the
    // unnormalised form, and letting RoundPack re-encode it exactly.
    const int zeros = std::countl_zero(u.Significand);
    int64_t exponent = int64_t(u.Exponent) - zeros;
    UInt128 significand = UInt128(u.Significand << zeros);
    const int64_t smallestExponent = 1 - ExponentBias - 63;
    if (exponent < smallestExponent) { // a subnormal: its unit is fixed
        significand >>= smallestExponent - exponent;
        exponent = smallestExponent;
    }
    if (awayFromZero) {
        ++significand;
    } else {
        if (significand == IntegerBit && exponent > smallestExponent) {
            significand = (UInt128(1) << 64) - 1;
            --exponent;
        } else {
            --significand;
        }
    }
    return RoundPack(u.Negative, exponent, significand);
}

} // namespace soft80
