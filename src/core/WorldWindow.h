#pragma once
// The part of the plane a drawing shows: its world coordinates' ranges. Plain
// values, shared by every layer; this header depends on nothing.

struct TWorldWindow {
    double XMin = 0;
    double XMax = 0;
    double YMin = 0;
    double YMax = 0;
};
