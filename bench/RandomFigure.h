#pragma once
// The figure the random-points command would make, from a fixed seed so every
// run measures the same work.
#include <cstdint>
#include <random>

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
