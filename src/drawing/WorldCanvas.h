#pragma once
// A canvas seen in world units: the canvas together with the world window and the
// surface size that map onto it, so a drawing in world coordinates can be made, and
// tested, on any image.
#include "drawing/WorldMapping.h"
#include "platform/Canvas.h"

#include <QPointF>

#include <cstdint>

// A box of pixels by two corners, in the order the drawing computed them.
struct TPixelBox {
    int32_t X1 = 0;
    int32_t Y1 = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    friend bool operator==(const TPixelBox&, const TPixelBox&) = default;
};

struct TWorldCanvas {
    platform::TCanvas& Canvas;
    TWorldWindow Window;
    int32_t Width = 0;
    int32_t Height = 0;

    // In extended precision, so a sum such as centre - radius maps unrounded.
    int32_t X(platform::Extended x) const { return WorldToPixelX(x, Window, Width); }
    int32_t Y(platform::Extended y) const { return WorldToPixelY(y, Window, Height); }

    // The same positions unrounded, for the picture's scene; NaN where the window
    // has no width.
    double ExactX(platform::Extended x) const;
    double ExactY(platform::Extended y) const;
    QPointF Exact(double x, double y) const { return {ExactX(x), ExactY(y)}; }

    // The ellipse over the box between two world corners, each corner mapped on its
    // own (x1 before y1 before x2 before y2), with the canvas's pen and brush.
    void Ellipse(double x1, double y1, double x2, double y2) const;

    // The box of the circle about (cx, cy) with radius r: (X(cx - r), Y(cy - r)) and
    // (X(cx + r), Y(cy + r)), each edge one extended-precision expression with the
    // radius inside it. Y1 is the lower edge on screen.
    TPixelBox CircleBox(double cx, double cy, double r) const;
    // The complete, unfilled outline of that circle in the canvas's present pen.
    void CircleOutline(double cx, double cy, double r) const;
};
