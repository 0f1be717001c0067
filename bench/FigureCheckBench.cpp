// The figure check and the shared polygon rules on a store filled with random
// points, as the random-points command makes them: whole numbers from -49 to 50.
#include <benchmark/benchmark.h>


#include "polygon/FigureCheck.h"
#include "polygon/PolygonRules.h"
#include "RandomFigure.h"
#include "shell/VertexStore.h"

namespace {

void BM_RunFigureCheck(benchmark::State& state)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) {
        FigureCheckResult result = RunFigureCheck();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RunFigureCheck)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A convex figure that fills the store: no test stops early, every pair is visited.
void BM_RunFigureCheckConvex(benchmark::State& state)
{
    for (int32_t x = 1; x <= MaxVertices; ++x) Vertices[x] = {double(x), double(x) * x};
    VertexCount = MaxVertices;
    for (auto _ : state) {
        FigureCheckResult result = RunFigureCheck();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RunFigureCheckConvex)->Unit(benchmark::kMillisecond);

void BM_PolygonArea(benchmark::State& state)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PolygonArea(VertexCount));
}
BENCHMARK(BM_PolygonArea)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_IsConvexPolygon(benchmark::State& state)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(IsConvexPolygon(VertexCount));
}
BENCHMARK(BM_IsConvexPolygon)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_PolygonPerimeter(benchmark::State& state)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(PolygonPerimeter(VertexCount));
}
BENCHMARK(BM_PolygonPerimeter)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
