#pragma once
// The lattice points of the closed triangle for Pick's theorem, counted. A point
// counts when the areas of the three triangles it makes with the sides add up to
// the triangle's area exactly; it is on the boundary when one of them is zero.
#include "triangle/TriangleGeometry.h"

#include <cstdint>
#include <functional>
#include <optional>

struct TPickCount {
    // Up to about 2^63 points fit in a triangle of 32-bit coordinates.
    uint64_t Interior = 0;
    uint64_t Boundary = 0;
    friend bool operator==(const TPickCount&, const TPickCount&) = default;
};

// Called now and then during a long count with the share done, 0 to 1;
// false stops the count.
using CountProgress = std::function<bool(double done)>;

// How many lines the count walks between two calls of its progress.
inline constexpr int64_t kLinesPerProgressCall = int64_t(1) << 20;

// The count, line by line along the shorter side of the bounding box: in each
// line the points of the closed triangle form one run whose ends, and the points
// of the sides on it, come from exact integer arithmetic. Empty when progress
// asked to stop.
std::optional<TPickCount> CountLatticePoints(const TLatticeTriangle& t, const CountProgress& progress = {});

// The same count point by point over the whole bounding box: one step per point.
// Only for small boxes; the tests and benchmarks hold the fast count against it.
TPickCount ScanLatticePoints(const TLatticeTriangle& t);

// Pick's theorem: Boundary * 0.5 + Interior - 1 when the area is above zero,
// else the area itself.
double PickArea(const TPickCount& count, double area);
