#pragma once
// The measures of the closed polygon through the vertices of a figure, in order,
// the last joined back to the first; shared by the polygon, quadrilateral,
// regular polygon and hull commands and by the figure check. Also the cross
// product behind the hulls' orientation tests.
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

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

// How many terms, sides or turns a measure keeps for the working: a section
// shows them one by one up to this many, then a summary line.
inline constexpr size_t kWorkingStepsShown = 20;

// Shoelace formula: |S| / 2. A self-crossing polygon gives the absolute signed
// sum, not the area it covers.
double PolygonArea(std::span<const TVertex> figure);

// One term of the shoelace sum, from vertex A to the next one B:
// x_A * y_B - x_B * y_A. Shown only; the sum adds the two products in its own step.
struct TShoelaceTerm {
    TVertex A;
    TVertex B;
    double Value = 0;
};

// The shoelace sum as the working shows it.
struct TShoelace {
    size_t VertexCount = 0;
    std::vector<TShoelaceTerm> Terms;  // the first kWorkingStepsShown terms
    size_t Reached = 0;                // terms summed; below VertexCount when the sum faulted
    bool Done = false;                 // the sum finished: Sum and Area are set
    double Sum = 0;                    // signed
    double Area = 0;                   // |Sum| / 2
};

// PolygonArea, the same value and the same faults bit for bit, filling `working`
// as it goes: after a fault it holds what was reached.
double ShoelaceArea(std::span<const TVertex> figure, TShoelace& working);

// Sum of the side lengths, the closing side from the last vertex back to the
// first included.
double PolygonPerimeter(std::span<const TVertex> figure);

// A side from vertex A to the next one B and its length (shown only).
struct TPerimeterSide {
    TVertex A;
    TVertex B;
    double Length = 0;
};

struct TPerimeterSides {
    size_t VertexCount = 0;
    std::vector<TPerimeterSide> Sides;  // the first kWorkingStepsShown sides
    size_t Reached = 0;                 // sides added; below VertexCount when the sum faulted
    bool Done = false;
    double Perimeter = 0;
};

// PolygonPerimeter, bit for bit, filling `working` as it goes.
double SidesPerimeter(std::span<const TVertex> figure, TPerimeterSides& working);

// Signs of the turns: convex when all turn values are >= 0 or all are < 0.
// A zero turn counts with the non-negative ones; crossing sides go unnoticed.
bool IsConvexPolygon(std::span<const TVertex> figure);

// The turn at a vertex: the cross product of the stored side coming in (Ex, Ey)
// and the side going out (NextEx, NextEy). Turn k (0-based) is at vertex k + 2,
// the last one at vertex 1.
struct TConvexityTurn {
    size_t Index = 0;  // 0-based, in the order the rule takes them
    double Ex = 0;
    double Ey = 0;
    double NextEx = 0;
    double NextEy = 0;
    double Turn = 0;
};

struct TConvexity {
    size_t VertexCount = 0;
    std::vector<TConvexityTurn> Turns;      // the first kWorkingStepsShown turns
    size_t Reached = 0;                     // turns taken; below VertexCount after a fault
    bool Done = false;
    size_t NonNegative = 0;
    // The first turn whose sign (>= 0 or < 0) differs from the first turn's.
    std::optional<TConvexityTurn> FirstDiffering;
    bool Convex = true;
};

// IsConvexPolygon, the same verdict and faults, filling `working` as it goes.
bool TurnsConvexity(std::span<const TVertex> figure, TConvexity& working);
