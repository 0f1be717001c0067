// Saving and loading a 500 x 500 picture, the drawing window's size, in each
// format: the whole path of the menu commands, file included.
#include "platform/PictureFile.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>

using namespace platform;

#include "WindowsBench.h"

namespace {

// A drawing such as the construction makes: white, a few lines and a circle.
TPicture& Drawing()
{
    static TPicture picture;
    if (picture.GraphicKind() == TPicture::Kind::Empty) {
        TCanvas& canvas = picture.Canvas(500, 500);
        canvas.MoveTo(0, 417);
        canvas.LineTo(500, 417);
        canvas.MoveTo(83, 0);
        canvas.LineTo(83, 500);
        canvas.Pen.Color = clRed;
        canvas.Pen.Width = 3;
        canvas.MoveTo(83, 417);
        canvas.LineTo(416, 417);
        canvas.LineTo(83, 167);
        canvas.LineTo(83, 417);
        canvas.Brush.Style = TBrushStyle::Clear;
        canvas.Ellipse(100, 100, 400, 400);
        canvas.TextOut(93, 427, "A");
    }
    return picture;
}

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

const char* const kExtensions[] = {"bmp", "jpg", "png"};

void BM_Save(benchmark::State& state)
{
    const QString extension = kExtensions[state.range(0)];
    const QString path = Folder().filePath("picture." + extension);
    TPicture& picture = Drawing();
    for (auto _ : state) WriteFileReplacing(path, PictureFileData(picture, extension));
    state.SetLabel(extension.toStdString());
}
BENCHMARK(BM_Save)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_Load(benchmark::State& state)
{
    const QString extension = kExtensions[state.range(0)];
    const QString path = Folder().filePath("load." + extension);
    WriteFileReplacing(path, PictureFileData(Drawing(), extension));
    TPicture picture;
    for (auto _ : state) LoadPictureFile(picture, path);
    state.SetLabel(extension.toStdString());
}
BENCHMARK(BM_Load)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
