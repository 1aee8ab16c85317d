#pragma once
// The software extended type beside the processor's long double (x86-64
// only): every operation and conversion on the same operands, compared bit
// for bit. Shared by the differential test and the fuzz target.

#if defined(__x86_64__)

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "support/numbers/SoftFloat80.h"

namespace softcheck {

inline long double ToHardware(SoftFloat80 x)
{
    long double value = 0;
    std::memset(&value, 0, sizeof value);
    std::memcpy(&value, &x.Significand, 8);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &x.SignExponent, 2);
    return value;
}

inline SoftFloat80 FromHardware(long double value)
{
    SoftFloat80 x;
    std::memcpy(&x.Significand, &value, 8);
    std::memcpy(&x.SignExponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return x;
}

inline std::string Hex(SoftFloat80 x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04X:%016llX", x.SignExponent, static_cast<unsigned long long>(x.Significand));
    return text;
}

template <typename T>
uint64_t BitsOf(T value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof value);
    return bits;
}

// The operations with two extended operands; each gives extended bits.
enum EBinary { Add, Subtract, Multiply, Divide, BinaryCount };
inline const char* BinaryName(int op)
{
    static const char* const names[] = {"+", "-", "*", "/"};
    return names[op];
}

// The same operation on either type: the hardware's long double or ours.
template <class T>
T ApplyBinary(int op, T a, T b)
{
    switch (op) {
    case Add:
        return a + b;
    case Subtract:
        return a - b;
    case Multiply:
        return a * b;
    default:
        return a / b;
    }
}

// Comparisons give a mask of (==, <, <=, >, >=, !=).
template <class T>
unsigned CompareMask(T a, T b)
{
    return (a == b) | (a < b) << 1 | (a <= b) << 2 | (a > b) << 3 | (a >= b) << 4 | (a != b) << 5;
}

// Operations of one extended operand, with their names; results as bits
// (extended ones folded into 64 bits with the sign and exponent on top).
enum EUnary { ToDouble, ToFloat, ToInt64, Sqrt, NearbyInt, Floor, Ceil, Trunc, ILogB, Negate, UnaryCount };
inline const char* UnaryName(int op)
{
    static const char* const names[] = {"double", "float", "int64", "sqrt",  "nearbyint",
                                        "floor",  "ceil",  "trunc", "ilogb", "negate"};
    return names[op];
}

// A unary result: extended bits, or an integer's bits with High = 0x10000
// (0x20000 where the operation is undefined for the operand).
struct TResult {
    uint64_t Low = 0;
    uint32_t High = 0;
    friend bool operator==(TResult, TResult) = default;
};
inline TResult Folded(SoftFloat80 x) { return {x.Significand, x.SignExponent}; }
inline TResult Folded(uint64_t x) { return {x, 0x10000}; }
inline std::string Text(TResult r)
{
    return r.High > 0xFFFF ? std::to_string(r.Low) : Hex(SoftFloat80::FromBits(uint16_t(r.High), r.Low));
}

inline TResult HardwareUnary(int op, long double a)
{
    switch (op) {
    case ToDouble:
        return Folded(BitsOf(static_cast<double>(a)));
    case ToFloat:
        return Folded(BitsOf(static_cast<float>(a)));
    case ToInt64: // only in range: outside it the conversion is undefined
        return std::fabs(a) < 0x1p63L ? Folded(static_cast<uint64_t>(static_cast<int64_t>(a))) : TResult{0, 0x20000};
    case Sqrt:
        return Folded(FromHardware(std::sqrt(a)));
    case NearbyInt:
        return Folded(FromHardware(std::nearbyint(a)));
    case Floor:
        return Folded(FromHardware(std::floor(a)));
    case Ceil:
        return Folded(FromHardware(std::ceil(a)));
    case Trunc:
        return Folded(FromHardware(std::trunc(a)));
    case ILogB: {
        // An encoding the processor takes for no number (an unnormal, a
        // pseudo-infinity or a pseudo-NaN: exponent field set, integer bit
        // clear) is an invalid operand, so its exponent is FP_ILOGBNAN.
        // MinGW's ilogbl gives the integer indefinite for it instead, while
        // it gives FP_ILOGBNAN for true NaNs; glibc gives FP_ILOGBNAN for
        // both.
        const SoftFloat80 x = FromHardware(a);
        if ((x.SignExponent & 0x7FFF) != 0 && (x.Significand >> 63) == 0)
            return Folded(static_cast<uint64_t>(FP_ILOGBNAN));
        return Folded(static_cast<uint64_t>(std::ilogb(a)));
    }
    default:
        return Folded(FromHardware(-a));
    }
}

