// Pick's lattice count: the floor-sum count beside the former per-column count
// and the plain scan of every point of the bounding box, where these finish.
#include "Reference.h"
#include "triangle/PickCount.h"

#include <benchmark/benchmark.h>

#include <limits>
#include <random>
#include <vector>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// A 1.2e4 x 1.2e4 box: 1.44e8 points for the scan.
const TLatticeTriangle kBox12k{{0, 0}, {12000, 5003}, {2999, 12000}};
// Coordinates of +-1e6: 4e12 points, out of the scan's reach.
const TLatticeTriangle kMillion{{-1000000, -1000000}, {1000000, -299999}, {-400001, 1000000}};
// The whole 32-bit box: 2^32 lines for the former count.
const TLatticeTriangle kWhole{{kMin, kMin}, {kMax, kMin + 1}, {kMin + 3, kMax}};
// Sides with slopes of neighbouring Fibonacci numbers: the most rounds of the
// floor sums that 32-bit coordinates allow.
const TLatticeTriangle kFibonacci{
    {kMin, kMin}, {kMin + 1836311903, kMin + 1134903170}, {kMin + 1134903170, kMin + 701408733}};

void Report(benchmark::State& state, const TPickCount& c)
{
    state.counters["interior"] = double(c.Interior);
    state.counters["boundary"] = double(c.Boundary);
}

void Time(benchmark::State& state, TPickCount (*count)(const TLatticeTriangle&), const TLatticeTriangle& t)
{
    TPickCount c;
    for (auto _ : state) benchmark::DoNotOptimize(c = count(t));
    Report(state, c);
}

void BM_Scan(benchmark::State& state, const TLatticeTriangle& t) { Time(state, reference::ScanLatticePoints, t); }
void BM_PerColumn(benchmark::State& state, const TLatticeTriangle& t) { Time(state, reference::CountLatticePoints, t); }
void BM_Count(benchmark::State& state, const TLatticeTriangle& t) { Time(state, CountLatticePoints, t); }

BENCHMARK_CAPTURE(BM_Scan, Box12k, kBox12k)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_PerColumn, Box12k, kBox12k)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Count, Box12k, kBox12k)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PerColumn, Million, kMillion)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Count, Million, kMillion)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_PerColumn, Whole32, kWhole)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Count, Whole32, kWhole)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Count, Fibonacci, kFibonacci)->Unit(benchmark::kMicrosecond);

// Random triangles anywhere in the 32-bit range, time per triangle.
void BM_Count_RandomWhole32(benchmark::State& state)
{
    std::mt19937 random(1);
    std::vector<TLatticeTriangle> triangles(1024);
    const auto c = [&] { return int32_t(random()); };
    for (TLatticeTriangle& t : triangles) t = {{c(), c()}, {c(), c()}, {c(), c()}};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(CountLatticePoints(triangles[i++ % triangles.size()]));
}
BENCHMARK(BM_Count_RandomWhole32)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
