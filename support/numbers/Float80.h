#pragma once
// Float80: the 80-bit extended type of the program's arithmetic. On x86-64
// it is the processor's own long double; elsewhere, or when the build asks
// for it with KMITY_SOFT_FLOAT80, the software implementation of the same
// format, which gives the same bits.
//
// F80(1e4000) writes an extended literal for either (as 1e4000L would),
// F80_CONST declares a constant (constexpr where the type allows it), and
// f80:: names the math functions for both the extended type and the
// built-in ones: f80::fabs, f80::floor, f80::sin and so on, and the
// l-suffixed ones for the extended type (f80::sinl).

#include <cmath>
#include <limits>

#include "support/numbers/SoftFloat80.h"

#if defined(__x86_64__) && !defined(KMITY_SOFT_FLOAT80)
#define KMITY_HARDWARE_FLOAT80 1
static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the 80-bit extended format (64-bit significand)");
using Float80 = long double;
#define F80(literal) literal##L
#define F80_CONST constexpr
#else
#define KMITY_HARDWARE_FLOAT80 0
using Float80 = SoftFloat80;
// Each literal is converted once, on first use.
#define F80(literal)                                                                                                   \
    ([]() -> SoftFloat80 {                                                                                             \
        static const SoftFloat80 value = SoftFloat80::FromLiteral(#literal);                                           \
        return value;                                                                                                  \
    }())
#define F80_CONST const
#endif

namespace f80 {

using std::ceil;
using std::copysign;
using std::fabs;
using std::floor;
using std::ilogb;
using std::isfinite;
using std::isinf;
using std::isnan;
using std::ldexp;
using std::llround;
using std::nearbyint;
using std::nextafter;
using std::signbit;
using std::sin;
using std::sqrt;
using std::trunc;

inline SoftFloat80 fabs(SoftFloat80 x) { return soft80::Abs(x); }
inline SoftFloat80 copysign(SoftFloat80 x, SoftFloat80 s) { return soft80::CopySign(x, s); }
inline bool signbit(SoftFloat80 x) { return soft80::SignBit(x); }
inline bool isnan(SoftFloat80 x) { return soft80::IsNaN(x); }
inline bool isinf(SoftFloat80 x) { return soft80::IsInf(x); }
inline bool isfinite(SoftFloat80 x) { return soft80::IsFinite(x); }
inline SoftFloat80 floor(SoftFloat80 x) { return soft80::Floor(x); }
inline SoftFloat80 ceil(SoftFloat80 x) { return soft80::Ceil(x); }
inline SoftFloat80 trunc(SoftFloat80 x) { return soft80::Trunc(x); }
inline SoftFloat80 nearbyint(SoftFloat80 x) { return soft80::NearbyInt(x); }
inline SoftFloat80 ldexp(SoftFloat80 x, int n) { return soft80::ScaleByTwo(x, n); }
inline int ilogb(SoftFloat80 x) { return soft80::ILogB(x); }
inline SoftFloat80 sqrt(SoftFloat80 x) { return soft80::Sqrt(x); }
inline SoftFloat80 nextafter(SoftFloat80 x, SoftFloat80 y) { return soft80::NextAfter(x, y); }
inline SoftFloat80 sin(SoftFloat80 x) { return soft80::Sine(x); }
inline long long llround(SoftFloat80 x)
{
    const SoftFloat80 whole = soft80::Trunc(x);
    const SoftFloat80 rest = x - whole;
    const SoftFloat80 half = 0.5;
    return static_cast<long long>(whole + (rest >= half ? SoftFloat80(1) : rest <= -half ? SoftFloat80(-1) : 0));
}

// The l-suffixed forms: the argument is taken as an extended value.
inline Float80 sinl(Float80 x) { return sin(x); }
inline long long llroundl(Float80 x) { return llround(x); }

} // namespace f80
