#pragma once
// The regular polygon about the world origin: its radii and its vertices.
#include <cstdint>
#include <functional>

#include "core/Vertex.h"

enum class TRegularCircle {
    Circumscribed,  // through the vertices
    Inscribed,      // touching the sides
};

// The regular polygon's radii for n vertices of side a: R = a / (sin(π/n)·2) of the
// circumscribed circle, r = a / (tan(π/n)·2) of the inscribed one, each stored as a
// double. n = 0 fails with "Floating point division by zero".
double RegularPolygonRadius(TRegularCircle circle, int32_t n, double side);
// The same with the side read on demand, for a side that is still text in a field:
// for R it is read before the sine, for r after the tangent, so which fault shows
// first when n is 0 and the text is bad differs between the two circles.
double RegularPolygonRadius(TRegularCircle circle, int32_t n, const std::function<double()>& readSide);

// degrees · π / 180, stored.
double DegreesToRadians(double degrees);

// Visits vertices 1..n of the regular n-gon on the circle of the given radius about the
// origin, counter-clockwise: vertex k is (cos θ · radius, sin θ · radius), where θ starts
// at startAngle and grows by 2π/n after each vertex, one stored sum per vertex, so the
// rounding of the angle builds up along the polygon. Vertex 1 is visited before 2π/n is
// taken: with n = 0 it is visited and then "Floating point division by zero" is raised.
void WalkRegularPolygon(int32_t n, double radius, double startAngle,
                        const std::function<void(int32_t index, const TVertex& vertex)>& visit);
