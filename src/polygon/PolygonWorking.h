#pragma once
// The working of the polygon measures and of the figure check: steps built from
// the value objects the rules return, shared by the polygon, quadrilateral and
// hull commands. No widget in sight.
#include <span>
#include <string>

#include "core/Vertex.h"
#include "polygon/FigureCheck.h"
#include "polygon/PolygonRules.h"
#include "working/WorkingSection.h"

// "A(0; 0), B(4; 0), C(0; 3)"; a long figure as its first vertices and
// "… (усього 25 вершин)"; "вершин не задано" for none.
std::string PolygonFigureText(std::span<const TVertex> figure);

// The shoelace sum term by term (up to kWorkingStepsShown, then a summary), Σ and
// S = ½·|Σ|; after a fault, the terms reached and where the sum stopped.
void AddAreaSteps(TWorkingSection& section, const TShoelace& shoelace);

// The side lengths (up to kWorkingStepsShown, then a summary) and P as their sum;
// after a fault, the sides reached and where the sum stopped.
void AddPerimeterSteps(TWorkingSection& section, const TPerimeterSides& sides);

// The figure's area and perimeter as PolygonArea and PolygonPerimeter give them,
// bit for bit and with the same faults, their steps added to the section; a
// fault still adds the steps reached before it goes on.
double WorkedArea(TWorkingSection& section, std::span<const TVertex> figure);
double WorkedPerimeter(TWorkingSection& section, std::span<const TVertex> figure);
// The same for IsConvexPolygon's verdict and its turns.
bool WorkedConvexity(TWorkingSection& section, std::span<const TVertex> figure);

// The rule, the sign of the turn at each vertex (up to kWorkingStepsShown, then a
// summary) and the first vertex whose sign differs from the first one.
void AddConvexitySteps(TWorkingSection& section, const TConvexity& convexity);

// The section "Перевірка фігури": each problem found in words, naming its vertices
// or sides, and the question put to the user. `result` may be one a fault cut short.
TWorkingSection FigureCheckSection(std::span<const TVertex> figure, const TFigureCheckResult& result);
