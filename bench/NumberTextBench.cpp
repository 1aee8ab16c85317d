#include "support/numbers/Float80.h"
#include <benchmark/benchmark.h>

#include <string>

#include "support/numbers/FormatNumberMask.h"
#include "support/numbers/ParseFloatText.h"

// The six edit-box texts of a typical run, parsed on every "Start".
static void BM_ParseFloatText(benchmark::State& state)
{
    const char* texts[] = {"5", "1", "0", "-12.375", " 3.14159265358979 ", "6.02214076e23"};
    for (auto _ : state) {
        for (const char* text : texts) {
            Float80 value = ParseFloatText(text);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_ParseFloatText);

// Axis labels under the default mask, across magnitudes and signs.
static void BM_FormatNumberMask(benchmark::State& state)
{
    const Float80 values[] = {0, 5, -F80(2.5), F80(12.3456), F80(999.9996), F80(1234567.891), F80(0.0005), F80(1e18)};
    for (auto _ : state) {
        for (Float80 value : values) {
            std::string text = FormatNumberMask("#,##0.###", value);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * 8);
}
BENCHMARK(BM_FormatNumberMask);
