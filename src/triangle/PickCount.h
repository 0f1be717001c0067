#pragma once
// The lattice points of the closed triangle for Pick's theorem: counted for any
// triangle, and listed one by one for a triangle small enough to mark them all on
// the drawing.
#include "triangle/TriangleGeometry.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

// Every lattice point of the closed triangle, column by column over the bounding
// box: visit(point, onBoundary). A point belongs when the areas of the three
// triangles it makes with the sides add up to the triangle's area exactly, and is
// on the boundary when one of them is zero; exact in 128-bit integers. One step
// per point of the box, so meant for small boxes. For three points on a line the
// box holds just the points of the segment between the extreme two, every one
// with three zero areas.
template <class Visit>
void ForEachLatticePoint(const TLatticeTriangle& t, Visit&& visit)
{
    const auto abs = [](WideInt v) { return v < 0 ? -v : v; };
    const WideInt whole = abs(Determinant(t.A, t.B, t.C));
    const int64_t xMin = std::min({t.A.X, t.B.X, t.C.X});
    const int64_t xMax = std::max({t.A.X, t.B.X, t.C.X});
    const int64_t yMin = std::min({t.A.Y, t.B.Y, t.C.Y});
    const int64_t yMax = std::max({t.A.Y, t.B.Y, t.C.Y});
    for (int64_t x = xMin; x <= xMax; ++x)
        for (int64_t y = yMin; y <= yMax; ++y) {
            const TLatticePoint p{int32_t(x), int32_t(y)};
            const WideInt s1 = abs(Determinant(t.A, t.B, p));
            const WideInt s2 = abs(Determinant(t.A, p, t.C));
            const WideInt s3 = abs(Determinant(p, t.B, t.C));
            if (s1 + s2 + s3 != whole) continue;
            visit(p, s1 == 0 || s2 == 0 || s3 == 0);
        }
}

// The lattice points of the closed triangle, interior and boundary apart, each
// list in column order.
struct TLatticeListing {
    std::vector<TLatticePoint> Interior;
    std::vector<TLatticePoint> Boundary;
    TPickCount Count() const { return {Interior.size(), Boundary.size()}; }
};

// The listing of a triangle whose box fits the drawing's limit; nothing for a
// larger one, which would take too long and too much memory to list.
TLatticeListing ListLatticePoints(const TLatticeTriangle& t);
