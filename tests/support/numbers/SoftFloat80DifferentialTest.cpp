// The software extended type against the processor's long double on x86-64:
// the same operands through every operation and conversion must give the
// same bits. Operands are random bit patterns, random canonical values and
// values at the boundaries (zero, subnormals, the smallest normal, the
// largest finite, infinities, NaNs), often with short significands so that
// results land exactly halfway between two neighbours. The run scales with
// KMITY_SOFT_FLOAT80_OPERANDS (operands per operation, default 1,000,000).

#include "tests/support/numbers/SoftFloat80Checks.h"

#if defined(__x86_64__)

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

using namespace softcheck;

namespace {

uint64_t OperandsPerOperation()
{
    const char* text = std::getenv("KMITY_SOFT_FLOAT80_OPERANDS");
    const long long n = text != nullptr ? std::atoll(text) : 0;
    return n > 0 ? static_cast<uint64_t>(n) : 1000000;
}

// A significand that is often short (trailing zeros), so that sums and
// products are often exact or exactly halfway.
uint64_t RandomSignificand(std::mt19937_64& rng)
{
    const uint64_t bits = rng();
    switch (rng() % 6) {
    case 0:
        return 0x8000000000000000ull;
    case 1:
        return ~0ull;
    case 2:
        return 0x8000000000000001ull;
    case 3:
        return bits & (~0ull << (rng() % 64));
    default:
        return bits;
    }
}

uint16_t BoundaryField(std::mt19937_64& rng)
{
    static const uint16_t fields[] = {0, 1, 2, 0x7FFE, 0x7FFD, 0x7FFF, 0x3C01, 0x3BCD, 0x43FE, 0x3F81, 0x407E, 0x3FBE};
    if (rng() % 2 == 0)
        return fields[rng() % (sizeof fields / sizeof fields[0])];
    return static_cast<uint16_t>(0x3FFF - 70 + rng() % 140); // around 1, where integers round
}

SoftFloat80 Canonical(uint16_t field, uint64_t significand, bool negative)
{
    if (field == 0)
        significand &= ~0x8000000000000000ull;
    else
        significand |= 0x8000000000000000ull;
    return SoftFloat80::FromBits(static_cast<uint16_t>(field | (negative ? 0x8000 : 0)), significand);
}

SoftFloat80 RandomOperand(std::mt19937_64& rng)
{
    const bool negative = rng() % 2 == 0;
    switch (rng() % 4) {
    case 0:
        return SoftFloat80::FromBits(static_cast<uint16_t>(rng()), rng()); // anything, unnormals too
    case 1:
        return Canonical(static_cast<uint16_t>(rng() % 0x8000), rng(), negative);
    default:
        return Canonical(BoundaryField(rng), RandomSignificand(rng), negative);
    }
}

// A second operand near the first in exponent, for cancellation and for
// alignments that put the other operand just at the rounding position.
SoftFloat80 NearbyOperand(std::mt19937_64& rng, SoftFloat80 a)
{
    if (rng() % 3 == 0)
        return RandomOperand(rng);
    const int field = (a.SignExponent & 0x7FFF) + static_cast<int>(rng() % 141) - 70;
    const int clamped = field < 0 ? 0 : (field > 0x7FFF ? 0x7FFF : field);
    return Canonical(static_cast<uint16_t>(clamped), RandomSignificand(rng), rng() % 2 == 0);
}

} // namespace

TEST(SoftFloat80Differential, ArithmeticAndComparisonsGiveTheHardwareBits)
{
    std::mt19937_64 rng(20260801);
    const uint64_t count = OperandsPerOperation();
    for (int op = 0; op < BinaryCount; ++op) {
        for (uint64_t i = 0; i < count; ++i) {
            const SoftFloat80 a = RandomOperand(rng);
            const SoftFloat80 b = NearbyOperand(rng, a);
            ASSERT_EQ(BinaryMismatch(op, a, b), "");
            ASSERT_EQ(op == 0 ? CompareMismatch(a, b) : "", "");
        }
    }
}

