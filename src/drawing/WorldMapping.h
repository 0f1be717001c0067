#pragma once
// World coordinates to pixels of the drawing surface and back.
#include "core/Vertex.h"
#include "core/WorldWindow.h"
#include "platform/FloatMath.h"

#include <cstdint>
#include <span>

// The window that fits the figure: one range for both axes, from the smallest
// coordinate of either axis minus 1 to the largest plus 1, each end stored as a
// double. Coordinates are taken within the 32-bit range (the search starts at
// its ends), so a figure with no vertices gives XMin = 2147483646 above XMax.
TWorldWindow FitWorldWindow(std::span<const TVertex> figure);

// round((x - XMin) / (XMax - XMin) * width), the whole expression in extended
// precision, halves to even. XMax = XMin fails with "Floating point division by
// zero" ("Invalid floating point operation" when x = XMin as well, 0 / 0); a
// result beyond the 64-bit range fails with "Invalid floating point operation".
// A result outside the 32-bit range is clamped to it: the point is drawn at the
// farthest representable pixel, which lies far outside any bitmap anyway.
// x is taken in extended precision, so a caller may hand in a sum such as
// centre - radius without rounding it to a double first.
int32_t WorldToPixelX(platform::Extended x, const TWorldWindow& window, int32_t width);
// round(height - (y - YMin) / (YMax - YMin) * height), with the same faults and clamp.
int32_t WorldToPixelY(platform::Extended y, const TWorldWindow& window, int32_t height);

// The same positions unrounded, for whatever is drawn finer than the bitmap's
// pixels; NaN where the window has no width, so they never fail.
double WorldToExactX(platform::Extended x, const TWorldWindow& window, int32_t width);
double WorldToExactY(platform::Extended y, const TWorldWindow& window, int32_t height);

// (XMax - XMin) * x / width + XMin, without rounding to pixels.
double PixelToWorldX(int32_t x, const TWorldWindow& window, int32_t width);
// (YMax - YMin) * (height - y) / height + YMin.
double PixelToWorldY(int32_t y, const TWorldWindow& window, int32_t height);
