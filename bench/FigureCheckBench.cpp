// The figure check and the shared polygon rules on a store filled with random
// points, as the random-points command makes them: whole numbers from -49 to 50.
// The check and the area run twice, as "reference" (the former code) and "fast";
// the perimeter and the convexity rule, which have one copy, once.
#include <benchmark/benchmark.h>

#include "polygon/FigureCheck.h"
#include "polygon/PolygonRules.h"
#include "polygon/StoredFigureCheck.h"
#include "RandomFigure.h"
#include "Reference.h"
#include "shell/VertexStore.h"

namespace {

template <class Check>
void BM_RunFigureCheck(benchmark::State& state, Check check)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) {
        TFigureCheckResult result = check();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_RunFigureCheck, reference, reference::RunFigureCheck)
    ->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunFigureCheck, fast, CheckStoredFigure)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// A convex figure that fills the store: no test stops early, every pair is visited.
template <class Check>
void BM_RunFigureCheckConvex(benchmark::State& state, Check check)
{
    for (int32_t x = 1; x <= MaxVertices; ++x) Vertices[x] = {double(x), double(x) * x};
    VertexCount = MaxVertices;
    for (auto _ : state) {
        TFigureCheckResult result = check();
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_RunFigureCheckConvex, reference, reference::RunFigureCheck)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RunFigureCheckConvex, fast, CheckStoredFigure)->Unit(benchmark::kMillisecond);

template <class Rule>
void BM_Rule(benchmark::State& state, Rule rule)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rule(VertexCount));
}

// The rule as the commands call it: the closing copy, then the store's figure.
template <class R, R (*Rule)(std::span<const TVertex>)>
R OnStore(int32_t n)
{
    WriteClosingCopies(n);
    return Rule(StoredFigure(n));
}
BENCHMARK_CAPTURE(BM_Rule, PolygonArea_reference, reference::PolygonArea)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Rule, PolygonArea_fast, OnStore<double, PolygonArea>)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Rule, IsConvexPolygon_fast, OnStore<bool, IsConvexPolygon>)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Rule, PolygonPerimeter_fast, OnStore<double, PolygonPerimeter>)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
