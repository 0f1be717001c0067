#include "drawing/FigureDrawing.h"

#include "drawing/VertexLetter.h"

#include <algorithm>
#include <limits>

namespace {

// A pixel far outside the surface may sit at an end of the 32-bit range; an
// offset from it stays there instead of wrapping round onto the surface.
int32_t Add(int32_t a, int32_t b)
{
    const int64_t sum = int64_t(a) + b;
    return int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void DrawAxes(const TWorldCanvas& world)
{
    using namespace platform;
    TCanvas& canvas = world.Canvas;
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;

    const TWorldWindow& window = world.Window;

    // Y axis with its arrowhead.
    const int32_t x0 = world.X(0);
    const int32_t yBottom = world.Y(window.YMin);
    const int32_t yTop = world.Y(window.YMax);
    canvas.MoveTo(x0, yBottom);
    canvas.LineTo(x0, yTop);
    canvas.LineTo(Add(x0, 5), Add(yTop, 5));
    canvas.LineTo(Add(x0, -5), Add(yTop, 5));
    canvas.LineTo(x0, yTop);
    canvas.TextOut(Add(x0, -10), Add(yTop, 5), "Y");
    canvas.Brush.Color = clBlack;
    canvas.FloodFill(Add(x0, -1), Add(yTop, 4), clBlack);
    canvas.FloodFill(Add(x0, 1), Add(yTop, 4), clBlack);
    canvas.Brush.Color = clWhite;

    // X axis with its arrowhead.
    const int32_t xLeft = world.X(window.XMin);
    const int32_t xRight = world.X(window.XMax);
    const int32_t y0 = world.Y(0);
    canvas.MoveTo(xLeft, y0);
    canvas.LineTo(xRight, y0);
    canvas.LineTo(Add(xRight, -5), Add(y0, 5));
    canvas.LineTo(Add(xRight, -5), Add(y0, -5));
    canvas.LineTo(xRight, y0);
    canvas.Brush.Color = clBlack;
    canvas.FloodFill(Add(xRight, -4), Add(y0, 1), clBlack);
    canvas.FloodFill(Add(xRight, -4), Add(y0, -1), clBlack);
    canvas.Brush.Color = clWhite;
    canvas.TextOut(Add(xRight, -10), Add(y0, 5), "X");

    // Ticks at 1 and -1 on both axes.
    const int32_t x1 = world.X(1);
    canvas.MoveTo(x1, Add(y0, -2));
    canvas.LineTo(x1, Add(y0, 2));
    canvas.TextOut(x1, Add(y0, 5), "1");

    const int32_t xMinus1 = world.X(-1);
    canvas.MoveTo(xMinus1, Add(y0, -2));
    canvas.LineTo(xMinus1, Add(y0, 2));
    canvas.TextOut(xMinus1, Add(y0, 5), "-1");

    const int32_t yMinus1 = world.Y(-1);
    canvas.MoveTo(Add(x0, -2), yMinus1);
    canvas.LineTo(Add(x0, 2), yMinus1);
    canvas.TextOut(Add(x0, 5), yMinus1, "-1");

    const int32_t y1 = world.Y(1);
    canvas.MoveTo(Add(x0, -2), y1);
    canvas.LineTo(Add(x0, 2), y1);
    canvas.TextOut(Add(x0, 5), y1, "1");
}

void DrawOutline(const TWorldCanvas& world, std::span<const TVertex> figure, platform::TColor penColor,
                 int32_t penWidth)
{
    if (figure.empty()) return;
    platform::TCanvas& canvas = world.Canvas;
    canvas.Pen.Color = penColor;
    canvas.Pen.Width = penWidth;
    const TVertex& first = figure.front();
    canvas.MoveTo(world.X(first.X), world.Y(first.Y), world.Exact(first.X, first.Y));
    // The first line goes to where the pen stands: the outline starts, as it
    // always has, with a line of no length.
    for (const TVertex& v : figure) canvas.LineTo(world.X(v.X), world.Y(v.Y), world.Exact(v.X, v.Y));
    canvas.LineTo(world.X(first.X), world.Y(first.Y), world.Exact(first.X, first.Y));
}

void DrawVertexLetters(const TWorldCanvas& world, std::span<const TVertex> figure)
{
    int32_t i = 0;
    for (const TVertex& v : figure) world.Canvas.TextOut(Add(world.X(v.X), 10), Add(world.Y(v.Y), 10), VertexLetter(++i));
}

void DrawOriginCircle(const TWorldCanvas& world, double r) { world.Ellipse(-r, -r, r, r); }
