#pragma once
// The working of the triangle menu's commands: what each command computed,
// gathered as it goes, and the section built from it. A command that stops on
// a fault leaves its record half filled; the section then shows what was
// reached and why it went no further. No widget in sight.
#include "triangle/PickCount.h"
#include "triangle/TriangleCircles.h"
#include "triangle/TriangleGeometry.h"
#include "working/WorkingSection.h"

#include <optional>

// "A(0; 0), B(4; 0), C(0; 3)".
std::string TriangleFigure(const TTrianglePoints& points);

// Existence: the three sides and the three inequalities.
struct TExistenceWorking {
    std::optional<TLatticeTriangle> Triangle;
    std::optional<TSideLengths> Sides;
    std::optional<TTriangleInequalities> Inequalities;
};
TWorkingSection ExistenceWorking(const TExistenceWorking& w);

// Side lengths: each side from its coordinates.
struct TSideLengthsWorking {
    std::optional<TLatticeTriangle> Triangle;
    std::optional<TSideLengths> Sides;
};
TWorkingSection SideLengthsWorking(const TSideLengthsWorking& w);

// Areas: Heron's formula, the vector product, Pick's theorem, in this order.
struct TAreasWorking {
    std::optional<TLatticeTriangle> Triangle;
    std::optional<TSideLengths> Sides;
    std::optional<THeronArea> Heron;
    std::optional<WideInt> Determinant;
    double VectorArea = 0;
    std::optional<TPickCount> Pick;
    TLatticeSides PickSides;
    double PickArea = 0;
};
TWorkingSection AreasWorking(const TAreasWorking& w);

// The circles: the measures of the sorted points and the centres found.
enum class TTriangleCircles {
    Inscribed,     // "Вписане коло" (integer fields): both circles
    Circumscribed, // "Описане коло": the circumscribed one, by equations when the bisectors fail
    Both,          // "Кола": both circles, from floating-point fields
};
struct TCirclesWorking {
    TTriangleCircles Which = TTriangleCircles::Both;
    // As read, in input order.
    std::optional<TTrianglePoints> Points;
    TTrianglePoints Sorted{};
    TTriangleMeasures Measures;
    // The crossing of the perpendicular bisectors of P0P1 and P1P2, once sought.
    bool CircumcentreSought = false;
    std::optional<TVertex> Circumcentre;
    // The circle from the equations of the perpendicular bisectors, once sought.
    bool EquationsSought = false;
    std::optional<TCircle> ByEquations;
    // The crossing of the bisectors of the angles at P2 and P0, once sought.
    bool IncentreSought = false;
    std::optional<TVertex> Incentre;
};
TWorkingSection CirclesWorking(const TCirclesWorking& w);
