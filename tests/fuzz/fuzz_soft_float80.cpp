// Fuzzes the software extended type against the processor's long double:
// two operands, a double's bits and a scale taken from the input go through
// every operation and conversion, and any difference in the result bits is
// a finding.

#include "tests/support/numbers/SoftFloat80Checks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

using namespace softcheck;

namespace {

[[noreturn]] void Fail(const std::string& mismatch)
{
    std::fprintf(stderr, "software extended type differs: %s\n", mismatch.c_str());
    std::abort();
}

void Check(const std::string& mismatch)
{
    if (!mismatch.empty())
        Fail(mismatch);
}

SoftFloat80 Operand(FuzzedDataProvider& input)
{
    const uint16_t signExponent = input.ConsumeIntegral<uint16_t>();
    return SoftFloat80::FromBits(signExponent, input.ConsumeIntegral<uint64_t>());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const SoftFloat80 a = Operand(input);
    const SoftFloat80 b = Operand(input);
    for (int op = 0; op < BinaryCount; ++op)
        Check(BinaryMismatch(op, a, b));
    Check(CompareMismatch(a, b));
    for (int op = 0; op < UnaryCount; ++op)
        Check(UnaryMismatch(op, a));
    Check(FromDoubleMismatch(input.ConsumeIntegral<uint64_t>()));
    Check(ScaleMismatch(b, input.ConsumeIntegralInRange<int>(-40000, 40000)));
    return 0;
}
