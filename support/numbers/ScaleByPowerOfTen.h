#pragma once
#include "support/numbers/Float80.h"
// x × 10^n at extended precision with at most three multiplications (or
// divisions) by exact-as-possible constants. For |n| >= 5120 the result is
// beyond the extended range: an infinity for n > 0, zero for n < 0 (with the
// sign of x); zero, infinities and NaN are returned unchanged.

Float80 ScaleByPowerOfTen(Float80 x, int n);

// The three constant tables, exposed so that tests can check every entry is
// the correctly rounded extended value: 10^k, 10^(32k) and 10^(512k).
const Float80* PowersOfTenUnits(); // k = 0..31
const Float80* PowersOfTenThirtyTwos(); // k = 0..15
const Float80* PowersOfTenLarge(); // k = 0..9
