#include "polygon/FigureCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"
#include "polygon/PolygonRules.h"
#include "shell/VertexStore.h"

using platform::Extended;
using platform::ToDouble;

namespace {

bool HasCoincidingVerticesPairwise(int32_t n)
{
    for (int32_t i = 1; i < n; ++i) {
        const TVertex a = Vertices[i];
        for (int32_t j = i + 1; j <= n; ++j) {
            if (a.X == Vertices[j].X && a.Y == Vertices[j].Y) return true;
        }
    }
    return false;
}

// Plain comparisons cannot fail, so only the verdict counts: sorted, equal
// vertices stand side by side. A NaN equals nothing and has no place in an
// order, so a figure with one is compared pair by pair.
bool HasCoincidingVertices(int32_t n)
{
    if (n < 32) return HasCoincidingVerticesPairwise(n);
    std::vector<TVertex> sorted(Vertices.begin() + 1, Vertices.begin() + n + 1);
    for (TVertex& v : sorted) {
        if (std::isnan(v.X) || std::isnan(v.Y)) return HasCoincidingVerticesPairwise(n);
        // -0 equals 0: one of them for both, so they sort together.
        v.X += 0.0;
        v.Y += 0.0;
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const TVertex& a, const TVertex& b) { return a.X < b.X || (a.X == b.X && a.Y < b.Y); });
    for (size_t k = 1; k < sorted.size(); ++k)
        if (sorted[k].X == sorted[k - 1].X && sorted[k].Y == sorted[k - 1].Y) return true;
    return false;
}

// Side k runs from slot k to slot k + 1. A pair counts as crossing when the line
// through side j meets side i strictly inside the X extent of side i, all three
// X values taken to two decimals. Every pair is visited even after a crossing
// is found: a later pair may still overflow, and that error must surface.
//
// The cost is the pairs, so what side i alone decides is worked out once per side
// (the same extended products, in the same order); the values of side j are read
// from the store's doubles each time, which costs less than loading them kept
// in extended precision. Once a crossing is found
// only a fault can still change the outcome; when the coordinates are small
// enough that neither d nor the ends' rounding can fail, a pair is taken through
// to Xc only when Xc could overflow.
bool HasCrossingSides(int32_t n)
{
    Vertices[n + 1] = Vertices[1];

    // M, the largest coordinate, bounds the rest: |d| <= 8 M^2 and the numerator
    // of Xc is at most 24 M^3 (with room for the extended roundings). Below 9e16
    // d cannot overflow, neither can the two-decimal rounding of an end, and Xc
    // cannot overflow when |d| >= 25 M^3 / 1e308. A NaN or an infinity leaves
    // no bound.
    Extended largest = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const Extended ax = std::fabs(Extended(Vertices[k].X));
        const Extended ay = std::fabs(Extended(Vertices[k].Y));
        if (!(ax <= largest)) largest = ax;  // a NaN sticks
        if (!(ay <= largest)) largest = ay;
    }
    const bool quietPastCrossing = largest < 9e16L;
    const Extended safeD = quietPastCrossing ? 25 * largest * largest * largest / 1e308L : 0;

    bool found = false;
    for (int32_t i = 1; i < n; ++i) {
        const double x1 = Vertices[i].X;
        const double y1 = Vertices[i].Y;
        const double x2 = Vertices[i + 1].X;
        const double y2 = Vertices[i + 1].Y;
        const Extended dx12 = Extended(x2) - x1;
        const Extended dy12 = Extended(y2) - y1;
        const Extended dy12TimesX1 = dy12 * x1;
        const bool vertical = x2 == x1;
        // Neither is a NaN once d has been stored (a NaN fails there).
        const double lo = std::fmin(x1, x2);
        const double hi = std::fmax(x1, x2);
        // x1 and x2 are rounded once per side, at the first pair that needs them.
        bool endsRounded = false;
        double rx1 = 0;
        double rx2 = 0;
        for (int32_t j = i + 1; j <= n; ++j) {
            const double x3 = Vertices[j].X;
            const double y3 = Vertices[j].Y;
            const Extended dx34 = Extended(Vertices[j + 1].X) - x3;
            const Extended dy34 = Extended(Vertices[j + 1].Y) - y3;
            const Extended dExtended = dy12 * dx34 - dy34 * dx12;
            if (found && quietPastCrossing && std::fabs(dExtended) >= safeD) continue;
            const double d = ToDouble(dExtended);
            if (d == 0) continue;   // parallel, or a side of no length
            if (vertical) continue; // side i vertical: no X extent to cut
            const double xc = ToDouble(((Extended(y3) - y1) * dx12 * dx34 + dy12TimesX1 * dx34 - dy34 * x3 * dx12) / d);
            if (!endsRounded) {
                rx1 = platform::RoundTo2(x1);
                rx2 = platform::RoundTo2(x2);
                endsRounded = true;
            }
            if (found) continue;
            // Rounding never changes the order of two values, so an Xc outside the
            // extent cannot land strictly inside it once rounded, and it is not
            // rounded at all: sides that are parallel but for rounding (opposite
            // sides of a regular polygon) meet so far away that two-decimal rounding
            // of Xc would overflow, and that must not stop the check.
            if (!(lo < xc && xc < hi)) continue;
            const double rxc = platform::RoundTo2(xc);
            if ((rx1 < rxc && rxc < rx2) || (rx2 < rxc && rxc < rx1)) found = true;
        }
    }
    return found;
}

// Consecutive triples, cyclically: the last two take in vertices 1 and 2
// through their copies in slots N + 1 and N + 2.
bool HasCollinearTriple(int32_t n)
{
    Vertices[n + 1] = Vertices[1];
    Vertices[n + 2] = Vertices[2];  // after slot n + 1, so for N = 1 it is vertex 1 too
    for (int32_t i = 1; i <= n; ++i) {
        const TVertex& a = Vertices[i];
        const TVertex& b = Vertices[i + 1];
        const TVertex& c = Vertices[i + 2];
        if ((Extended(c.X) - a.X) * (Extended(b.Y) - a.Y) == (Extended(c.Y) - a.Y) * (Extended(b.X) - a.X))
            return true;
    }
    return false;
}

}  // namespace

FigureCheckResult RunFigureCheck()
{
    const int32_t n = ClampedVertexCount(VertexCount);
    FigureCheckResult result;
    for (int k = 1; k <= 5; ++k) CheckMessages[k].clear();

    if (!IsConvexPolygon(n)) {
        CheckMessages[1] = kNotConvexText;
        result.ProblemFound = true;
    }
    if (HasCoincidingVertices(n)) {
        CheckMessages[2] = kCoincidingPointsText;
        result.ProblemFound = true;
    }
    if (HasCrossingSides(n)) {
        CheckMessages[3] = kCrossingSidesText;
        result.ProblemFound = true;
    }
    result.CrossingLine = CheckMessages[3];
    if (HasCollinearTriple(n)) {
        CheckMessages[4] = kCollinearPointsText;
        result.ProblemFound = true;
    }
    if (VertexCount < 3) {
        CheckMessages[5] = kNoVerticesText;
        result.ProblemFound = true;
    }

    result.Question = "Многокутник: ";
    for (int k = 1; k <= 5; ++k) result.Question += CheckMessages[k];
    result.Question += " Виконувати?";
    return result;
}
