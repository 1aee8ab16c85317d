#pragma once
// x × 10^n at extended precision with at most three multiplications (or
// divisions) by exact-as-possible constants. For |n| >= 5120 the result is
// beyond the extended range: an infinity for n > 0, zero for n < 0 (with the
// sign of x); zero, infinities and NaN are returned unchanged.

long double ScaleByPowerOfTen(long double x, int n);

// The three constant tables, exposed so that tests can check every entry is
// the correctly rounded extended value: 10^k, 10^(32k) and 10^(512k).
const long double* PowersOfTenUnits();      // k = 0..31
const long double* PowersOfTenThirtyTwos(); // k = 0..15
const long double* PowersOfTenLarge();      // k = 0..9
