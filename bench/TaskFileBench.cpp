// Saving and opening a task of a full store: the whole path of the menu
// commands after the dialog, from the windows to the file and back. The
// vertices are arbitrary doubles, the longest to write, and the polygon list
// holds a line for each.
#include "WindowsBench.h"

#include "platform/Memo.h"
#include "platform/PictureFile.h"
#include "shell/Form1.h"
#include "shell/TaskCommands.h"
#include "shell/VertexStore.h"

#include <QStringList>
#include <QTemporaryDir>
#include <random>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

void FillFullStore()
{
    std::mt19937_64 generator(18);
    std::uniform_real_distribution<double> draw(-1e6, 1e6);
    QStringList lines;
    for (int32_t i = 1; i <= MaxVertices; ++i) {
        Vertices[i] = {draw(generator), draw(generator)};
        lines << QString("%1      %2").arg(Vertices[i].X, 0, 'f', 2).arg(Vertices[i].Y, 0, 'f', 2);
    }
    VertexCount = MaxVertices;
    Form1->Memo1->SetLines(lines);
}

void BM_SaveTask(benchmark::State& state)
{
    FillFullStore();
    const QString path = Folder().filePath("task.ortalis");
    for (auto _ : state) platform::WriteFileReplacing(path, TaskFileData(CaptureTask(*Form1, *Form2)));
    state.counters["bytes"] = double(TaskFileData(CaptureTask(*Form1, *Form2)).size());
}
BENCHMARK(BM_SaveTask)->Unit(benchmark::kMillisecond);

void BM_OpenTask(benchmark::State& state)
{
    FillFullStore();
    const QString path = Folder().filePath("open.ortalis");
    platform::WriteFileReplacing(path, TaskFileData(CaptureTask(*Form1, *Form2)));
    for (auto _ : state)
        if (!Form1->OpenTaskFile(path)) state.SkipWithError("the task was refused");
}
BENCHMARK(BM_OpenTask)->Unit(benchmark::kMillisecond);

// The file format alone, without the windows.
void BM_ParseTask(benchmark::State& state)
{
    FillFullStore();
    const QByteArray data = TaskFileData(CaptureTask(*Form1, *Form2));
    for (auto _ : state) benchmark::DoNotOptimize(ParseTask(data));
}
BENCHMARK(BM_ParseTask)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithWindows(argc, argv); }
