// The picture's scene for the largest drawing a command makes: a regular 1000-gon
// with both its circles, the axes and a letter at each vertex. Drawing it on the
// bitmap alone and with the scene recording beside it, replaying it for a screen
// at twice the density, and writing it as SVG.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <vector>

#include "drawing/FigureDrawing.h"
#include "drawing/WorldMapping.h"
#include "platform/Picture.h"
#include "platform/SceneExport.h"
#include "regular/RegularPolygon.h"

#include "WindowsBench.h"

namespace {

using namespace platform;

constexpr int kSize = 500;
constexpr int32_t kCorners = 1000;
constexpr double kSide = 1;

std::vector<TVertex> Polygon()
{
    std::vector<TVertex> figure(kCorners);
    const double radius = RegularPolygonRadius(TRegularCircle::Circumscribed, kCorners, kSide);
    WalkRegularPolygon(kCorners, radius, 0, [&](int32_t i, const TVertex& v) { figure[size_t(i - 1)] = v; });
    return figure;
}

// The construction's steps, on a blanked canvas.
void Draw(TCanvas& canvas, const std::vector<TVertex>& figure)
{
    canvas.ResetState();
    canvas.Pen.Color = clWhite;
    canvas.Rectangle(0, 0, kSize, kSize);
    const TWorldCanvas world{canvas, FitWorldWindow(figure), kSize, kSize};
    canvas.Pen.Color = clRed;
    DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Circumscribed, kCorners, kSide));
    DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Inscribed, kCorners, kSide));
    DrawAxes(world);
    DrawOutline(world, figure, clRed, 1);
    DrawVertexLetters(world, figure);
}

void BM_DrawBitmapOnly(benchmark::State& state)
{
    const std::vector<TVertex> figure = Polygon();
    QImage image(kSize, kSize, QImage::Format_RGB32);
    TCanvas canvas(&image);
    for (auto _ : state) Draw(canvas, figure);
}
BENCHMARK(BM_DrawBitmapOnly)->Unit(benchmark::kMillisecond);

void BM_DrawRecordingTheScene(benchmark::State& state)
{
    const std::vector<TVertex> figure = Polygon();
    TPicture picture;
    TCanvas& canvas = picture.Canvas(kSize, kSize);
    for (auto _ : state) Draw(canvas, figure);
    state.counters["elements"] = double(picture.Scene().Elements());
}
BENCHMARK(BM_DrawRecordingTheScene)->Unit(benchmark::kMillisecond);

void BM_RenderSceneAtRatio2(benchmark::State& state)
{
    TPicture picture;
    Draw(picture.Canvas(kSize, kSize), Polygon());
    QImage sharp(2 * kSize, 2 * kSize, QImage::Format_RGB32);
    for (auto _ : state) {
        sharp.fill(Qt::white);
        QPainter painter(&sharp);
        picture.Scene().Render(painter, QRectF(0, 0, 2 * kSize, 2 * kSize));
    }
}
BENCHMARK(BM_RenderSceneAtRatio2)->Unit(benchmark::kMillisecond);

void BM_WriteSceneSvg(benchmark::State& state)
{
    TPicture picture;
    Draw(picture.Canvas(kSize, kSize), Polygon());
    for (auto _ : state) benchmark::DoNotOptimize(SceneSvg(picture.Scene()));
    state.counters["bytes"] = double(SceneSvg(picture.Scene()).size());
}
BENCHMARK(BM_WriteSceneSvg)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
