// Pick's lattice count: the line-by-line count side by side with the plain scan
// of every point of the bounding box, where the scan can finish at all.
#include "triangle/PickCount.h"

#include <benchmark/benchmark.h>

#include <limits>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// A 1.2e4 x 1.2e4 box: 1.44e8 points for the scan.
const TLatticeTriangle kBox12k{{0, 0}, {12000, 5003}, {2999, 12000}};
// Coordinates of +-1e6: 4e12 points, out of the scan's reach.
const TLatticeTriangle kMillion{{-1000000, -1000000}, {1000000, -299999}, {-400001, 1000000}};
// The whole 32-bit box: 2^32 lines.
const TLatticeTriangle kWhole{{kMin, kMin}, {kMax, kMin + 1}, {kMin + 3, kMax}};

void Report(benchmark::State& state, const TPickCount& c)
{
    state.counters["interior"] = double(c.Interior);
    state.counters["boundary"] = double(c.Boundary);
}

void BM_Scan_Box12k(benchmark::State& state)
{
    TPickCount c;
    for (auto _ : state) benchmark::DoNotOptimize(c = ScanLatticePoints(kBox12k));
    Report(state, c);
}
BENCHMARK(BM_Scan_Box12k)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_Count_Box12k(benchmark::State& state)
{
    TPickCount c;
    for (auto _ : state) benchmark::DoNotOptimize(c = *CountLatticePoints(kBox12k));
    Report(state, c);
}
BENCHMARK(BM_Count_Box12k)->Unit(benchmark::kMicrosecond);

void BM_Count_Million(benchmark::State& state)
{
    TPickCount c;
    for (auto _ : state) benchmark::DoNotOptimize(c = *CountLatticePoints(kMillion));
    Report(state, c);
}
BENCHMARK(BM_Count_Million)->Unit(benchmark::kMillisecond);

// The whole box to the end, through the progress calls the program makes.
void BM_Count_Whole32(benchmark::State& state)
{
    TPickCount c;
    int64_t calls = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(c = *CountLatticePoints(kWhole, [&](double) { return ++calls > 0; }));
    Report(state, c);
    state.counters["progress_calls"] = double(calls);
}
BENCHMARK(BM_Count_Whole32)->Unit(benchmark::kSecond)->Iterations(1);

// Cancel at the first progress call: how long the program takes to stop.
void BM_Count_Whole32_Cancel(benchmark::State& state)
{
    bool stopped = false;
    for (auto _ : state) stopped = !CountLatticePoints(kWhole, [](double) { return false; }).has_value();
    state.counters["stopped"] = stopped;
}
BENCHMARK(BM_Count_Whole32_Cancel)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
