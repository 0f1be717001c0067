#include "shell/VertexStore.h"

std::array<TVertex, MaxVertices + 3> Vertices{};
int32_t VertexCount = 0;
int32_t EntryCursor = 0;
bool FigureAccepted = false;
std::string BasePath;
std::array<std::string, 1001> CheckMessages{};
double CircumRadius = 0;

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
