#pragma once
// World coordinates to pixels of the drawing surface and back.
#include "core/WorldWindow.h"
#include "platform/FloatMath.h"

#include <cstdint>

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

// (XMax - XMin) * x / width + XMin, without rounding to pixels.
double PixelToWorldX(int32_t x, const TWorldWindow& window, int32_t width);
// (YMax - YMin) * (height - y) / height + YMin.
double PixelToWorldY(int32_t y, const TWorldWindow& window, int32_t height);
