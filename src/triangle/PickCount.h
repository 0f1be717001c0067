#pragma once
// The lattice points of the closed triangle for Pick's theorem, counted. A point
// counts when the areas of the three triangles it makes with the sides add up to
// the triangle's area exactly; it is on the boundary when one of them is zero.
#include "triangle/TriangleGeometry.h"

#include <cstdint>

struct TPickCount {
    // Up to about 2^63 points fit in a triangle of 32-bit coordinates.
    uint64_t Interior = 0;
    uint64_t Boundary = 0;
    friend bool operator==(const TPickCount&, const TPickCount&) = default;
};

// The count in a few dozen steps whatever the size of the triangle: the points
// of the closed triangle column by column as sums of floors, summed in closed
// form; the points of each side from the greatest common divisor of its rise
// and run. The interior is the difference, so it never comes from the area and
// Pick's theorem stays a check of the vector product.
TPickCount CountLatticePoints(const TLatticeTriangle& t);

// The lattice steps of each side: the greatest common divisor of its run and
// rise, its lattice points with one end left out. The boundary is their sum, or
// for three points on a line the longest side's and one.
struct TLatticeSides {
    uint64_t AB = 0;
    uint64_t BC = 0;
    uint64_t AC = 0;
};
TLatticeSides LatticeSideSteps(const TLatticeTriangle& t);

// The most lattice points of a triangle's bounding box that the drawing marks
// one by one; past it they would fill the picture and take long to draw.
inline constexpr uint64_t kLatticeOverlayLimit = 20000;
// (width + 1) * (height + 1) of the bounding box is at most kLatticeOverlayLimit.
bool LatticeBoxFits(const TLatticeTriangle& t);

// Pick's theorem: Boundary * 0.5 + Interior - 1 when the area is above zero,
// else the area itself.
double PickArea(const TPickCount& count, double area);
