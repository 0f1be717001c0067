#pragma once
// Vertex coordinates as the polygon entry reads and the vertex lists show them.
#include <string>

// One vertex as a list line: X and Y with two decimals, six spaces between.
std::string FormatVertexLine(double x, double y);

// The entry's test of a typed coordinate: not empty; the first character a blank,
// "+", "-", a digit or the decimal separator; every further character a digit or
// the separator; at most one separator.
bool IsCoordinateText(const std::string& text, char decimalSeparator);
