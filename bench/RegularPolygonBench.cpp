// The regular polygon commands on the main window with the tab's default side and
// start angle: the area (vertices, list, shoelace sum) and the vertex walk alone.
// The build of the 1000-gon is timed with the other slow paths in CommandFrameBench.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "platform/Dialogs.h"
#include "platform/Memo.h"
#include "platform/TextConversion.h"
#include "regular/RegularPolygon.h"
#include "shell/Application.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "WindowsBench.h"

namespace {

void BM_RegularArea(benchmark::State& state)
{
    Form1->Edit19->setText(QString::number(state.range(0)));
    for (auto _ : state) Form1->N19Click();
}
BENCHMARK(BM_RegularArea)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_WalkRegularPolygon(benchmark::State& state)
{
    const int32_t n = int32_t(state.range(0));
    const double radius = RegularPolygonRadius(TRegularCircle::Circumscribed, n, 5);
    for (auto _ : state) {
        WalkRegularPolygon(n, radius, 0.3, [](int32_t i, const TVertex& v) { Vertices[i] = v; });
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_WalkRegularPolygon)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithWindows(argc, argv); }
