#pragma once
// Figures shared by the polygon tests.
#include <cmath>
#include <cstdint>
#include <vector>

#include "shell/VertexStore.h"

// Puts the figure into slots 1..N and sets VertexCount; the slots for the
// closing copies get a marker, so a test sees whether a rule wrote them.
inline void LoadFigure(const std::vector<TVertex>& figure)
{
    ResetVertexStore();
    const int32_t n = int32_t(figure.size());
    for (int32_t i = 0; i < n; ++i) Vertices[i + 1] = figure[i];
    Vertices[n + 1] = {777, 777};
    Vertices[n + 2] = {777, 777};
    VertexCount = n;
}

// The vertices of a regular pentagon of radius 10, taken every second one.
inline std::vector<TVertex> Pentagram()
{
    std::vector<TVertex> star;
    for (int k : {0, 2, 4, 1, 3}) {
        const double angle = M_PI / 2 + 2 * M_PI * k / 5;
        star.push_back({10 * std::cos(angle), 10 * std::sin(angle)});
    }
    return star;
}

// (1, 1), (2, 4) ... (1000, 1000000) on y = x * x, closed by the chord back to
// (1, 1): a convex figure that fills the store and keeps every product exact.
inline std::vector<TVertex> ParabolaFillingStore()
{
    std::vector<TVertex> figure;
    for (int32_t x = 1; x <= MaxVertices; ++x) figure.push_back({double(x), double(x) * x});
    return figure;
}
