#pragma once
// The measures of the closed polygon through the vertices of a figure, in order,
// the last joined back to the first; shared by the polygon, quadrilateral,
// regular polygon and hull commands and by the figure check. Also the cross
// product behind the hulls' orientation tests.
#include <span>

#include "core/Vertex.h"
#include "platform/FloatMath.h"

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

// Shoelace formula: |S| / 2. A self-crossing polygon gives the absolute signed
// sum, not the area it covers.
double PolygonArea(std::span<const TVertex> figure);

// Sum of the side lengths, the closing side from the last vertex back to the
// first included.
double PolygonPerimeter(std::span<const TVertex> figure);

// Signs of the turns: convex when all turn values are >= 0 or all are < 0.
// A zero turn counts with the non-negative ones; crossing sides go unnoticed.
bool IsConvexPolygon(std::span<const TVertex> figure);
