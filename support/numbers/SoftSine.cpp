// The sine of the software extended format. The argument is reduced
// exactly modulo pi/2 with 448 bits of 2/pi (enough below 2^63, where every
// extended value's last bit is worth at most 1/2), the reduced argument is
// kept as a sum of two extended values, and Taylor polynomials evaluated in
// the extended format finish it on [-pi/4, pi/4].

#include "support/numbers/SoftFloat80.h"

#include <array>

#include "support/numbers/SoftFloat80Internal.h"

using namespace soft80::detail;

namespace {

// 2/pi × 2^448, truncated, most significant word first.
constexpr uint64_t TwoOverPi[7] = {0xA2F9836E4E441529ull, 0xFC2757D1F534DDC0ull, 0xDB6295993C439041ull,
                                   0xFE5163ABDEBBC561ull, 0xB7246E3A424DD2E0ull, 0x06492EEA09D1921Cull,
                                   0xFE1DEB1CB129A73Eull};
// pi/2 × 2^127, truncated.
constexpr UInt128 PiOverTwo = (UInt128(0xC90FDAA22168C234ull) << 64) | 0xC4C6628B80DC1CD1ull;

// 1/n! rounded once, with alternating signs, for the two series.
struct TSeries {
    std::array<SoftFloat80, 12> Sine; // -1/3!, +1/5!, ..., +1/25!
    std::array<SoftFloat80, 11> Cosine; // +1/4!, -1/6!, ..., +1/24!
};

const TSeries& Series()
{
    static const TSeries series = [] {
        TSeries s;
        SoftFloat80 factorial = 1; // n! is exact in 64 bits up to 25!
        for (int n = 2; n <= 25; ++n) {
            factorial = factorial * SoftFloat80(n);
            const SoftFloat80 term = SoftFloat80(1) / factorial;
            if (n % 2 == 1)
                s.Sine[(n - 3) / 2] = (n / 2) % 2 == 1 ? -term : term;
            else if (n >= 4)
                s.Cosine[(n - 4) / 2] = (n / 2) % 2 == 1 ? -term : term;
        }
        return s;
    }();
    return series;
}

template <size_t N>
SoftFloat80 Horner(const std::array<SoftFloat80, N>& coefficients, SoftFloat80 z)
{
    SoftFloat80 sum = coefficients[N - 1];
    for (size_t i = N - 1; i-- > 0;)
        sum = coefficients[i] + z * sum;
    return sum;
}

// sin(hi + lo) for |hi + lo| <= pi/4, lo well below one unit of hi.
SoftFloat80 SineKernel(SoftFloat80 hi, SoftFloat80 lo)
{
    const SoftFloat80 z = hi * hi;
    const SoftFloat80 tail = z * hi * Horner(Series().Sine, z);
    const SoftFloat80 correction = lo - lo * z * SoftFloat80(0.5);
    return hi + (tail + correction);
}

// cos(hi + lo) on the same range. The rounding error of 1 - z/2 is
// recovered exactly and added back with the small terms.
SoftFloat80 CosineKernel(SoftFloat80 hi, SoftFloat80 lo)
{
    const SoftFloat80 z = hi * hi;
    const SoftFloat80 halfZ = z * SoftFloat80(0.5);
    const SoftFloat80 w = SoftFloat80(1) - halfZ;
    const SoftFloat80 lost = (SoftFloat80(1) - w) - halfZ;
    return w + (lost + (z * z * Horner(Series().Cosine, z) - hi * lo));
}

// Bits [position, position + 64) of a little-endian multiword number.
uint64_t BitsAt(const std::array<uint64_t, 8>& words, int position)
{
    uint64_t result = 0;
    for (int i = 0; i < 64; ++i) {
        const int bit = position + i;
        if (bit >= 0 && bit < 512 && ((words[bit / 64] >> (bit % 64)) & 1) != 0)
            result |= uint64_t(1) << i;
    }
    return result;
}

struct TReduced {
    unsigned Quadrant = 0;
    SoftFloat80 Hi;
    SoftFloat80 Lo;
};

// |x| = (Quadrant + r / (pi/2)) with r = Hi + Lo in [-pi/4, pi/4].
TReduced Reduce(uint64_t significand, int exponent)
{
    std::array<uint64_t, 8> product{};
    for (int i = 0; i < 7; ++i) {
        // word 6 - i of 2/pi (least significant first) times the significand
        UInt128 carry = UInt128(TwoOverPi[6 - i]) * significand;
        for (int k = i; carry != 0 && k < 8; ++k) {
            const UInt128 sum = UInt128(product[k]) + static_cast<uint64_t>(carry);
            product[k] = static_cast<uint64_t>(sum);
            carry = (carry >> 64) + (sum >> 64);
        }
    }
    // |x| × 2/pi = product × 2^(exponent - 448): the binary point sits at
    // bit 448 - exponent.
    const int point = 448 - exponent;
    TReduced reduced;
    reduced.Quadrant = static_cast<unsigned>(BitsAt(product, point) & 3);
    std::array<uint64_t, 4> fraction; // 256 bits below the point, top word first
    for (int w = 0; w < 4; ++w)
        fraction[w] = BitsAt(product, point - 64 * (w + 1));
    bool negative = false;
    if ((fraction[0] >> 63) != 0) { // past half a quadrant: measure from the next one
        negative = true;
        ++reduced.Quadrant;
        uint64_t borrow = 0;
        for (int w = 3; w >= 0; --w) {
            const UInt128 d = UInt128(0) - fraction[w] - borrow;
            fraction[w] = static_cast<uint64_t>(d);
            borrow = (d >> 64) != 0 ? 1 : 0;
        }
    }
    int lead = 0;
    while (lead < 4 && fraction[lead] == 0)
        ++lead;
    if (lead == 4)
        return reduced;
    // The top 128 bits of the normalised fraction, then times pi/2.
    const int zeros = std::countl_zero(fraction[lead]);
    const uint64_t w0 = fraction[lead];
    const uint64_t w1 = lead + 1 < 4 ? fraction[lead + 1] : 0;
    const uint64_t w2 = lead + 2 < 4 ? fraction[lead + 2] : 0;
    const uint64_t high = zeros == 0 ? w0 : (w0 << zeros) | (w1 >> (64 - zeros));
    const uint64_t low = zeros == 0 ? w1 : (w1 << zeros) | (w2 >> (64 - zeros));
    const UInt128 top = (UInt128(high) << 64) | low;
    const int fractionExponent = -64 * lead - zeros - 128; // fraction = top × 2^this
    // top × PiOverTwo as 256 bits; its upper 128 bits are kept.
    const UInt128 a1 = top >> 64, a0 = static_cast<uint64_t>(top);
    const UInt128 b1 = PiOverTwo >> 64, b0 = static_cast<uint64_t>(PiOverTwo);
    const UInt128 middle = (a0 * b0 >> 64) + static_cast<uint64_t>(a1 * b0) + static_cast<uint64_t>(a0 * b1);
    const UInt128 upper = a1 * b1 + ((a1 * b0) >> 64) + ((a0 * b1) >> 64) + (middle >> 64);
    const int64_t exponentOfUpper = int64_t(fractionExponent) - 127 + 128;
    const int zerosUpper = LeadingZeros128(upper);
    const UInt128 normalised = upper << zerosUpper;
    const int64_t e = exponentOfUpper - zerosUpper;
    reduced.Hi = RoundPack(negative, e + 64, normalised >> 64);
    reduced.Lo = RoundPack(negative, e, static_cast<uint64_t>(normalised));
    return reduced;
}

} // namespace

