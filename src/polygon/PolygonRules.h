#pragma once
// The measures of the closed polygon through the first n vertices of the store,
// shared by the polygon, quadrilateral and hull commands and by the figure check.
// Each writes the closing copy of vertex 1 into slot n + 1 and leaves it there.
#include <algorithm>
#include <cstdint>

#include "shell/VertexStore.h"

// No caller passes more vertices than the store holds; clamping keeps the
// closing copies (n + 1, n + 2) inside it even so, and a count below zero
// (a negative N typed in) reads as an empty figure.
inline int32_t ClampedVertexCount(int32_t n) { return std::clamp<int32_t>(n, 0, MaxVertices); }

// Shoelace formula: |S| / 2. A self-crossing polygon gives the absolute signed
// sum, not the area it covers.
double PolygonArea(int32_t n);

// Sum of the side lengths, the closing side from vertex n back to vertex 1 included.
double PolygonPerimeter(int32_t n);

// Signs of the turns: convex when all turn values are >= 0 or all are < 0.
// A zero turn counts with the non-negative ones; crossing sides go unnoticed.
bool IsConvexPolygon(int32_t n);
