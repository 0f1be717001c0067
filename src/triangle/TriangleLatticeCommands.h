#pragma once
// The lattice points of a triangle from the working window, marked on the drawing.
#include "triangle/TriangleGeometry.h"

// Builds the triangle as "Трикутник — Побудова" does, from these vertices instead
// of the page's fields (which keep what they show), then marks its lattice points
// over the picture. Nothing for a triangle whose box is beyond the marks' limit,
// and no marks when the check turns the figure down.
void ShowTriangleLattice(const TLatticeTriangle& t);

// The working window's "Показати точки решітки" links lead to ShowTriangleLattice.
void ConnectTriangleLattice();
