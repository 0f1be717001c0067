#include "drawing/WorldCanvas.h"

using platform::Extended;

double TWorldCanvas::ExactX(Extended x) const { return WorldToExactX(x, Window, Width); }

double TWorldCanvas::ExactY(Extended y) const { return WorldToExactY(y, Window, Height); }

void TWorldCanvas::Ellipse(double x1, double y1, double x2, double y2) const
{
    const int32_t left = X(x1);
    const int32_t top = Y(y1);
    const int32_t right = X(x2);
    const int32_t bottom = Y(y2);
    Canvas.Ellipse(left, top, right, bottom, QRectF(QPointF(ExactX(x1), ExactY(y1)), QPointF(ExactX(x2), ExactY(y2))));
}

TPixelBox TWorldCanvas::CircleBox(double cx, double cy, double r) const
{
    TPixelBox box;
    box.X1 = X(Extended(cx) - r);
    box.Y1 = Y(Extended(cy) - r);
    box.X2 = X(Extended(cx) + r);
    box.Y2 = Y(Extended(cy) + r);
    return box;
}

void TWorldCanvas::CircleOutline(double cx, double cy, double r) const
{
    const TPixelBox box = CircleBox(cx, cy, r);
    // An arc whose start and end rays coincide is the whole outline.
    const QRectF exact(QPointF(ExactX(Extended(cx) - r), ExactY(Extended(cy) - r)),
                       QPointF(ExactX(Extended(cx) + r), ExactY(Extended(cy) + r)));
    Canvas.Arc(box.X1, box.Y1, box.X2, box.Y2, 0, 0, 0, 0, exact);
}
