#pragma once
// A point of the plane: what every figure, hull and construction is made of.
// Plain values, shared by every layer; this header depends on nothing.

struct TVertex {
    double X = 0;
    double Y = 0;
};
