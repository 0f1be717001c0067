// The two convex hulls on 1000 points, with the plain scans beside the
// automatic hull and the plain march beside the march: random points as the
// random-points command makes them, and points on a circle in random order,
// where every point is a corner and the scans need the most rounds.
#include <benchmark/benchmark.h>

#include <vector>

#include "RandomFigure.h"
#include "polygon/ConvexHull.h"
#include "shell/VertexStore.h"

namespace {

std::vector<TVertex> RandomPoints(int32_t n)
{
    FillRandom(n);
    return std::vector<TVertex>(Vertices.begin() + 1, Vertices.begin() + 1 + n);
}

template <typename MakePoints, typename Hull>
void RunHull(benchmark::State& state, MakePoints make, Hull hull)
{
    const std::vector<TVertex> points = make(int32_t(state.range(0)));
    size_t listed = 0;
    for (auto _ : state) {
        auto result = hull(points);
        listed = result.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["listed"] = double(listed);
}

void BM_AutomaticHullRandom(benchmark::State& state) { RunHull(state, RandomPoints, AutomaticHull); }
void BM_PlainHullScansRandom(benchmark::State& state) { RunHull(state, RandomPoints, PlainHullScans); }
void BM_JarvisMarchRandom(benchmark::State& state) { RunHull(state, RandomPoints, JarvisMarch); }
void BM_PlainJarvisMarchRandom(benchmark::State& state) { RunHull(state, RandomPoints, PlainJarvisMarch); }
void BM_AutomaticHullCircle(benchmark::State& state) { RunHull(state, CirclePoints, AutomaticHull); }
void BM_PlainHullScansCircle(benchmark::State& state) { RunHull(state, CirclePoints, PlainHullScans); }
void BM_JarvisMarchCircle(benchmark::State& state) { RunHull(state, CirclePoints, JarvisMarch); }
void BM_PlainJarvisMarchCircle(benchmark::State& state) { RunHull(state, CirclePoints, PlainJarvisMarch); }

BENCHMARK(BM_AutomaticHullRandom)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainHullScansRandom)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JarvisMarchRandom)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainJarvisMarchRandom)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutomaticHullCircle)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainHullScansCircle)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JarvisMarchCircle)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainJarvisMarchCircle)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
