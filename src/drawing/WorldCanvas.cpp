#include "drawing/WorldCanvas.h"

using platform::Extended;

TPixelBox TWorldCanvas::CircleBox(double cx, double cy, double r) const
{
    TPixelBox box;
    box.X1 = PixelX(Extended(cx) - r);
    box.Y1 = PixelY(Extended(cy) - r);
    box.X2 = PixelX(Extended(cx) + r);
    box.Y2 = PixelY(Extended(cy) + r);
    return box;
}

void TWorldCanvas::CircleOutline(double cx, double cy, double r) const
{
    const TPixelBox box = CircleBox(cx, cy, r);
    // An arc whose start and end rays coincide is the whole outline.
    canvas_.Arc(box.X1, box.Y1, box.X2, box.Y2, 0, 0, 0, 0);
}
