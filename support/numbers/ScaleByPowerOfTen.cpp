#include "support/numbers/ScaleByPowerOfTen.h"

#include "support/numbers/Float80.h"

#include <cmath>
#include <cstdlib>

namespace {

// The compiler converts these decimal literals with correct rounding to the
// 64-bit significand; 10^0..10^27 are exact, the rest are nearest values.
F80_CONST Float80 Units[32] = {F80(1e0),  F80(1e1),  F80(1e2),  F80(1e3),  F80(1e4),  F80(1e5),  F80(1e6),  F80(1e7),
                               F80(1e8),  F80(1e9),  F80(1e10), F80(1e11), F80(1e12), F80(1e13), F80(1e14), F80(1e15),
                               F80(1e16), F80(1e17), F80(1e18), F80(1e19), F80(1e20), F80(1e21), F80(1e22), F80(1e23),
                               F80(1e24), F80(1e25), F80(1e26), F80(1e27), F80(1e28), F80(1e29), F80(1e30), F80(1e31)};

F80_CONST Float80 ThirtyTwos[16] = {F80(1e0),   F80(1e32),  F80(1e64),  F80(1e96),  F80(1e128), F80(1e160),
                                    F80(1e192), F80(1e224), F80(1e256), F80(1e288), F80(1e320), F80(1e352),
                                    F80(1e384), F80(1e416), F80(1e448), F80(1e480)};

F80_CONST Float80 Large[10] = {F80(1e0),    F80(1e512),  F80(1e1024), F80(1e1536), F80(1e2048),
                               F80(1e2560), F80(1e3072), F80(1e3584), F80(1e4096), F80(1e4608)};

constexpr int OutOfRangeExponent = 5120;

} // namespace

const Float80* PowersOfTenUnits() { return Units; }
const Float80* PowersOfTenThirtyTwos() { return ThirtyTwos; }
const Float80* PowersOfTenLarge() { return Large; }

Float80 ScaleByPowerOfTen(Float80 x, int n)
{
    if (x == 0 || f80::isinf(x) || f80::isnan(x))
        return x;
    if (n >= OutOfRangeExponent)
        return f80::copysign(std::numeric_limits<Float80>::infinity(), x);
    if (n <= -OutOfRangeExponent)
        return f80::copysign(F80(0.0), x);

    // The smallest factor goes first: a result that ends in the subnormal
    // range is then rounded there only once, by the last operation.
    const int magnitude = std::abs(n);
    const Float80 factors[3] = {Units[magnitude % 32], ThirtyTwos[(magnitude / 32) % 16], Large[magnitude / 512]};
    const int indexes[3] = {magnitude % 32, (magnitude / 32) % 16, magnitude / 512};
    for (int i = 0; i < 3; ++i) {
        if (indexes[i] == 0)
            continue;
        x = n > 0 ? x * factors[i] : x / factors[i];
    }
    return x;
}
