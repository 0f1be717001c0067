#pragma once
// A canvas seen in world units: the canvas together with the world window and the
// surface size that map onto it, so a drawing in world coordinates can be made, and
// tested, on any image.
#include "drawing/WorldMapping.h"
#include "platform/Canvas.h"

#include <cstdint>

struct TWorldCanvas {
    platform::TCanvas& Canvas;
    TWorldWindow Window;
    int32_t Width = 0;
    int32_t Height = 0;

    int32_t X(double x) const { return WorldToPixelX(x, Window, Width); }
    int32_t Y(double y) const { return WorldToPixelY(y, Window, Height); }

    // The ellipse over the box between two world corners, each corner mapped on its
    // own (x1 before y1 before x2 before y2), with the canvas's pen and brush.
    void Ellipse(double x1, double y1, double x2, double y2) const;
};
