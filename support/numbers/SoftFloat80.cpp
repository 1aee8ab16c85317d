// The software extended format: unpacking, the single rounding step, NaN
// propagation and the four operations with their comparisons.

#include "support/numbers/SoftFloat80.h"

#include "support/numbers/SoftFloat80Internal.h"

namespace soft80::detail {

TUnpacked Unpack(SoftFloat80 x)
{
    TUnpacked u;
    u.Negative = (x.SignExponent & 0x8000) != 0;
    const int field = x.SignExponent & 0x7FFF;
    const uint64_t s = x.Significand;
    const bool integerBit = (s & IntegerBit) != 0;
    // A denormal has the exponent of the smallest normal, without the
    // integer bit; a pseudo-denormal is read the same way with it.
    u.Exponent = (field == 0 ? 1 : field) - ExponentBias - 63;
    u.Significand = s;
    if (field == MaxExponentField) {
        if (!integerBit)
            u.Kind = EKind::Invalid;
        else
            u.Kind = (s << 1) == 0 ? EKind::Infinite : EKind::NaN;
        return u;
    }
    if (field == 0) {
        u.Kind = s == 0 ? EKind::Zero : EKind::Finite;
    } else {
        u.Kind = integerBit ? EKind::Finite : EKind::Invalid;
    }
    return u;
}

SoftFloat80 RoundPack(bool negative, int64_t exponent, UInt128 magnitude)
{
    if (magnitude == 0)
        return SignedZero(negative);
    const int zeros = LeadingZeros128(magnitude);
    magnitude <<= zeros;
    exponent -= zeros;
    // The value is now (magnitude / 2^127) × 2^(exponent + 127).
    int64_t field = exponent + 127 + ExponentBias;
    if (field >= MaxExponentField)
        return SignedInfinity(negative);
    if (field <= 0) {
        magnitude = ShiftRightSticky(magnitude, 1 - field);
        field = 0;
    }
    uint64_t significand = static_cast<uint64_t>(magnitude >> 64);
    const uint64_t rest = static_cast<uint64_t>(magnitude);
    constexpr uint64_t half = 0x8000000000000000ull;
    if (rest > half || (rest == half && (significand & 1) != 0)) {
        ++significand;
        if (significand == 0) {
            significand = IntegerBit;
            if (++field >= MaxExponentField)
                return SignedInfinity(negative);
        } else if (field == 0 && (significand & IntegerBit) != 0) {
            field = 1; // rounded up out of the subnormal range
        }
    }
    const uint16_t signExponent = static_cast<uint16_t>((negative ? 0x8000 : 0) | field);
    return SoftFloat80::FromBits(signExponent, significand);
}

SoftFloat80 PropagateNaN(SoftFloat80 a, SoftFloat80 b)
{
    const EKind ka = Unpack(a).Kind;
    const EKind kb = Unpack(b).Kind;
    if (ka == EKind::Invalid || kb == EKind::Invalid)
        return DefaultNaN;
    if (ka != EKind::NaN)
        return PropagateNaN(b);
    if (kb != EKind::NaN)
        return PropagateNaN(a);
    // Two NaNs: the larger significand wins; on a tie the positive one.
    SoftFloat80 chosen = a;
    if (b.Significand > a.Significand || (b.Significand == a.Significand && (b.SignExponent & 0x8000) == 0))
        chosen = b;
    return PropagateNaN(chosen);
}

SoftFloat80 PropagateNaN(SoftFloat80 a)
{
    if (Unpack(a).Kind != EKind::NaN)
        return DefaultNaN;
    return SoftFloat80::FromBits(a.SignExponent, a.Significand | QuietBit);
}

} // namespace soft80::detail

using namespace soft80::detail;

namespace {

bool IsNaNOrInvalid(EKind kind) { return kind == EKind::NaN || kind == EKind::Invalid; }

SoftFloat80 AddMagnitudes(TUnpacked a, TUnpacked b)
{
    if (a.Exponent < b.Exponent)
        std::swap(a, b);
    // 62 bits of headroom below the significand: enough for exact rounding
    // whatever the cancellation, with the sticky bit below them.
    const UInt128 ma = UInt128(a.Significand) << 62;
    const UInt128 mb = ShiftRightSticky(UInt128(b.Significand) << 62, int64_t(a.Exponent) - b.Exponent);
    const int64_t exponent = int64_t(a.Exponent) - 62;
    if (a.Negative == b.Negative)
        return RoundPack(a.Negative, exponent, ma + mb);
    if (ma == mb)
        return SignedZero(false);
    if (ma > mb)
        return RoundPack(a.Negative, exponent, ma - mb);
    return RoundPack(b.Negative, exponent, mb - ma);
}

SoftFloat80 Add(SoftFloat80 x, SoftFloat80 y)
{
    const TUnpacked a = Unpack(x);
    const TUnpacked b = Unpack(y);
    if (IsNaNOrInvalid(a.Kind) || IsNaNOrInvalid(b.Kind))
        return PropagateNaN(x, y);
    if (a.Kind == EKind::Infinite || b.Kind == EKind::Infinite) {
        if (a.Kind == EKind::Infinite && b.Kind == EKind::Infinite && a.Negative != b.Negative)
            return soft80::DefaultNaN;
        return SignedInfinity(a.Kind == EKind::Infinite ? a.Negative : b.Negative);
    }
    if (a.Kind == EKind::Zero && b.Kind == EKind::Zero)
        return SignedZero(a.Negative && b.Negative);
    return AddMagnitudes(a, b);
}

// Shifts a nonzero significand until its integer bit is set.
void Normalise(TUnpacked& u)
{
    const int zeros = std::countl_zero(u.Significand);
    u.Significand <<= zeros;
    u.Exponent -= zeros;
}

} // namespace

