#pragma once
// The six coordinate fields of the triangle page, read in the order
// Edit1 .. Edit6; the first text that does not convert ends the command.
#include "triangle/TriangleCircles.h"
#include "triangle/TriangleGeometry.h"

class TForm1;

// Each field through the integer conversion.
TLatticeTriangle ReadTriangle(const TForm1& form);
// Each field through the floating-point conversion.
TTrianglePoints ReadTrianglePoints(const TForm1& form);

TTrianglePoints AsPoints(const TLatticeTriangle& t);
// Vertices[1..3] := A, B, C (VertexCount is the caller's).
void StoreTriangle(const TTrianglePoints& points);
