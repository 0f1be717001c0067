#include "polygon/FigureCheck.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"
#include "polygon/PolygonRules.h"

using platform::Extended;
using platform::ToDouble;

namespace {

// The figure's vertices in slots 1..n, with the closing copies the tests walk
// over: slot n + 1 is vertex 1, then slot n + 2 vertex 2 (vertex 1 again when n
// is 1). Slot 0 is never used.
using Slots = std::vector<TVertex>;

Slots ClosedSlots(std::span<const TVertex> figure)
{
    const size_t n = figure.size();
    Slots slots(n + 3);
    std::copy(figure.begin(), figure.end(), slots.begin() + 1);
    slots[n + 1] = slots[1];
    slots[n + 2] = slots[2];
    return slots;
}

// The pair found is the first by its smaller number, then by its larger one.
using VertexPair = std::array<int32_t, 2>;

bool HasCoincidingVerticesPairwise(const Slots& slots, int32_t n, VertexPair& pair)
{
    for (int32_t i = 1; i < n; ++i) {
        const TVertex a = slots[i];
        for (int32_t j = i + 1; j <= n; ++j) {
            if (a.X == slots[j].X && a.Y == slots[j].Y) {
                pair = {i, j};
                return true;
            }
        }
    }
    return false;
}

// Plain comparisons cannot fail, so only the verdict counts: sorted, equal
// vertices stand side by side. A NaN equals nothing and has no place in an
// order, so a figure with one is compared pair by pair. Equal vertices sort by
// their numbers, so the pair found is the one the pairwise walk finds.
bool HasCoincidingVertices(const Slots& slots, int32_t n, VertexPair& pair)
{
    if (n < 32) return HasCoincidingVerticesPairwise(slots, n, pair);
    struct Numbered {
        TVertex V;
        int32_t K;
    };
    std::vector<Numbered> sorted(static_cast<size_t>(n));
    for (int32_t k = 1; k <= n; ++k) {
        TVertex v = slots[k];
        if (std::isnan(v.X) || std::isnan(v.Y)) return HasCoincidingVerticesPairwise(slots, n, pair);
        // -0 equals 0: one of them for both, so they sort together.
        v.X += 0.0;
        v.Y += 0.0;
        sorted[size_t(k - 1)] = {v, k};
    }
    std::sort(sorted.begin(), sorted.end(), [](const Numbered& a, const Numbered& b) {
        return a.V.X < b.V.X || (a.V.X == b.V.X && (a.V.Y < b.V.Y || (a.V.Y == b.V.Y && a.K < b.K)));
    });
    bool found = false;
    for (size_t k = 1; k < sorted.size(); ++k) {
        const Numbered& a = sorted[k - 1];
        const Numbered& b = sorted[k];
        // Only the first two of a run of equal vertices make its smallest pair.
        const bool runStart = k < 2 || !(sorted[k - 2].V.X == a.V.X && sorted[k - 2].V.Y == a.V.Y);
        if (runStart && a.V.X == b.V.X && a.V.Y == b.V.Y && (!found || VertexPair{a.K, b.K} < pair)) {
            pair = {a.K, b.K};
            found = true;
        }
    }
    return found;
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
bool HasCrossingSides(const Slots& slots, int32_t n, VertexPair& sides)
{
    // M, the largest coordinate, bounds the rest: |d| <= 8 M^2 and the numerator
    // of Xc is at most 24 M^3 (with room for the extended roundings). Below 9e16
    // d cannot overflow, neither can the two-decimal rounding of an end, and Xc
    // cannot overflow when |d| >= 25 M^3 / 1e308. A NaN or an infinity leaves
    // no bound.
    Extended largest = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const Extended ax = std::fabs(Extended(slots[k].X));
        const Extended ay = std::fabs(Extended(slots[k].Y));
        if (!(ax <= largest)) largest = ax;  // a NaN sticks
        if (!(ay <= largest)) largest = ay;
    }
    const bool quietPastCrossing = largest < 9e16L;
    const Extended safeD = quietPastCrossing ? 25 * largest * largest * largest / 1e308L : 0;

    bool found = false;
    for (int32_t i = 1; i < n; ++i) {
        const double x1 = slots[i].X;
        const double y1 = slots[i].Y;
        const double x2 = slots[i + 1].X;
        const double y2 = slots[i + 1].Y;
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
            const double x3 = slots[j].X;
            const double y3 = slots[j].Y;
            const Extended dx34 = Extended(slots[j + 1].X) - x3;
            const Extended dy34 = Extended(slots[j + 1].Y) - y3;
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
            if ((rx1 < rxc && rxc < rx2) || (rx2 < rxc && rxc < rx1)) {
                found = true;
                sides = {i, j};
            }
        }
    }
    return found;
}