SoftFloat80 operator+(SoftFloat80 a, SoftFloat80 b) { return Add(a, b); }

SoftFloat80 operator-(SoftFloat80 a, SoftFloat80 b)
{
    // Subtracting a NaN propagates it with its own sign.
    const EKind kb = Unpack(b).Kind;
    if (IsNaNOrInvalid(kb) || IsNaNOrInvalid(Unpack(a).Kind))
        return PropagateNaN(a, b);
    return Add(a, -b);
}

SoftFloat80 operator*(SoftFloat80 x, SoftFloat80 y)
{
    const TUnpacked a = Unpack(x);
    const TUnpacked b = Unpack(y);
    if (IsNaNOrInvalid(a.Kind) || IsNaNOrInvalid(b.Kind))
        return PropagateNaN(x, y);
    const bool negative = a.Negative != b.Negative;
    if (a.Kind == EKind::Infinite || b.Kind == EKind::Infinite) {
        if (a.Kind == EKind::Zero || b.Kind == EKind::Zero)
            return soft80::DefaultNaN;
        return SignedInfinity(negative);
    }
    if (a.Kind == EKind::Zero || b.Kind == EKind::Zero)
        return SignedZero(negative);
    return RoundPack(negative, int64_t(a.Exponent) + b.Exponent, UInt128(a.Significand) * b.Significand);
}

SoftFloat80 operator/(SoftFloat80 x, SoftFloat80 y)
{
    TUnpacked a = Unpack(x);
    TUnpacked b = Unpack(y);
    if (IsNaNOrInvalid(a.Kind) || IsNaNOrInvalid(b.Kind))
        return PropagateNaN(x, y);
    const bool negative = a.Negative != b.Negative;
    if (a.Kind == EKind::Infinite)
        return b.Kind == EKind::Infinite ? soft80::DefaultNaN : SignedInfinity(negative);
    if (b.Kind == EKind::Infinite)
        return SignedZero(negative);
    if (b.Kind == EKind::Zero)
        return a.Kind == EKind::Zero ? soft80::DefaultNaN : SignedInfinity(negative);
    if (a.Kind == EKind::Zero)
        return SignedZero(negative);
    Normalise(a);
    Normalise(b);
    // Two long-division steps give 128 quotient bits of a/b × 2^64; the
    // top 66 and a sticky bit for the rest are all that rounding needs.
    const UInt128 dividend = UInt128(a.Significand) << 64;
    const UInt128 high = dividend / b.Significand;
    const UInt128 remainder = dividend % b.Significand;
    const UInt128 next = (remainder << 64) / b.Significand;
    const bool inexact = ((remainder << 64) % b.Significand) != 0 || (next & 3) != 0;
    const UInt128 quotient = (high << 62) | (next >> 2) | (inexact ? 1 : 0);
    return RoundPack(negative, int64_t(a.Exponent) - b.Exponent - 126, quotient);
}

namespace {

// The magnitude as one ordered number: exponent field above significand,
// denormals and pseudo-denormals placed as the value they stand for.
UInt128 OrderedMagnitude(SoftFloat80 x)
{
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::Zero)
        return 0;
    return (UInt128(static_cast<uint64_t>(u.Exponent + 0x10000)) << 64) | u.Significand;
}

} // namespace

bool operator==(SoftFloat80 a, SoftFloat80 b)
{
    if (IsNaNOrInvalid(Unpack(a).Kind) || IsNaNOrInvalid(Unpack(b).Kind))
        return false;
    const UInt128 ma = OrderedMagnitude(a);
    const UInt128 mb = OrderedMagnitude(b);
    if (ma == 0 && mb == 0)
        return true;
    return ma == mb && soft80::SignBit(a) == soft80::SignBit(b);
}

bool operator<(SoftFloat80 a, SoftFloat80 b)
{
    if (IsNaNOrInvalid(Unpack(a).Kind) || IsNaNOrInvalid(Unpack(b).Kind))
        return false;
    const UInt128 ma = OrderedMagnitude(a);
    const UInt128 mb = OrderedMagnitude(b);
    if (ma == 0 && mb == 0)
        return false;
    const bool na = soft80::SignBit(a) && ma != 0;
    const bool nb = soft80::SignBit(b) && mb != 0;
    if (na != nb)
        return na;
    return na ? ma > mb : ma < mb;
}
