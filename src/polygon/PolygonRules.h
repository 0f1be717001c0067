#pragma once
// The measures of the closed polygon through the first n vertices of the store,
// shared by the polygon, quadrilateral and hull commands and by the figure check.
// Each writes the closing copy of vertex 1 into slot n + 1 and leaves it there.
// Also the cross product behind the hulls' orientation tests.
#include <algorithm>
#include <cstdint>

#include "platform/FloatMath.h"
#include "shell/VertexStore.h"

// The cross product of the vectors from a to b and from c to d,
// (xb - xa)(yd - yc) - (xd - xc)(yb - ya), in extended precision and stored as a
// double: positive when d - c turns left of b - a (y axis up), 0 when parallel.
// Both hulls test orientation with it, each choosing the corners its two vectors
// start from, as that decides the rounding; the triangle's turn signs are the
// same rule. (The convexity rule and the check's collinearity test round
// differently: stored edges, and two products compared.)
inline double CrossProduct(TVertex a, TVertex b, TVertex c, TVertex d)
{
    using platform::Extended;
    return platform::ToDouble((Extended(b.X) - a.X) * (Extended(d.Y) - c.Y) -
                              (Extended(d.X) - c.X) * (Extended(b.Y) - a.Y));
}

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
