// The slowest paths a student meets at the store's full size, run through the
// real windows offscreen as a click runs them: building a regular 1000-gon (its
// listing, the check and the drawing), and each convex hull of 1000 points that
// are all corners, with its listing, measures, working and construction, and the
// march's working section alone. A frame at 60 Hz is 16.7 ms. Beside them, the listing of 1000 lines one edit per line, as the
// commands listed them before, and in one edit, as they do now.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QStringList>

#include <vector>

#include "platform/Memo.h"
#include "polygon/ConvexHull.h"
#include "polygon/HullWorking.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"
#include "RandomFigure.h"
#include "WindowsBench.h"

namespace {

void BM_RegularBuild1000(benchmark::State& state)
{
    Form1->Edit19->setText("1000");
    for (auto _ : state) {
        Form1->N18Click();
        state.PauseTiming();
        Form1->Memo3->Clear();  // the build appends to the list on every run
        FormWorking->WorkingClearClick();  // and its section to the working
        state.ResumeTiming();
    }
    if (!FigureAccepted) state.SkipWithError("the check refused the polygon");
}
BENCHMARK(BM_RegularBuild1000)->Unit(benchmark::kMillisecond);

// The points of CirclePoints: every one is a corner of the hull.
void StoreCirclePoints()
{
    const std::vector<TVertex> points = CirclePoints(MaxVertices);
    for (int32_t i = 1; i <= MaxVertices; ++i) Vertices[i] = points[i - 1];
    VertexCount = MaxVertices;
}

template <void (TForm1::*Command)()>
void BM_Hull1000(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        StoreCirclePoints();
        Form1->Memo3->Clear();
        FormWorking->WorkingClearClick();  // each run appends its section
        state.ResumeTiming();
        (Form1->*Command)();
    }
    if (VertexCount != MaxVertices) state.SkipWithError("the hull lost corners");
}
BENCHMARK(BM_Hull1000<&TForm1::N20Click>)->Name("BM_AutomaticHull1000")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Hull1000<&TForm1::N24Click>)->Name("BM_JarvisHull1000")->Unit(benchmark::kMillisecond);

// The march's working alone, on the same 1000 corners: the traced march, less the
// march itself, is what the section costs before the window shows it.
void BM_JarvisWorking1000(benchmark::State& state)
{
    const std::vector<TVertex> points = CirclePoints(MaxVertices);
    for (auto _ : state) {
        TJarvisTrace trace;
        const std::vector<TVertex> hull = TracedJarvisMarch(points, trace);
        TWorkingSection section = HullSection("N-кутник — Побудова опуклої оболонки (Джарвіса)", points);
        AddJarvisSteps(section, points, trace, true);
        AddHullCorners(section, hull);
        FormWorking->Append(section);
        state.PauseTiming();
        FormWorking->WorkingClearClick();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_JarvisWorking1000)->Unit(benchmark::kMillisecond);

QStringList ThousandLines()
{
    QStringList lines;
    for (int i = 1; i <= 1000; ++i) lines << QString("%1,25      -%2,5").arg(i).arg(i * 3);
    return lines;
}

void BM_ListOneEditPerLine(benchmark::State& state)
{
    const QStringList lines = ThousandLines();
    for (auto _ : state) {
        Form1->Memo1->Clear();
        for (const QString& line : lines) Form1->Memo1->Add(line);
    }
}
BENCHMARK(BM_ListOneEditPerLine)->Unit(benchmark::kMillisecond);

void BM_ListInOneEdit(benchmark::State& state)
{
    const QStringList lines = ThousandLines();
    for (auto _ : state) {
        Form1->Memo1->Clear();
        Form1->Memo1->AddLines(lines);
    }
}
BENCHMARK(BM_ListInOneEdit)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithWindows(argc, argv); }
