#include "support/numbers/ExtendedMath.h"

#include <cstring>

TExtendedBits ExtendedBitsOf(Float80 value)
{
#if !KMITY_HARDWARE_FLOAT80
    return TExtendedBits{value.SignExponent, value.Significand};
#else
    // x87 extended layout, little-endian: 8 bytes of significand, then the
    // sign bit and 15-bit exponent.
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, sizeof(long double));
    TExtendedBits bits;
    std::memcpy(&bits.Significand, bytes, 8);
    std::memcpy(&bits.SignExponent, bytes + 8, 2);
    return bits;
#endif
}
