// The canvas primitives at the sizes the drawing window uses (500 x 500), above all
// figures whose ends lie far outside: the cost must follow the visible part.
#include "platform/Canvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <climits>

using namespace platform;

namespace {

QImage White()
{
    QImage image(500, 500, QImage::Format_RGB32);
    image.fill(0xFFFFFFFF);
    return image;
}

void BM_LineVisible(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Pen.Width = int(state.range(0));
    for (auto _ : state) {
        canvas.MoveTo(0, 3);
        canvas.LineTo(499, 480);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LineVisible)->Arg(1)->Arg(10);

void BM_LineFarOutside(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Pen.Width = int(state.range(0));
    for (auto _ : state) {
        canvas.MoveTo(INT_MIN, INT_MIN + 7);
        canvas.LineTo(INT_MAX, INT_MAX - 20);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LineFarOutside)->Arg(1)->Arg(10);

void BM_LineMissing(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    for (auto _ : state) {
        canvas.MoveTo(INT_MIN, -3);
        canvas.LineTo(INT_MAX, -2000000000);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LineMissing);

void BM_CircleVisible(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Pen.Width = int(state.range(0));
    for (auto _ : state) {
        canvas.Ellipse(20, 20, 480, 480);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CircleVisible)->Arg(1)->Arg(10);

// A circle of radius 10^9 whose outline crosses the image diagonally, drawn as the
// circle commands do (unfilled arc) and filled.
void BM_CircleFarOutside(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Pen.Width = int(state.range(0));
    const bool filled = state.range(1) != 0;
    for (auto _ : state) {
        if (filled) canvas.Ellipse(-1706856781, -1706856781, 293143219, 293143219);
        else canvas.Arc(-1706856781, 293143219, 293143219, -1706856781, 0, 0, 0, 0);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_CircleFarOutside)->Args({1, 0})->Args({10, 0})->Args({1, 1});

void BM_FloodFillWhole(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    // Alternating brush colours refill the whole image every time.
    bool red = false;
    for (auto _ : state) {
        canvas.Brush.Color = (red = !red) ? clRed : clWhite;
        canvas.FloodFill(250, 250, clBlack);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FloodFillWhole);

void BM_FloodFillUpToItsOwnColour(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Brush.Color = clBlack;
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(0xFFFFFFFF);
        state.ResumeTiming();
        canvas.FloodFill(250, 250, clBlack);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FloodFillUpToItsOwnColour);

void BM_ClearRectangle(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    canvas.Pen.Color = clWhite;
    for (auto _ : state) {
        canvas.Rectangle(0, 0, 500, 500);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ClearRectangle);

void BM_TextOut(benchmark::State& state)
{
    QImage image = White();
    TCanvas canvas(&image);
    for (auto _ : state) {
        canvas.TextOut(93, 427, QStringLiteral("A"));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TextOut);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // fonts for TextOut
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
