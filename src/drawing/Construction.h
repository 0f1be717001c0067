#pragma once
// What every drawing command shares with the construction: the world window of
// the last construction mapped onto the picture's present size, and the axes.
#include "drawing/WorldMapping.h"

#include <cstdint>

// The main window's world window.
TWorldWindow CurrentWorldWindow();
// WorldToPixelX / WorldToPixelY with the current window and Form2->Image1's size.
int32_t SurfaceX(double x);
int32_t SurfaceY(double y);

// The axes of the current world window on Image1's canvas, with their arrowheads,
// captions and the ticks at 1 and -1.
void DrawAxes();
