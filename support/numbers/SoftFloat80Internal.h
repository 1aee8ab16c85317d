#pragma once
// The pieces the software extended arithmetic shares between its files:
// the classes of an encoding, the unpacked form, and the one rounding step
// that every operation ends with.

#include "support/Portable.h"
#include "support/numbers/SoftFloat80.h"

#include <bit>

namespace soft80::detail {

using ::UInt128;

constexpr int ExponentBias = 16383;
constexpr int MaxExponentField = 0x7FFF;
constexpr uint64_t IntegerBit = 0x8000000000000000ull;
constexpr uint64_t QuietBit = 0x4000000000000000ull;

// Unnormals, pseudo-infinities and pseudo-NaNs are Invalid: the extended
// unit refuses them as operands. Pseudo-denormals (exponent field 0 with the
// integer bit set) are Finite and read as the processor reads them.
enum class EKind { Zero, Finite, Infinite, NaN, Invalid };

// A finite value is Significand × 2^Exponent; the significand need not be
// normalised (subnormals and pseudo-denormals).
struct TUnpacked {
    EKind Kind = EKind::Zero;
    bool Negative = false;
    int Exponent = 0;
    uint64_t Significand = 0;
};

TUnpacked Unpack(SoftFloat80 x);

inline int LeadingZeros128(UInt128 m)
{
    const uint64_t high = static_cast<uint64_t>(m >> 64);
    if (high != 0)
        return std::countl_zero(high);
    return 64 + std::countl_zero(static_cast<uint64_t>(m));
}

// m shifted right by `shift` bits, any bit shifted out kept as a 1 in the
// lowest place so that rounding still sees it.
inline UInt128 ShiftRightSticky(UInt128 m, int64_t shift)
{
    if (shift <= 0)
        return m;
    if (shift >= 128)
        return m != 0 ? 1 : 0;
    const UInt128 lost = m & ((UInt128(1) << shift) - 1);
    return (m >> shift) | (lost != 0 ? 1 : 0);
}

// (negative ? -1 : 1) × magnitude × 2^exponent rounded once to the extended
// format: nearest, ties to even, gradual underflow, overflow to infinity.
// The lowest bit of magnitude may be a sticky bit standing for a nonzero
// remainder below it, provided it lies below the rounding position.
SoftFloat80 RoundPack(bool negative, int64_t exponent, UInt128 magnitude);

// The result of an operation with a NaN or an invalid operand.
SoftFloat80 PropagateNaN(SoftFloat80 a, SoftFloat80 b);
SoftFloat80 PropagateNaN(SoftFloat80 a);

inline SoftFloat80 SignedZero(bool negative) { return SoftFloat80::FromBits(negative ? 0x8000 : 0, 0); }

inline SoftFloat80 SignedInfinity(bool negative)
{
    return SoftFloat80::FromBits(negative ? 0xFFFF : 0x7FFF, IntegerBit);
}

} // namespace soft80::detail
