// The figure check and the area as they were before the pairs of sides were
// pruned, the vertices sorted and the shoelace sum taken in integers.
#include "Reference.h"

#include <cmath>

#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"
#include "polygon/PolygonRules.h"
#include "shell/VertexStore.h"

namespace reference {

using platform::Extended;
using platform::RoundTo2;
using platform::ToDouble;

double PolygonArea(int32_t n)
{
    n = ClampedVertexCount(n);
    Vertices[n + 1] = Vertices[1];
    double s = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const TVertex& a = Vertices[i];
        const TVertex& b = Vertices[i + 1];
        // One step, one formula: the first product is added, then the second subtracted.
        s = ToDouble(Extended(s) + Extended(a.X) * b.Y - Extended(b.X) * a.Y);
    }
    return std::fabs(s) * 0.5;
}

namespace {

bool HasCoincidingVertices(int32_t n)
{
    for (int32_t i = 1; i < n; ++i) {
        const TVertex a = Vertices[i];
        for (int32_t j = i + 1; j <= n; ++j) {
            // Plain comparisons cannot fail, so the first match settles it.
            if (a.X == Vertices[j].X && a.Y == Vertices[j].Y) return true;
        }
    }
    return false;
}

// Side k runs from slot k to slot k + 1. A pair counts as crossing when the line
// through side j meets side i strictly inside the X extent of side i, all three
// X values taken to two decimals. Every pair is visited even after a crossing
// is found: a later pair may still overflow, and that error must surface.
bool HasCrossingSides(int32_t n)
{
    Vertices[n + 1] = Vertices[1];
    bool found = false;
    for (int32_t i = 1; i < n; ++i) {
        const double x1 = Vertices[i].X;
        const double y1 = Vertices[i].Y;
        const double x2 = Vertices[i + 1].X;
        const double y2 = Vertices[i + 1].Y;
        const Extended dx12 = Extended(x2) - x1;
        const Extended dy12 = Extended(y2) - y1;
        // x1 and x2 are rounded once per side, at the first pair that needs them.
        bool endsRounded = false;
        double rx1 = 0;
        double rx2 = 0;
        for (int32_t j = i + 1; j <= n; ++j) {
            const double x3 = Vertices[j].X;
            const double y3 = Vertices[j].Y;
            const Extended dx34 = Extended(Vertices[j + 1].X) - x3;
            const Extended dy34 = Extended(Vertices[j + 1].Y) - y3;
            const double d = ToDouble(dy12 * dx34 - dy34 * dx12);
            if (d == 0) continue;   // parallel, or a side of no length
            if (x2 == x1) continue; // side i vertical: no X extent to cut
            const double xc = ToDouble(
                ((Extended(y3) - y1) * dx12 * dx34 + dy12 * x1 * dx34 - dy34 * x3 * dx12) / d);
            if (!endsRounded) {
                rx1 = RoundTo2(x1);
                rx2 = RoundTo2(x2);
                endsRounded = true;
            }
            // Rounding never changes the order of two values, so an Xc outside the
            // extent cannot land strictly inside it once rounded, and it is not
            // rounded at all: sides that are parallel but for rounding (opposite
            // sides of a regular polygon) meet so far away that two-decimal rounding
            // of Xc would overflow, and that must not stop the check.
            const bool outside = (xc <= x1 && xc <= x2) || (xc >= x1 && xc >= x2);
            if (found || outside) continue;
            const double rxc = RoundTo2(xc);
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

TFigureCheckResult RunFigureCheck()
{
    const int32_t n = ClampedVertexCount(VertexCount);
    TFigureCheckResult result;
    for (int k = 1; k <= 5; ++k) CheckMessages[k].clear();

    // The convexity rule is the current one; it read the closing copy from the store.
    Vertices[n + 1] = Vertices[1];
    if (!::IsConvexPolygon(StoredFigure(n))) {
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

}  // namespace reference
