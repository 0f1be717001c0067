#pragma once
// The circumscribed and inscribed circles of a triangle: where their centres
// come from and how a circle is drawn about the crossing of two lines.
#include "drawing/WorldCanvas.h"
#include "platform/Canvas.h"
#include "core/Vertex.h"

#include <array>
#include <optional>
#include <utility>

using TTrianglePoints = std::array<TVertex, 3>;

// By ascending Y with the compare-exchange steps (first, second), (second,
// third), (first, third), (first, second), exchanging only on a strictly
// greater Y: points of equal Y keep their input order.
TTrianglePoints SortByY(TTrianglePoints points);

// The measures of the sorted points P0, P1, P2, computed in this order:
// c01, c12, c20, [p], S, [r], R, [gamma at P2, alpha at P0]; the bracketed
// ones only for the inscribed circle. The first fault ends the computation.
enum class TMeasureStage { None, C01, C12, C20, SemiPerimeter, Area, InRadius, CircumRadius, Gamma, Alpha };
struct TTriangleMeasures {
    double C01 = 0;
    double C12 = 0;
    double C20 = 0;
    double SemiPerimeter = 0;
    double Area = 0;
    double InRadius = 0;
    double CircumRadius = 0;
    double Gamma = 0;
    double Alpha = 0;
    // The last value computed: after a fault, the ones up to it hold.
    TMeasureStage Reached = TMeasureStage::None;
    bool Has(TMeasureStage stage) const { return Reached >= stage; }
};
TTriangleMeasures MeasureTriangle(const TTrianglePoints& sorted, bool withIncircle);
// The same into m, value by value, so that a fault leaves what was reached.
void MeasureTriangle(const TTrianglePoints& sorted, bool withIncircle, TTriangleMeasures& m);

struct TLine {
    TVertex Through;
    TVertex Along;
};

struct TCircle {
    TVertex Centre;
    double Radius = 0;
};

// The crossing of two lines, or nothing when a direction has an X component of
// exactly zero or the slopes are equal.
std::optional<TVertex> LineIntersection(const TLine& line1, const TLine& line2);

// The perpendicular bisectors of P0P1 (line 1, through its midpoint) and P1P2
// (line 2), turned by a quarter turn in extended precision.
std::pair<TLine, TLine> CircumcentreLines(const TTrianglePoints& sorted);

// The bisector of the angle at P2 (line 1) and of the angle at P0 (line 2),
// each ray turned towards P1 by half the angle.
std::pair<TLine, TLine> IncentreLines(const TTrianglePoints& sorted, double alpha, double gamma);

// The circumscribed circle from the equations of two perpendicular bisectors,
// on the points in input order; the radius is the distance from the centre to
// a. x of a equal to x of b divides by zero.
TCircle CircumcircleByEquations(TVertex a, TVertex b, TVertex c);

// The complete outline of the circle in the given pen colour and width.
void DrawCircle(const TWorldCanvas& world, platform::TColor penColor, int32_t penWidth, const TCircle& circle);

// The circle of the radius about the crossing of the two lines: the centre it
// used, or nothing when the lines give no crossing and nothing was drawn.
std::optional<TVertex> DrawCircleAtIntersection(const TWorldCanvas& world, platform::TColor penColor,
                                                int32_t penWidth, double radius, const TLine& line1,
                                                const TLine& line2);
