#pragma once
// The shared state of the current figure: the vertex store, the entry cursor and
// the flags every tab and the construction read and write. The geometry never
// sees it: handlers copy from it (StoredFigure), call, and write back.
#include "core/Vertex.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>

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

// No caller passes more vertices than the store holds; clamping keeps the
// closing copies (n + 1, n + 2) inside it even so, and a count below zero
// (a negative N typed in) reads as an empty figure.
inline int32_t ClampedVertexCount(int32_t n) { return std::clamp<int32_t>(n, 0, MaxVertices); }

// Vertices 1..n of the store (n clamped as above), as the geometry takes them.
std::span<const TVertex> StoredFigure(int32_t n);

// The closing copies after vertex n (n clamped as above): slot n + 1 := vertex 1,
// and with two copies then slot n + 2 := vertex 2 (vertex 1 again when n is 1).
// The measures, the check and the construction leave them in the store.
void WriteClosingCopies(int32_t n, int copies = 1);

// Back to the start-of-run values (all slots 0, counts 0, flags false); tests use it.
void ResetVertexStore();
