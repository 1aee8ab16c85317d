#pragma once
// One elongation of a harmonic oscillation, x = A * sin(omega * t + phi),
// carried at extended precision and rounded to double only when stored.

#include "support/numbers/ExtendedMath.h"
#include "support/numbers/Float80.h"

// Raises EOverflow only if the product leaves the double range, which an
// amplitude within it cannot do; kept checked like every store.
inline double Elongation(double amplitude, double omega, double phase, double time)
{
    const Float80 argument = static_cast<Float80>(omega) * time + phase;
    return NarrowToDouble(amplitude * SineExtended(argument));
}

// The composed elongation; two amplitudes near the largest double in phase
// overflow here.
inline double ElongationSum(double first, double second)
{
    return NarrowToDouble(static_cast<Float80>(first) + second);
}
