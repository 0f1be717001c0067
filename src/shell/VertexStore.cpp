#include "shell/VertexStore.h"

std::array<TVertex, MaxVertices + 3> Vertices{};
int32_t VertexCount = 0;
int32_t EntryCursor = 0;
bool FigureAccepted = false;
std::string BasePath;
std::array<std::string, 1001> CheckMessages{};
double CircumRadius = 0;

std::span<const TVertex> StoredFigure(int32_t n)
{
    return std::span<const TVertex>(Vertices).subspan(1, size_t(ClampedVertexCount(n)));
}

void WriteClosingCopies(int32_t n, int copies)
{
    n = ClampedVertexCount(n);
    Vertices[n + 1] = Vertices[1];
    if (copies > 1) Vertices[n + 2] = Vertices[2];
}

void ResetVertexStore()
{
    Vertices.fill(TVertex{});
    VertexCount = 0;
    EntryCursor = 0;
    FigureAccepted = false;
    BasePath.clear();
    for (auto& m : CheckMessages) m.clear();
    CircumRadius = 0;
}