inline TResult SoftUnary(int op, SoftFloat80 a)
{
    switch (op) {
    case ToDouble:
        return Folded(BitsOf(static_cast<double>(a)));
    case ToFloat:
        return Folded(BitsOf(static_cast<float>(a)));
    case ToInt64:
        return std::fabs(ToHardware(a)) < 0x1p63L ? Folded(static_cast<uint64_t>(static_cast<int64_t>(a)))
                                                  : TResult{0, 0x20000};
    case Sqrt:
        return Folded(soft80::Sqrt(a));
    case NearbyInt:
        return Folded(soft80::NearbyInt(a));
    case Floor:
        return Folded(soft80::Floor(a));
    case Ceil:
        return Folded(soft80::Ceil(a));
    case Trunc:
        return Folded(soft80::Trunc(a));
    case ILogB:
        return Folded(static_cast<uint64_t>(soft80::ILogB(a)));
    default:
        return Folded(-a);
    }
}

// A description of the first difference for these operands, or "".
inline std::string BinaryMismatch(int op, SoftFloat80 a, SoftFloat80 b)
{
    const SoftFloat80 hardware = FromHardware(ApplyBinary(op, ToHardware(a), ToHardware(b)));
    const SoftFloat80 soft = ApplyBinary(op, a, b);
    if (hardware.SignExponent == soft.SignExponent && hardware.Significand == soft.Significand)
        return "";
    return Hex(a) + " " + BinaryName(op) + " " + Hex(b) + ": hardware " + Hex(hardware) + ", soft " + Hex(soft);
}

inline std::string CompareMismatch(SoftFloat80 a, SoftFloat80 b)
{
    const unsigned hardware = CompareMask(ToHardware(a), ToHardware(b));
    const unsigned soft = CompareMask(a, b);
    if (hardware == soft)
        return "";
    return "compare " + Hex(a) + " with " + Hex(b) + ": hardware " + std::to_string(hardware) + ", soft " +
           std::to_string(soft);
}

inline std::string UnaryMismatch(int op, SoftFloat80 a)
{
    const TResult hardware = HardwareUnary(op, ToHardware(a));
    const TResult soft = SoftUnary(op, a);
    if (hardware == soft)
        return "";
    return std::string(UnaryName(op)) + "(" + Hex(a) + "): hardware " + Text(hardware) + ", soft " + Text(soft);
}

// Conversions into the extended type.
inline std::string FromDoubleMismatch(uint64_t bits)
{
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    float f = 0;
    const uint32_t low = static_cast<uint32_t>(bits);
    std::memcpy(&f, &low, sizeof f);
    const int64_t i = static_cast<int64_t>(bits);
    const SoftFloat80 pairs[][2] = {
        {FromHardware(static_cast<long double>(d)), SoftFloat80(d)},
        {FromHardware(static_cast<long double>(f)), SoftFloat80(f)},
        {FromHardware(static_cast<long double>(i)), SoftFloat80(i)},
        {FromHardware(static_cast<long double>(bits)), SoftFloat80(bits)},
    };
    static const char* const names[] = {"from double", "from float", "from int64", "from uint64"};
    for (int k = 0; k < 4; ++k) {
        if (pairs[k][0].SignExponent != pairs[k][1].SignExponent || pairs[k][0].Significand != pairs[k][1].Significand)
            return std::string(names[k]) + " " + std::to_string(bits) + ": hardware " + Hex(pairs[k][0]) + ", soft " +
                   Hex(pairs[k][1]);
    }
    return "";
}

inline std::string ScaleMismatch(SoftFloat80 a, int n)
{
    // A NaN, or an encoding the processor takes for no number, comes back as
    // the processor's own arithmetic gives it: quieted with its payload, or
    // the default NaN. glibc's ldexpl scales it with the processor and so
    // gives that; MinGW's returns it untouched, a signalling one too. The
    // multiplier is volatile so that the compiler keeps the multiplication.
    const long double x = ToHardware(a);
    volatile long double one = 1.0L;
    const SoftFloat80 hardware = FromHardware(x != x ? x * one : std::ldexp(x, n));
    const SoftFloat80 soft = soft80::ScaleByTwo(a, n);
    if (hardware.SignExponent == soft.SignExponent && hardware.Significand == soft.Significand)
        return "";
    return "ldexp(" + Hex(a) + ", " + std::to_string(n) + "): hardware " + Hex(hardware) + ", soft " + Hex(soft);
}

} // namespace softcheck

#endif
