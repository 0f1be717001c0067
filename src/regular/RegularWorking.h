#pragma once
// The working of the regular polygon commands: the radius from the side, the
// vertex formula and the first vertices, built from what the tab's polygon
// reached. Pure functions; the handlers append what these build.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Vertex.h"
#include "working/WorkingSection.h"

// Vertices listed one by one before a summary line takes the rest.
constexpr int32_t RegularWorkingVertices = 20;

// The tab's polygon as far as it got: each value is set when it is read or
// computed, so after a fault the ones before it are there.
struct TRegularTabPolygon {
    std::optional<int32_t> N;
    std::optional<double> Side;
    std::optional<double> Radius;         // R, of the circumscribed circle
    std::optional<double> StartDegrees;   // φ₀ as typed
    std::optional<double> StartAngle;     // φ₀ in radians
    std::vector<TVertex> FirstVertices;   // as walked, at most RegularWorkingVertices
    int32_t Walked = 0;                   // vertices walked

    // A vertex as the walk gives it.
    void Walk(const TVertex& vertex)
    {
        if (int32_t(FirstVertices.size()) < RegularWorkingVertices) FirstVertices.push_back(vertex);
        ++Walked;
    }
};

// The section of a regular polygon command: its caption, the tab's values, R,
// φ₀, the vertex formula and the first vertices; where a fault stopped it, the
// step it stopped at and why.
TWorkingSection RegularPolygonSection(std::string caption, const TRegularTabPolygon& tab);

// r of the inscribed circle, as the construction computes it for its circle.
void AddInscribedRadius(TWorkingSection& section, int32_t n, double side, double radius);

