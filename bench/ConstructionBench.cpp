// The construction on the 500 x 500 picture with a store of random points, as
// the random-points command makes them, the figure check included (its question
// is answered "Yes"); and its parts: the axes and the world mapping. The
// construction and the axes run as "reference" (the former check and text
// drawing) and "fast".
#include <benchmark/benchmark.h>

#include <QApplication>

#include "drawing/Drawing.h"
#include "drawing/FigureDrawing.h"
#include "drawing/Form2.h"
#include "drawing/WorldMapping.h"
#include "platform/Dialogs.h"
#include "platform/Memo.h"
#include "platform/TextConversion.h"
#include "shell/Application.h"
#include "shell/Form1.h"
#include "RandomFigure.h"
#include "Reference.h"
#include "shell/VertexStore.h"
#include "WindowsBench.h"

namespace {

template <class Construct>
void BM_Construction(benchmark::State& state, Construct construct)
{
    FillRandom(int32_t(state.range(0)));
    for (auto _ : state) {
        construct();
        state.PauseTiming();
        Form1->Memo3->Clear();  // the check adds a line on every run
        state.ResumeTiming();
    }
    if (!FigureAccepted) state.SkipWithError("the check refused the figure");
}
BENCHMARK_CAPTURE(BM_Construction, reference, [] { reference::N8Click(*Form1); })
    ->Arg(3)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Construction, fast, [] { Form1->N8Click(); })
    ->Arg(3)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

template <class Draw>
void BM_DrawAxes(benchmark::State& state, Draw draw)
{
    FillRandom(3);
    Form1->N8Click();
    for (auto _ : state) draw();
}
BENCHMARK_CAPTURE(BM_DrawAxes, reference, reference::DrawAxes)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DrawAxes, fast, [] { DrawAxes(Form2->Drawing->World()); })->Unit(benchmark::kMicrosecond);

void BM_WorldToPixel(benchmark::State& state)
{
    const TWorldWindow window{-50, 51, -50, 51};
    double x = -50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WorldToPixelX(x, window, 500) + WorldToPixelY(x, window, 500));
        x = x < 50 ? x + 0.37 : -50;
    }
}
BENCHMARK(BM_WorldToPixel);

// One WorldToPixelX alone.
void BM_WorldToPixelX(benchmark::State& state)
{
    const TWorldWindow window{-50, 51, -50, 51};
    double x = -50;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WorldToPixelX(x, window, 500));
        x = x < 50 ? x + 0.37 : -50;
    }
}
BENCHMARK(BM_WorldToPixelX);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithWindows(argc, argv); }
