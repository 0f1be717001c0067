// The task reader: any bytes end in a task or in a reason, never in anything
// else; a task it accepts is within the program's bounds, and written again it
// reads back as the very same task, byte for byte on a second writing.
#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Check.h"
#include "shell/TaskFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const QByteArray bytes(input.data(), qsizetype(input.size()));
    const TTaskRead read = ParseTask(bytes);
    if (!read.Task) {
        Require(!read.Problem.isEmpty(), "refused without a reason", input);
        return 0;
    }
    const TTask& task = *read.Task;
    Require(task.VertexCount >= 0 && task.VertexCount <= MaxVertices, "vertex count out of the store", input);
    Require(task.EntryCursor >= 0 && task.EntryCursor <= MaxVertices, "entry cursor out of the store", input);
    Require(task.Vertices.size() <= size_t(MaxVertices), "more vertices than the store holds", input);
    Require(task.Vertices.size() >= size_t(std::max(task.VertexCount, task.EntryCursor)), "too few vertices", input);
    for (const TVertex& v : task.Vertices)
        Require(std::isfinite(v.X) && std::isfinite(v.Y), "a vertex that is not finite", input);
    Require(task.PenWidth >= 1 && task.PenWidth <= 10, "pen width out of range", input);
    Require(task.PenColor <= 0xFFFFFF, "pen colour beyond 24 bits", input);
    Require(task.Page >= 0 && task.Page <= 3, "page out of range", input);

    const QByteArray written = TaskFileData(task);
    const TTaskRead again = ParseTask(written);
    Require(again.Task.has_value(), "a written task is refused", input);
    Require(SameTask(*again.Task, task), "a written task reads back different", input);
    Require(TaskFileData(*again.Task) == written, "writing is not stable", input);
    return 0;
}
