// The software sine against the true value (quadruple precision, x86-64
// only) and against the C library's sinl that the hardware type uses: it
// must stay within one unit in the last place of the truth; how often and
// by how much it differs from sinl is measured and printed. The random
// sample scales with KMITY_SOFT_SINE_ARGUMENTS (default 200,000).

#if defined(__x86_64__)

#include <gtest/gtest.h>

#include <quadmath.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "support/numbers/SoftFloat80.h"
#include "tests/support/numbers/SoftFloat80Checks.h"

using namespace softcheck;

namespace {

// |a - b| in units of the last place of the extended value a.
double UlpsApart(long double a, __float128 b)
{
    if (a == 0 && b == 0)
        return 0;
    const int exponent = a != 0 ? std::ilogb(a) : std::ilogb(static_cast<long double>(b));
    const __float128 ulp = scalbnq(1, std::max(exponent, -16382) - 63);
    return static_cast<double>(fabsq(static_cast<__float128>(a) - b) / ulp);
}

struct TComparison {
    long long Count = 0;
    long long DifferFromLibrary = 0;
    double MostUlpsFromLibrary = 0;
    double MostUlpsFromTruth = 0;
    long double WorstArgument = 0;

    void Add(long double x)
    {
        const long double soft = ToHardware(soft80::Sine(FromHardware(x)));
        const long double library = sinl(x);
        const double fromTruth = UlpsApart(soft, sinq(static_cast<__float128>(x)));
        ++Count;
        if (soft != library) {
            ++DifferFromLibrary;
            MostUlpsFromLibrary = std::max(MostUlpsFromLibrary, UlpsApart(soft, library));
        }
        if (fromTruth > MostUlpsFromTruth) {
            MostUlpsFromTruth = fromTruth;
            WorstArgument = x;
        }
    }

    void Print(const char* what) const
    {
        std::printf("%s: %lld arguments, %lld differ from sinl (at most %.3g ulp), at most %.3g ulp from the "
                    "true sine (at %La)\n",
                    what, Count, DifferFromLibrary, MostUlpsFromLibrary, MostUlpsFromTruth, WorstArgument);
    }
};

long long ArgumentCount()
{
    const char* text = std::getenv("KMITY_SOFT_SINE_ARGUMENTS");
    const long long n = text != nullptr ? std::atoll(text) : 0;
    return n > 0 ? n : 200000;
}

} // namespace

TEST(SoftSineAccuracy, RandomArgumentsBelowTwoToTheSixtyThirdAreWithinOneUlp)
{
    std::mt19937_64 rng(20260803);
    TComparison all;
    TComparison small; // |x| < 1000, where the run's arguments live
    for (long long i = 0; i < ArgumentCount(); ++i) {
        const uint64_t significand = rng() | 0x8000000000000000ull;
        const bool negative = rng() % 2 == 0;
        const int exponent = static_cast<int>(rng() % 133) - 70; // 2^-70 .. 2^63
        const long double x = std::ldexp(static_cast<long double>(significand), exponent - 63);
        all.Add(negative ? -x : x);
        small.Add(std::ldexp(static_cast<long double>(significand), -54) * (negative ? -1 : 1));
    }
    all.Print("2^-70..2^63");
    small.Print("0..1024");
    EXPECT_LT(all.MostUlpsFromTruth, 1.0);
    EXPECT_LT(small.MostUlpsFromTruth, 1.0);
}

// The default run: A = 5, omega = 1, phi = 0, t advancing by 0.1 from 0 by
// repeated addition; each elongation is stored as a double.
TEST(SoftSineAccuracy, DefaultRunPointsAgainstTheLibrarySine)
{
    TComparison arguments;
    int differingPoints = 0;
    double t = 0;
    for (int i = 0; i < 10000; ++i, t += 0.1) {
        const long double argument = static_cast<long double>(1.0) * t + 0.0;
        arguments.Add(argument);
        const double hardware = static_cast<double>(5 * sinl(argument));
        const double soft = static_cast<double>(SoftFloat80(5) * soft80::Sine(FromHardware(argument)));
        differingPoints += hardware != soft ? 1 : 0;
    }
    arguments.Print("default run");
    std::printf("default run: %d of the first 10000 points differ as doubles\n", differingPoints);
    EXPECT_LT(arguments.MostUlpsFromTruth, 1.0);
}

#endif
