#pragma once
// SoftFloat80: the 80-bit extended format (sign, 15-bit exponent, 64-bit
// significand with an explicit integer bit) computed in software, so that a
// processor without such a unit gives the same bits as one with it. Every
// operation rounds once, to nearest with ties to even, at 64 bits, results
// below the normal range included; NaNs propagate as the extended unit
// propagates them and invalid operations give its default NaN.

#include <concepts>
#include <cstdint>
#include <limits>
#include <string_view>

class SoftFloat80 {
public:
    constexpr SoftFloat80() = default;
    SoftFloat80(double value);
    SoftFloat80(float value) : SoftFloat80(static_cast<double>(value)) {}
    template <std::signed_integral T>
    SoftFloat80(T value) : SoftFloat80(FromInt64(static_cast<int64_t>(value)))
    {
    }
    template <std::unsigned_integral T>
    SoftFloat80(T value) : SoftFloat80(FromUInt64(static_cast<uint64_t>(value)))
    {
    }

    static constexpr SoftFloat80 FromBits(uint16_t signExponent, uint64_t significand)
    {
        SoftFloat80 v;
        v.SignExponent = signExponent;
        v.Significand = significand;
        return v;
    }
    static SoftFloat80 FromInt64(int64_t value);
    static SoftFloat80 FromUInt64(uint64_t value);
    // A decimal or hexadecimal floating literal without suffix ("1e4000",
    // "0x8EFA351294E9C8AEp-69"), rounded once to the nearest value.
    static SoftFloat80 FromLiteral(std::string_view text);

    explicit operator double() const;
    explicit operator float() const;
    // Truncation toward zero; out of range and NaN give the integer
    // indefinite 0x8000000000000000, as the processor's store does.
    explicit operator int64_t() const;
    template <std::integral T>
    requires(!std::same_as<T, int64_t> && !std::same_as<T, bool>) explicit operator T() const
    {
        return static_cast<T>(static_cast<int64_t>(*this));
    }

    friend SoftFloat80 operator+(SoftFloat80 a, SoftFloat80 b);
    friend SoftFloat80 operator-(SoftFloat80 a, SoftFloat80 b);
    friend SoftFloat80 operator*(SoftFloat80 a, SoftFloat80 b);
    friend SoftFloat80 operator/(SoftFloat80 a, SoftFloat80 b);
    friend constexpr SoftFloat80 operator-(SoftFloat80 a)
    {
        return FromBits(static_cast<uint16_t>(a.SignExponent ^ 0x8000), a.Significand);
    }
    friend constexpr SoftFloat80 operator+(SoftFloat80 a) { return a; }
    SoftFloat80& operator+=(SoftFloat80 b) { return *this = *this + b; }
    SoftFloat80& operator-=(SoftFloat80 b) { return *this = *this - b; }
    SoftFloat80& operator*=(SoftFloat80 b) { return *this = *this * b; }
    SoftFloat80& operator/=(SoftFloat80 b) { return *this = *this / b; }

    friend bool operator==(SoftFloat80 a, SoftFloat80 b);
    friend bool operator<(SoftFloat80 a, SoftFloat80 b);
    friend bool operator!=(SoftFloat80 a, SoftFloat80 b) { return !(a == b); }
    friend bool operator>(SoftFloat80 a, SoftFloat80 b) { return b < a; }
    friend bool operator<=(SoftFloat80 a, SoftFloat80 b) { return a < b || a == b; }
    friend bool operator>=(SoftFloat80 a, SoftFloat80 b) { return b < a || a == b; }

    uint16_t SignExponent = 0;
    uint64_t Significand = 0;
};

namespace soft80 {

// The extended unit's answer to an invalid operation: negative, quiet,
// nothing but the two top significand bits.
constexpr SoftFloat80 DefaultNaN = SoftFloat80::FromBits(0xFFFF, 0xC000000000000000ull);
constexpr SoftFloat80 Infinity = SoftFloat80::FromBits(0x7FFF, 0x8000000000000000ull);

bool IsNaN(SoftFloat80 x);
bool IsInf(SoftFloat80 x);
bool IsFinite(SoftFloat80 x);
inline bool SignBit(SoftFloat80 x) { return (x.SignExponent & 0x8000) != 0; }
inline SoftFloat80 Abs(SoftFloat80 x) { return SoftFloat80::FromBits(x.SignExponent & 0x7FFF, x.Significand); }
inline SoftFloat80 CopySign(SoftFloat80 x, SoftFloat80 s)
{
    return SoftFloat80::FromBits(static_cast<uint16_t>((x.SignExponent & 0x7FFF) | (s.SignExponent & 0x8000)),
                                 x.Significand);
}
// x × 2^n with a single rounding.
SoftFloat80 ScaleByTwo(SoftFloat80 x, int n);
// The exponent of x as ilogb gives it (FP_ILOGB0, FP_ILOGBNAN, INT_MAX).
int ILogB(SoftFloat80 x);
SoftFloat80 Sqrt(SoftFloat80 x);
// Rounding to an integer value: to nearest even, down, up, toward zero.
SoftFloat80 NearbyInt(SoftFloat80 x);
SoftFloat80 Floor(SoftFloat80 x);
SoftFloat80 Ceil(SoftFloat80 x);
SoftFloat80 Trunc(SoftFloat80 x);
SoftFloat80 NextAfter(SoftFloat80 x, SoftFloat80 toward);
// The sine, within one unit in the last place for |x| < 2^63; the
// argument reduction is exact there. Larger arguments give NaN, as the
// processor's instruction leaves them unreduced; callers that need a value
// there apply their own rule.
SoftFloat80 Sine(SoftFloat80 x);

} // namespace soft80

template <>
class std::numeric_limits<SoftFloat80> {
public:
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr int radix = 2;
    static constexpr int digits = 64;
    static constexpr int min_exponent = -16381;
    static constexpr int max_exponent = 16384;
    static constexpr SoftFloat80 infinity() { return soft80::Infinity; }
    static constexpr SoftFloat80 quiet_NaN() { return SoftFloat80::FromBits(0x7FFF, 0xC000000000000000ull); }
    static constexpr SoftFloat80 max() { return SoftFloat80::FromBits(0x7FFE, ~0ull); }
    static constexpr SoftFloat80 lowest() { return SoftFloat80::FromBits(0xFFFE, ~0ull); }
    static constexpr SoftFloat80 min() { return SoftFloat80::FromBits(0x0001, 0x8000000000000000ull); }
    static constexpr SoftFloat80 denorm_min() { return SoftFloat80::FromBits(0x0000, 1); }
    static constexpr SoftFloat80 epsilon() { return SoftFloat80::FromBits(0x3FC0, 0x8000000000000000ull); }
};
