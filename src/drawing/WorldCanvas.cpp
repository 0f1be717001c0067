#include "drawing/WorldCanvas.h"

void TWorldCanvas::Ellipse(double x1, double y1, double x2, double y2) const
{
    const int32_t left = X(x1);
    const int32_t top = Y(y1);
    const int32_t right = X(x2);
    const int32_t bottom = Y(y2);
    Canvas.Ellipse(left, top, right, bottom);
}
