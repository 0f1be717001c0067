#pragma once
// The shared state of the current figure: the vertex store, the entry cursor and
// the flags every tab and the construction read and write directly.
#include <array>
#include <cstdint>
#include <string>

struct TVertex {
    double X = 0;
    double Y = 0;
};

inline constexpr int32_t MaxVertices = 1000;

// Slots 1..MaxVertices hold figure vertices; slot 0 is never used. The two spare
// slots after MaxVertices give the closing copies (N + 1, N + 2) room even for
// a figure that fills the store.
extern std::array<TVertex, MaxVertices + 3> Vertices;
extern int32_t VertexCount;
extern int32_t EntryCursor;
extern bool FigureAccepted;
extern std::string BasePath;
// Slots 1..1000; the figure check uses slots 1 to 5.
extern std::array<std::string, 1001> CheckMessages;
extern double CircumRadius;

// Back to the start-of-run values (all slots 0, counts 0, flags false); tests use it.
void ResetVertexStore();