// Consecutive triples, cyclically: the last two take in vertices 1 and 2
// through their copies in slots N + 1 and N + 2.
bool HasCollinearTriple(const Slots& slots, int32_t n, int32_t& first)
{
    for (int32_t i = 1; i <= n; ++i) {
        const TVertex& a = slots[i];
        const TVertex& b = slots[i + 1];
        const TVertex& c = slots[i + 2];
        if ((Extended(c.X) - a.X) * (Extended(b.Y) - a.Y) == (Extended(c.Y) - a.Y) * (Extended(b.X) - a.X)) {
            first = i;
            return true;
        }
    }
    return false;
}

}  // namespace

const char* CheckSlotText(int slot)
{
    static constexpr const char* kTexts[] = {"", kNotConvexText, kCoincidingPointsText, kCrossingSidesText,
                                             kCollinearPointsText, kNoVerticesText};
    return slot >= 1 && slot <= 5 ? kTexts[slot] : "";
}

TFigureCheckResult RunFigureCheck(std::span<const TVertex> figure, const CheckFinding& found)
{
    TFigureCheckResult result;
    RunFigureCheck(figure, result, found);
    return result;
}

void RunFigureCheck(std::span<const TVertex> figure, TFigureCheckResult& result, const CheckFinding& found)
{
    const int32_t n = int32_t(figure.size());
    const Slots slots = ClosedSlots(figure);
    result = TFigureCheckResult{};
    result.VertexCount = n;
    const auto find = [&](int slot) {
        result.Found[slot] = true;
        result.ProblemFound = true;
        if (found) found(slot);
    };

    TConvexity turns;
    if (!TurnsConvexity(figure, turns)) {
        // Not convex means turns of both signs, so one differs from the first.
        const size_t k = turns.FirstDiffering ? turns.FirstDiffering->Index : 0;
        result.NotConvexVertex = int32_t((k + 1) % size_t(n)) + 1;
        find(kNotConvexSlot);
    }
    result.TestsDone = 1;
    if (HasCoincidingVertices(slots, n, result.CoincidingVertices)) find(kCoincidingPointsSlot);
    result.TestsDone = 2;
    VertexPair crossing{};
    const bool crossed = HasCrossingSides(slots, n, crossing);
    // Found only once the test has visited every pair: a later pair may still fail.
    if (crossed) {
        result.CrossingSides = crossing;
        find(kCrossingSidesSlot);
    }
    result.TestsDone = 3;
    result.CrossingLine = result.Found[kCrossingSidesSlot] ? kCrossingSidesText : "";
    if (HasCollinearTriple(slots, n, result.CollinearVertex)) find(kCollinearPointsSlot);
    result.TestsDone = 4;
    if (n < 3) find(kNoVerticesSlot);
    result.TestsDone = 5;

    result.Question = "Многокутник: ";
    for (int k = 1; k <= 5; ++k)
        if (result.Found[k]) result.Question += CheckSlotText(k);
    result.Question += " Виконувати?";
}
