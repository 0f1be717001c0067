// The cost of the working: adding one section to the "Хід розв'язання" window
// (the goal is well under 5 ms), into an empty view and, after a thousand
// sections, into one as full as it gets (the oldest go a hundred at a time, in
// the appends measured), with the window shown (it then lays the text out and
// scrolls); and the commands that write the largest sections, run as a
// click runs them, with their sections: the triangle's three areas, its circles,
// the area of a 1000-vertex polygon, and both hulls of 1000 corners (the goal
// is under 20 ms with the section).
#include <benchmark/benchmark.h>

#include <QLineEdit>

#include <string>
#include <vector>

#include "platform/Memo.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "working/FormWorking.h"
#include "RandomFigure.h"
#include "WindowsBench.h"

namespace {

// About the size of the largest sections: fifty steps of a hull and the rest.
TWorkingSection LargeSection()
{
    TWorkingSection section;
    section.Caption = "N-кутник — Побудова опуклої оболонки (Джарвіса)";
    section.Figure = "A(1; 0), B(0,99; 0,01), C(0,98; 0,02), D(0,97; 0,03), E(0,96; 0,04) … (усього 1000 вершин)";
    section.Part("Початок");
    section.Step("Найнижча точка A(1; 0): з неї починається обхід.");
    for (int i = 1; i <= 50; ++i)
        section.Step("Крок " + std::to_string(i) + ": наступна вершина P" + std::to_string(i + 1) +
                     "(0,99; 0,01) — праворуч від прямої немає жодної точки.");
    section.Summary(MoreStepsText(950));
    section.Step("P = 6,28");
    section.Result("P", "6,28");
    section.Result("S", "3,14");
    return section;
}

void BM_AppendSection(benchmark::State& state)
{
    const TWorkingSection section = LargeSection();
    FormWorking->WorkingClearClick();
    FormWorking->ShowInFront();
    for (int i = 0; i < state.range(0); ++i) FormWorking->Append(section);
    for (auto _ : state) {
        FormWorking->Append(section);
        state.PauseTiming();
        // Back to the size the case names.
        if (FormWorking->Sections().size() > size_t(state.range(0)) + 50) {
            FormWorking->WorkingClearClick();
            for (int i = 0; i < state.range(0); ++i) FormWorking->Append(section);
        }
        state.ResumeTiming();
    }
    FormWorking->WorkingClearClick();
    FormWorking->hide();
}
BENCHMARK(BM_AppendSection)->Arg(0)->Arg(1000)->Unit(benchmark::kMillisecond);

// Runs the command with the working window shown, emptied between runs.
template <class Prepare>
void RunCommand(benchmark::State& state, void (TForm1::*command)(), Prepare prepare)
{
    FormWorking->ShowInFront();
    for (auto _ : state) {
        state.PauseTiming();
        prepare();
        FormWorking->WorkingClearClick();
        state.ResumeTiming();
        (Form1->*command)();
    }
    if (FormWorking->Sections().empty()) state.SkipWithError("the command wrote no section");
    FormWorking->hide();
}

void TypeTriangle()
{
    Form1->Edit1->setText("0");
    Form1->Edit2->setText("0");
    Form1->Edit3->setText("4");
    Form1->Edit4->setText("0");
    Form1->Edit5->setText("0");
    Form1->Edit6->setText("3");
}

void BM_TriangleAreas(benchmark::State& state) { RunCommand(state, &TForm1::N3Click, TypeTriangle); }
BENCHMARK(BM_TriangleAreas)->Unit(benchmark::kMillisecond);

void BM_TriangleCircles(benchmark::State& state) { RunCommand(state, &TForm1::N21Click, TypeTriangle); }
BENCHMARK(BM_TriangleCircles)->Unit(benchmark::kMillisecond);

// The points of CirclePoints: every one is a corner of the hull.
void StoreCirclePoints()
{
    const std::vector<TVertex> points = CirclePoints(MaxVertices);
    for (int32_t i = 1; i <= MaxVertices; ++i) Vertices[i] = points[i - 1];
    VertexCount = MaxVertices;
    Form1->Memo1->Clear();
}

void BM_PolygonArea1000(benchmark::State& state) { RunCommand(state, &TForm1::N9Click, StoreCirclePoints); }
BENCHMARK(BM_PolygonArea1000)->Unit(benchmark::kMillisecond);

void BM_AutomaticHull1000(benchmark::State& state) { RunCommand(state, &TForm1::N20Click, StoreCirclePoints); }
BENCHMARK(BM_AutomaticHull1000)->Unit(benchmark::kMillisecond);

void BM_JarvisHull1000(benchmark::State& state) { RunCommand(state, &TForm1::N24Click, StoreCirclePoints); }
BENCHMARK(BM_JarvisHull1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithWindows(argc, argv); }