TEST(SoftFloat80Differential, ConversionsRoundingAndRootsGiveTheHardwareBits)
{
    std::mt19937_64 rng(20260802);
    const uint64_t count = OperandsPerOperation();
    for (int op = 0; op < UnaryCount; ++op) {
        for (uint64_t i = 0; i < count; ++i)
            ASSERT_EQ(UnaryMismatch(op, RandomOperand(rng)), "");
    }
    for (uint64_t i = 0; i < count; ++i) {
        // Doubles and integers: raw bits, and boundary doubles (subnormal,
        // largest, NaN payloads) through the same patterns.
        const uint64_t bits = rng() % 2 == 0 ? rng() : (rng() % 0x800) << 52 | (RandomSignificand(rng) >> 12);
        ASSERT_EQ(FromDoubleMismatch(bits), "");
        const int n = rng() % 2 == 0 ? static_cast<int>(rng() % 200) - 100 : static_cast<int>(rng() % 40000) - 20000;
        ASSERT_EQ(ScaleMismatch(RandomOperand(rng), n), "");
    }
}

// Literals are read as the compiler reads them: every power of ten the
// program tabulates, and values that round, underflow or need all 64 bits.
TEST(SoftFloat80Differential, LiteralsGiveTheCompilersBits)
{
#define LITERAL(text)                                                                                                  \
    {                                                                                                                  \
#text, text##L                                                                                                 \
    }
    const std::pair<const char*, long double> literals[] = {LITERAL(1e0),
                                                            LITERAL(1e1),
                                                            LITERAL(1e2),
                                                            LITERAL(1e3),
                                                            LITERAL(1e4),
                                                            LITERAL(1e5),
                                                            LITERAL(1e6),
                                                            LITERAL(1e7),
                                                            LITERAL(1e8),
                                                            LITERAL(1e9),
                                                            LITERAL(1e10),
                                                            LITERAL(1e11),
                                                            LITERAL(1e12),
                                                            LITERAL(1e13),
                                                            LITERAL(1e14),
                                                            LITERAL(1e15),
                                                            LITERAL(1e16),
                                                            LITERAL(1e17),
                                                            LITERAL(1e18),
                                                            LITERAL(1e19),
                                                            LITERAL(1e20),
                                                            LITERAL(1e21),
                                                            LITERAL(1e22),
                                                            LITERAL(1e23),
                                                            LITERAL(1e24),
                                                            LITERAL(1e25),
                                                            LITERAL(1e26),
                                                            LITERAL(1e27),
                                                            LITERAL(1e28),
                                                            LITERAL(1e29),
                                                            LITERAL(1e30),
                                                            LITERAL(1e31),
                                                            LITERAL(1e32),
                                                            LITERAL(1e64),
                                                            LITERAL(1e96),
                                                            LITERAL(1e128),
                                                            LITERAL(1e160),
                                                            LITERAL(1e192),
                                                            LITERAL(1e224),
                                                            LITERAL(1e256),
                                                            LITERAL(1e288),
                                                            LITERAL(1e320),
                                                            LITERAL(1e352),
                                                            LITERAL(1e384),
                                                            LITERAL(1e416),
                                                            LITERAL(1e448),
                                                            LITERAL(1e480),
                                                            LITERAL(1e512),
                                                            LITERAL(1e1024),
                                                            LITERAL(1e1536),
                                                            LITERAL(1e2048),
                                                            LITERAL(1e2560),
                                                            LITERAL(1e3072),
                                                            LITERAL(1e3584),
                                                            LITERAL(1e4096),
                                                            LITERAL(1e4608),
                                                            LITERAL(0.1),
                                                            LITERAL(0.01),
                                                            LITERAL(12.3456),
                                                            LITERAL(999.9996),
                                                            LITERAL(2147483647.0),
                                                            LITERAL(999999999999999999.5),
                                                            LITERAL(36451995318824746025.0),
                                                            LITERAL(1e-4000),
                                                            LITERAL(1e-4950),
                                                            LITERAL(3.6e-4951),
                                                            LITERAL(1.18973149535723176502e4932),
                                                            LITERAL(0x8EFA351294E9C8AEp-69),
                                                            LITERAL(0x1p63),
                                                            LITERAL(0x1p-16445),
                                                            LITERAL(.5),
                                                            LITERAL(1.),
                                                            LITERAL(2.5e-10),
                                                            LITERAL(0.00012345)};
#undef LITERAL
    for (const auto& [text, expected] : literals)
        EXPECT_EQ(Hex(SoftFloat80::FromLiteral(text)), Hex(FromHardware(expected))) << text;
}

#endif
