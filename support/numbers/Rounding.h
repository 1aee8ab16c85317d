#pragma once
// The rounding rules of the program, each named once.
//  - pixel conversions of values: nearest, ties to even (RoundHalfEven);
//  - percentages of sizes (MulDiv): 64-bit intermediate, nearest, halves away
//    from zero;
//  - integer layout arithmetic truncates toward zero (C++ '/' on integers).

#include <cmath>
#include <cstdint>

// Nearest integer, ties to even: 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
// Precondition: the result fits the target type; callers check the range.
inline int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

// a * b / c with a 64-bit intermediate, rounded to nearest, halves away from
// zero; -1 for c = 0, as the platform function reports it.
// MulDiv(3, 816, 100) = 24 (24.48), MulDiv(1, 3, 2) = 2, MulDiv(-1, 3, 2) = -2.
inline int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    int64_t product = static_cast<int64_t>(a) * b;
    bool negative = (product < 0) != (c < 0);
    uint64_t num = static_cast<uint64_t>(product < 0 ? -product : product);
    uint64_t den = static_cast<uint64_t>(c < 0 ? -static_cast<int64_t>(c) : c);
    uint64_t q = (num + den / 2) / den;
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q));
}

// Truncation toward zero of a double, spelled out where an algorithm asks for it.
inline double TruncToward0(double value) { return std::trunc(value); }
