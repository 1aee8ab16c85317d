// Conversions between the software extended format and double, float and
// 64-bit integers, with the processor's rounding and special values.

#include "support/numbers/SoftFloat80.h"

#include <cstring>

#include "support/numbers/SoftFloat80Internal.h"

using namespace soft80::detail;

namespace {

// A binary interchange format narrower than the extended one.
struct TNarrowFormat {
    int Precision; // significand bits, the hidden one included
    int ExponentBits; // width of the exponent field
};

constexpr TNarrowFormat DoubleFormat{53, 11};
constexpr TNarrowFormat FloatFormat{24, 8};

// The bits of x rounded to nearest even in the given format.
uint64_t NarrowBits(SoftFloat80 x, TNarrowFormat format)
{
    TUnpacked u = Unpack(x);
    const int width = format.Precision - 1 + format.ExponentBits; // the sign's place
    const uint64_t sign = u.Negative ? uint64_t(1) << width : 0;
    const uint64_t maxField = (uint64_t(1) << format.ExponentBits) - 1;
    const uint64_t infinity = maxField << (format.Precision - 1);
    const uint64_t quiet = uint64_t(1) << (format.Precision - 2);
    switch (u.Kind) {
    case EKind::Zero:
        return sign;
    case EKind::Infinite:
        return sign | infinity;
    case EKind::Invalid:
        return (uint64_t(1) << width) | infinity | quiet;
    case EKind::NaN:
        return sign | infinity | quiet | ((u.Significand << 1) >> (65 - format.Precision));
    case EKind::Finite:
        break;
    }
    const int zeros = std::countl_zero(u.Significand);
    const uint64_t significand = u.Significand << zeros;
    const int64_t unbiased = int64_t(u.Exponent) - zeros + 63;
    const int64_t bias = int64_t(maxField >> 1);
    const int64_t field = unbiased + bias;
    if (field >= int64_t(maxField))
        return sign | infinity;
    int shift = 64 - format.Precision;
    if (field <= 0)
        shift += int(std::min<int64_t>(1 - field, 64));
    if (shift >= 66)
        return sign; // below half the smallest subnormal
    const UInt128 wide = UInt128(significand);
    uint64_t kept = static_cast<uint64_t>(wide >> shift);
    const UInt128 rest = wide & ((UInt128(1) << shift) - 1);
    const UInt128 half = UInt128(1) << (shift - 1);
    if (rest > half || (rest == half && (kept & 1) != 0))
        ++kept;
    // Adding the kept significand, hidden bit included, to the field less
    // one lets a carry out of the significand raise the exponent, and turns
    // a subnormal that rounds up into the smallest normal.
    const uint64_t base = field > 0 ? uint64_t(field - 1) << (format.Precision - 1) : 0;
    return sign | (base + kept);
}

} // namespace

SoftFloat80::SoftFloat80(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int field = static_cast<int>((bits >> 52) & 0x7FF);
    const uint64_t fraction = bits & ((uint64_t(1) << 52) - 1);
    if (field == 0x7FF) {
        // A signalling NaN comes in quietened, as the processor loads it.
        *this = fraction == 0 ? SignedInfinity(negative)
                              : FromBits(negative ? 0xFFFF : 0x7FFF, IntegerBit | QuietBit | (fraction << 11));
        return;
    }
    if (field == 0) {
        *this = RoundPack(negative, -1074, fraction);
        return;
    }
    *this = FromBits(static_cast<uint16_t>((negative ? 0x8000 : 0) | (field - 1023 + ExponentBias)),
                     IntegerBit | (fraction << 11));
}

SoftFloat80 SoftFloat80::FromInt64(int64_t value)
{
    const bool negative = value < 0;
    const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    if (magnitude == 0)
        return SoftFloat80();
    return RoundPack(negative, 0, magnitude);
}

SoftFloat80 SoftFloat80::FromUInt64(uint64_t value)
{
    if (value == 0)
        return SoftFloat80();
    return RoundPack(false, 0, value);
}

SoftFloat80::operator double() const
{
    const uint64_t bits = NarrowBits(*this, DoubleFormat);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

SoftFloat80::operator float() const
{
    const uint32_t bits = static_cast<uint32_t>(NarrowBits(*this, FloatFormat));
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

SoftFloat80::operator int64_t() const
{
    constexpr uint64_t indefinite = 0x8000000000000000ull;
    const TUnpacked u = Unpack(*this);
    if (u.Kind == EKind::Zero)
        return 0;
    if (u.Kind != EKind::Finite)
        return static_cast<int64_t>(indefinite);
    // From 2^63 on nothing fits but -2^63, whose bits are the indefinite's.
    if (u.Exponent >= 0)
        return static_cast<int64_t>(indefinite);
    if (u.Exponent <= -64)
        return 0;
    const uint64_t magnitude = u.Significand >> -u.Exponent;
    if (magnitude >= indefinite)
        return static_cast<int64_t>(indefinite);
    return u.Negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
}
