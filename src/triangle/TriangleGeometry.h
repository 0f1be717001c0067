#pragma once
// The triangle's own arithmetic: the integer triangle of the input page with its
// exact side lengths and determinants, and the floating-point routines the circle
// commands share. No widget in sight.
#include "platform/FloatMath.h"
#include "core/Vertex.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// A lattice point as the triangle page types it.
struct TLatticePoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TLatticePoint&, const TLatticePoint&) = default;
};

// A, B, C in input order.
struct TLatticeTriangle {
    TLatticePoint A;
    TLatticePoint B;
    TLatticePoint C;
};

// Squares, determinants and their partial sums of 32-bit coordinates need up to
// 66 bits, so they are carried in 128 bits and never wrap.
using WideInt = __int128;

// (xp - xq)^2 + (yp - yq)^2, exact.
unsigned __int128 SquaredDistance(TLatticePoint p, TLatticePoint q);
// The square root of the exact squared distance, stored as a double.
double SideLength(TLatticePoint p, TLatticePoint q);

struct TSideLengths {
    double AB = 0;
    double BC = 0;
    double AC = 0;
};
TSideLengths SideLengths(const TLatticeTriangle& t);

// AB + BC > AC, AB + AC > BC and BC + AC > AB in this order, each sum of two
// lengths formed exactly in extended precision and compared strictly.
struct TTriangleInequalities {
    std::array<platform::Extended, 3> Sums{};
    std::array<bool, 3> Hold{};
    bool AllHold() const { return Hold[0] && Hold[1] && Hold[2]; }
};
TTriangleInequalities TriangleInequalities(const TSideLengths& sides);
bool TriangleExists(const TSideLengths& sides);
// "Трикутник існує" or "Трикутник не існує", as the page shows the verdict.
std::string ExistenceVerdict(bool exists);

// "AB=4  BC=5   AC=3": each length with two decimals.
std::string SideLengthsCaption(const TSideLengths& sides);

// x1*y2 - x2*y1 + x2*y3 - x3*y2 + x3*y1 - x1*y3, exact.
WideInt Determinant(TLatticePoint p1, TLatticePoint p2, TLatticePoint p3);
// |d| * 0.5 as a double.
double AreaFromDeterminant(WideInt d);
// AreaFromDeterminant(Determinant(p1, p2, p3)).
double TriangleArea(TLatticePoint p1, TLatticePoint p2, TLatticePoint p3);

// Heron's formula over the three sides of the page: p = (AB + BC + AC) / 2
// stored, then the root of (p - BC) * p * (p - AC) * (p - AB) in extended
// precision. A product below zero (rounded lengths of a flat triangle) fails
// with "Invalid floating point operation".
double SidesHeronArea(const TSideLengths& sides);

// The same formula with what it went through, for the working: it never fails.
struct THeronArea {
    double SemiPerimeter = 0;
    // p - AB, p - BC, p - AC.
    std::array<platform::Extended, 3> Differences{};
    platform::Extended Product = 0;
    // None when the product is below zero: its root is where SidesHeronArea fails.
    std::optional<double> Area;
};
THeronArea SidesHeron(const TSideLengths& sides);
// The area, or the root's fault on a product below zero.
double HeronAreaOf(const THeronArea& heron);

// The routines of the circle commands. Arguments and results are doubles; each
// works in extended precision and stores every named value as a double.

// The square root of (x2 - x1)^2 + (y2 - y1)^2.
double PointDistance(double x1, double y1, double x2, double y2);
// The angle at v between the rays v->q and v->r, 0 to pi. A ray of length 0
// fails with "Invalid floating point operation" (0 / 0), and so does a rounded
// cosine just outside -1 to 1.
double VertexAngle(TVertex v, TVertex q, TVertex r);
double TrianglePerimeter(double a, double b, double c);
// p = TrianglePerimeter / 2 stored; the root of ((p - a) * p) * (p - b) * (p - c).
double HeronArea(double a, double b, double c);
// s / p.
double IncircleRadius(double s, double p);
// a * b * c / (4 * s): a flat triangle divides by zero.
double CircumcircleRadius(double s, double a, double b, double c);
// q turned about m by theta, counter-clockwise for a positive theta. theta stays
// in extended precision: the quarter turn's cosine is then about -2.5e-20, not 0.
TVertex RotateAbout(TVertex q, TVertex m, platform::Extended theta);
// RotateAbout(q, m, theta) - m, each component stored: a direction as the
// difference of two stored points.
TVertex TurnedDirection(TVertex q, TVertex m, platform::Extended theta);
