// Fuzzes FormatNumberMask with arbitrary masks and values: finite ones of
// both precisions, subnormals of both, infinities, not-a-numbers and the
// neighbours of 1e18 (where a mask gives way to the general form), under
// several pairs of marks. The length limit counts characters: a mask of at
// most 224 bytes is never refused, one with more than 224 characters must
// raise "Format string too long" (a byte that is not a UTF-8 continuation
// byte always begins a character of its own, so counting those gives a lower
// bound). Any mask that is accepted formats every value without an exception,
// infinities and not-a-numbers in the general form, and the text stays within
// a bound set by the mask's length.

#include "support/numbers/FormatNumberMask.h"
#include "support/numbers/FormatSettings.h"
#include "support/runtime/Exceptions.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

struct TMarks {
    char32_t Decimal;
    char32_t Thousands;
};

// The two usual pairs, no thousands mark, and four-byte marks (the longest
// text per placeholder).
constexpr TMarks MarkChoices[] = {
    {U'.', U','}, {U',', U'.'}, {U',', U'\u00A0'}, {U'.', U'\0'}, {U'\U0001D7D8', U'\U0001D7D9'}};

long double PickValue(FuzzedDataProvider& input)
{
    switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0: {
        // Any double bit pattern: normals, subnormals, zeros, infinities, NaNs.
        const uint64_t bits = input.ConsumeIntegral<uint64_t>();
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    case 1: {
        // Any extended value the arithmetic can produce: a normalised
        // 64-bit significand at any exponent, subnormals included.
        const uint64_t significand = input.ConsumeIntegral<uint64_t>() | (uint64_t{1} << 63);
        const int exponent = input.ConsumeIntegralInRange(-16445, 16384);
        const long double v = std::ldexp(static_cast<long double>(significand), exponent - 64);
        return input.ConsumeBool() ? -v : v;
    }
    case 2: {
        // Around the largest magnitude a mask can write without the general form.
        long double v = 1e18L;
        for (int steps = input.ConsumeIntegralInRange(-3, 3); steps != 0; steps += steps > 0 ? -1 : 1)
            v = std::nextafter(v, steps > 0 ? 2e18L : 0.0L);
        return input.ConsumeBool() ? -v : v;
    }
    case 3:
        return input.ConsumeBool() ? 999999999999999999.5L : 999999999999999999.4L;
    case 4:
        return input.ConsumeBool() ? std::numeric_limits<long double>::infinity()
                                   : -std::numeric_limits<long double>::infinity();
    case 5:
        return std::numeric_limits<long double>::quiet_NaN();
    case 6:
        return input.ConsumeBool() ? std::numeric_limits<long double>::denorm_min()
                                   : std::numeric_limits<double>::denorm_min();
    default:
        return static_cast<long double>(input.ConsumeFloatingPoint<double>());
    }
}

// At least one character starts at every byte that is not a continuation
// byte (10xxxxxx); a stray continuation byte is a character too, so this
// never counts more characters than the mask has.
std::size_t CountCharacterStarts(const std::string& text)
{
    std::size_t count = 0;
    for (const char byte : text)
        count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

[[noreturn]] void Fail(const char* what, const std::string& mask, long double value)
{
    std::fprintf(stderr, "%s: mask [%s] value %.21Lg\n", what, mask.c_str(), value);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const TMarks& marks = MarkChoices[input.ConsumeIntegralInRange<std::size_t>(0, std::size(MarkChoices) - 1)];
    FormatSettings().DecimalMark = marks.Decimal;
    FormatSettings().ThousandsMark = marks.Thousands;
    const long double value = PickValue(input);
    const std::string mask = input.ConsumeRemainingBytesAsString();

    std::string text;
    try {
        text = FormatNumberMask(mask, value);
    } catch (const EConvertError& error) {
        if (mask.size() <= 224 || std::strcmp(error.what(), "Format string too long") != 0)
            Fail(error.what(), mask, value);
        return 0;
    }
    if (CountCharacterStarts(mask) > 224)
        Fail("a mask over 224 characters was accepted", mask, value);

    // Per mask byte at most a digit with a four-byte thousands mark; once a
    // four-byte decimal mark, a sign, up to 18 digits more for an integer
    // part the mask has no room for, and an exponent.
    if (text.size() > 5 * mask.size() + 128)
        Fail("text longer than the mask allows", mask, value);
    if (std::isnan(value) && text != "NAN")
        Fail(("not-a-number gave " + text).c_str(), mask, value);
    if (std::isinf(value) && text != (value > 0 ? "INF" : "-INF"))
        Fail(("infinity gave " + text).c_str(), mask, value);
    return 0;
}
