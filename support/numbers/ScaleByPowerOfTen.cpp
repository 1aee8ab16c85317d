#include "support/numbers/ScaleByPowerOfTen.h"

#include <cmath>
#include <cstdlib>

namespace {

// The compiler converts these decimal literals with correct rounding to the
// 64-bit significand; 10^0..10^27 are exact, the rest are nearest values.
constexpr long double Units[32] = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L, 1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
    1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L,
    1e31L};

constexpr long double ThirtyTwos[16] = {
    1e0L, 1e32L, 1e64L, 1e96L, 1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L};

constexpr long double Large[10] = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L,
    1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L};

constexpr int OutOfRangeExponent = 5120;

} // namespace

const long double* PowersOfTenUnits() { return Units; }
const long double* PowersOfTenThirtyTwos() { return ThirtyTwos; }
const long double* PowersOfTenLarge() { return Large; }

long double ScaleByPowerOfTen(long double x, int n)
{
    if (x == 0 || std::isinf(x) || std::isnan(x))
        return x;
    if (n >= OutOfRangeExponent)
        return std::copysign(HUGE_VALL, x);
    if (n <= -OutOfRangeExponent)
        return std::copysign(0.0L, x);

    // The smallest factor goes first: a result that ends in the subnormal
    // range is then rounded there only once, by the last operation.
    const int magnitude = std::abs(n);
    const long double factors[3] = {
        Units[magnitude % 32], ThirtyTwos[(magnitude / 32) % 16], Large[magnitude / 512]};
    const int indexes[3] = {magnitude % 32, (magnitude / 32) % 16, magnitude / 512};
    for (int i = 0; i < 3; ++i) {
        if (indexes[i] == 0)
            continue;
        x = n > 0 ? x * factors[i] : x / factors[i];
    }
    return x;
}
