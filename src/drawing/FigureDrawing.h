#pragma once
// The parts of a construction, each drawn through a world canvas, so each can
// be drawn, and tested, on any image: the axes, the closed outline, the vertex
// letters and a circle about the origin.
#include "core/Vertex.h"
#include "drawing/WorldCanvas.h"
#include "platform/Canvas.h"

#include <cstdint>
#include <span>

// The axes of the canvas's world window: each from one edge of the window to the
// other with an arrowhead filled black and its caption, and the ticks at 1 and -1
// with theirs. Black one-pixel pen, white brush afterwards.
void DrawAxes(const TWorldCanvas& world);

// The closed outline through the figure's vertices in the given pen: from the
// first vertex to each in turn and back to the first. Nothing for no vertices.
void DrawOutline(const TWorldCanvas& world, std::span<const TVertex> figure, platform::TColor penColor,
                 int32_t penWidth);

// The letter of each vertex ("A", "B", ...) 10 pixels right of and below it, on
// the canvas's brush.
void DrawVertexLetters(const TWorldCanvas& world, std::span<const TVertex> figure);

// The circle of radius r about the world origin, with the canvas's present pen and brush.
void DrawOriginCircle(const TWorldCanvas& world, double r);
