#pragma once
// The figure the random-points command would make, from a fixed seed so every
// run measures the same work.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "shell/VertexStore.h"

inline void FillRandom(int32_t n)
{
    std::mt19937 generator(20240611);
    std::uniform_int_distribution<int> draw(0, 99);
    for (int32_t i = 1; i <= n; ++i) {
        Vertices[i].X = 50 - draw(generator);
        Vertices[i].Y = 50 - draw(generator);
    }
    VertexCount = n;
}

// n points on a circle of radius 1000 in a shuffled order: every one is a corner
// of the hull.
inline std::vector<TVertex> CirclePoints(int32_t n)
{
    std::vector<TVertex> points;
    for (int32_t k = 0; k < n; ++k) {
        const double angle = 2 * M_PI * k / n;
        points.push_back({1000 * std::cos(angle), 1000 * std::sin(angle)});
    }
    std::mt19937 generator(20240611);
    std::shuffle(points.begin(), points.end(), generator);
    return points;
}