namespace soft80 {

SoftFloat80 Sine(SoftFloat80 x)
{
    const TUnpacked u = Unpack(x);
    if (u.Kind == EKind::NaN || u.Kind == EKind::Invalid)
        return PropagateNaN(x);
    if (u.Kind == EKind::Infinite)
        return DefaultNaN;
    if (u.Kind == EKind::Zero)
        return x;
    const SoftFloat80 magnitude = Abs(x);
    const SoftFloat80 quarterPi = SoftFloat80::FromBits(0x3FFE, 0xC90FDAA22168C234ull); // below pi/4
    SoftFloat80 result;
    if (magnitude <= quarterPi) {
        result = SineKernel(magnitude, SoftFloat80());
    } else {
        const int zeros = std::countl_zero(u.Significand);
        const int exponent = u.Exponent - zeros;
        if (exponent >= 0) // |x| >= 2^63
            return DefaultNaN;
        const TReduced r = Reduce(u.Significand << zeros, exponent);
        switch (r.Quadrant & 3) {
        case 0:
            result = SineKernel(r.Hi, r.Lo);
            break;
        case 1:
            result = CosineKernel(r.Hi, r.Lo);
            break;
        case 2:
            result = -SineKernel(r.Hi, r.Lo);
            break;
        default:
            result = -CosineKernel(r.Hi, r.Lo);
            break;
        }
    }
    return u.Negative ? -result : result;
}

} // namespace soft80
