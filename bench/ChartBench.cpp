// Paint and step cost of the window's charts at growing numbers of points,
// and the heap a series of ten million points takes.
#include <benchmark/benchmark.h>

#include "chart/Chart.h"
#include "chart/LineSeries.h"
#include "tests/support/WindowSizeChart.h"

#include <malloc.h>

#include <cmath>
#include <cstdint>
#include <memory>

namespace {

using TBenchChart = TWindowSizeChart;

// x by repeated addition of 0.1, as the run loop's time; y = 10 sin x.
void FillSine(TChartSeries& series, int64_t count, double& x)
{
    for (int64_t i = 0; i < count; ++i) {
        series.AddPoint(x, 10 * std::sin(x), "", clDefault);
        x = x + 0.1;
    }
}

// Paints of a chart with the given number of points, on a screen of the
// given device-pixel ratio (0: the widget's own).
void PaintRepeatedly(benchmark::State& state, double ratio)
{
    TBenchChart chart("Kmity 1");
    if (ratio > 0)
        chart.Chart->ForcePictureRatio(ratio);
    double x = 0;
    FillSine(*chart.Series, state.range(0), x);
    chart.Render(); // the first paint sizes the off-screen bitmap
    for (auto _ : state)
        chart.Render();
    state.counters["points"] = static_cast<double>(state.range(0));
}

void BM_PaintChartAtRatio(benchmark::State& state, double ratio) { PaintRepeatedly(state, ratio); }
BENCHMARK_CAPTURE(BM_PaintChartAtRatio, 2, 2.0)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PaintChartAtRatio, 1.5, 1.5)->Arg(1000)->Arg(10000000)->Unit(benchmark::kMicrosecond);

void BM_PaintChart(benchmark::State& state) { PaintRepeatedly(state, 0); }
BENCHMARK(BM_PaintChart)->Arg(1000)->Arg(100000)->Arg(1000000)->Arg(10000000)->Unit(benchmark::kMicrosecond);

// One step of the run loop: a point for each of the three charts, then a
// paint of each.
void BM_Step(benchmark::State& state)
{
    TBenchChart charts[3] = {TBenchChart("Kmity 1"), TBenchChart("Kmity 2"), TBenchChart("Kmity složené")};
    double x = 0;
    for (TBenchChart& c : charts) {
        double cx = 0;
        FillSine(*c.Series, state.range(0), cx);
        x = cx;
        c.Render();
    }
    for (auto _ : state) {
        const double y1 = 5 * std::sin(x);
        const double y2 = 5 * std::cos(x);
        charts[0].Series->AddPoint(x, y1, "", clDefault);
        charts[1].Series->AddPoint(x, y2, "", clDefault);
        charts[2].Series->AddPoint(x, y1 + y2, "", clDefault);
        for (TBenchChart& c : charts)
            c.Render();
        x = x + 0.1;
    }
}
BENCHMARK(BM_Step)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Heap bytes per point of a series filled by the run loop's kind of append,
// and whether emptying the series gives them back: first the series alone,
// then in a chart painted once (the paint summarises the Y values; its own
// caches of label texts stay, a few kilobytes).
void BM_SeriesMemory(benchmark::State& state)
{
    constexpr int64_t count = 10000000;
    for (auto _ : state) {
        double x = 0;
        auto* alone = new TLineSeries;
        // The first appends of a program allocate a few kilobytes of the
        // runtime's own once; they are not the points'.
        FillSine(*alone, 1000, x);
        alone->ClearPoints();
        x = 0;
        const size_t beforeAlone = HeapInUse();
        FillSine(*alone, count, x);
        const size_t filledAlone = HeapInUse();
        alone->ClearPoints();
        const size_t clearedAlone = HeapInUse();
        delete alone;

        TBenchChart chart("Kmity 1");
        chart.Render();
        const size_t before = HeapInUse();
        x = 0;
        FillSine(*chart.Series, count, x);
        chart.Render();
        const size_t filled = HeapInUse();
        chart.Series->ClearPoints();
        chart.Render();
        const size_t cleared = HeapInUse();

        const auto signedDiff = [](size_t a, size_t b) { return static_cast<double>(a) - static_cast<double>(b); };
        state.counters["bytes_per_point"] = signedDiff(filled, before) / count;
        state.counters["bytes_per_point_unpainted"] = signedDiff(filledAlone, beforeAlone) / count;
        state.counters["kept_after_clear"] = signedDiff(cleared, before);
        state.counters["kept_after_clear_unpainted"] = signedDiff(clearedAlone, beforeAlone);
        if (clearedAlone > beforeAlone || cleared > before + 65536)
            state.SkipWithError("ClearPoints kept the memory of the points");
    }
}
BENCHMARK(BM_SeriesMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
