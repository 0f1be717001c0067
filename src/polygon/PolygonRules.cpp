#include "polygon/PolygonRules.h"

#include <cmath>

#include "platform/FloatMath.h"

using platform::Extended;
using platform::ToDouble;

namespace {

// Whole coordinates of at most 2^20 make every product and every partial sum
// of the shoelace formula a whole number below 2^53: the extended steps and
// their storing round nothing and cannot fail, so the sum is the exact one,
// which 64-bit integers give without the chain of stores the extended steps
// wait on. Returns false, having summed nonsense, for any other figure.
bool ExactShoelace(int32_t n, int64_t& sum)
{
    constexpr double kLimit = 1048576.0;  // 2^20
    bool whole = true;
    auto whole20 = [&whole](double v) {
        const double inRange = std::fabs(v) <= kLimit ? v : 0.0;  // NaN too: 0, then 0 != v
        const int32_t i = static_cast<int32_t>(inRange);
        whole &= static_cast<double>(i) == v;
        return int64_t(i);
    };
    int64_t s = 0;
    int64_t ax = whole20(Vertices[1].X);
    int64_t ay = whole20(Vertices[1].Y);
    for (int32_t i = 1; i <= n; ++i) {
        const int64_t bx = whole20(Vertices[i + 1].X);
        const int64_t by = whole20(Vertices[i + 1].Y);
        s += ax * by - bx * ay;
        ax = bx;
        ay = by;
    }
    sum = s;
    return whole;
}

}  // namespace

double PolygonArea(int32_t n)
{
    n = ClampedVertexCount(n);
    Vertices[n + 1] = Vertices[1];
    if (int64_t exact = 0; n > 0 && ExactShoelace(n, exact)) return std::fabs(static_cast<double>(exact)) * 0.5;
    double s = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const TVertex& a = Vertices[i];
        const TVertex& b = Vertices[i + 1];
        // One step, one formula: the first product is added, then the second subtracted.
        s = ToDouble(Extended(s) + Extended(a.X) * b.Y - Extended(b.X) * a.Y);
    }
    return std::fabs(s) * 0.5;
}

double PolygonPerimeter(int32_t n)
{
    n = ClampedVertexCount(n);
    Vertices[n + 1] = Vertices[1];
    double l = 0;
    for (int32_t i = 1; i <= n; ++i) {
        const TVertex& a = Vertices[i];
        const TVertex& b = Vertices[i + 1];
        const Extended dx = Extended(a.X) - b.X;
        const Extended dy = Extended(a.Y) - b.Y;
        l = ToDouble(Extended(l) + platform::Sqrt(dx * dx + dy * dy));
    }
    return l;
}

bool IsConvexPolygon(int32_t n)
{
    n = ClampedVertexCount(n);
    Vertices[n + 1] = Vertices[1];
    if (n == 0) return true;

    // Edge k runs from slot k to slot k + 1; the edge after edge n is edge 1
    // again, so the last turn is the one at vertex 1. Each edge is needed by two
    // neighbouring turns only, so it is carried along instead of kept in a table.
    const double firstEx = ToDouble(Extended(Vertices[2].X) - Vertices[1].X);
    const double firstEy = ToDouble(Extended(Vertices[2].Y) - Vertices[1].Y);
    double ex = firstEx;
    double ey = firstEy;
    int32_t nonNegative = 0;
    for (int32_t k = 1; k <= n; ++k) {
        double nextEx = firstEx;
        double nextEy = firstEy;
        if (k < n) {
            nextEx = ToDouble(Extended(Vertices[k + 2].X) - Vertices[k + 1].X);
            nextEy = ToDouble(Extended(Vertices[k + 2].Y) - Vertices[k + 1].Y);
        }
        const double turn = ToDouble(Extended(ex) * nextEy - Extended(nextEx) * ey);
        if (turn >= 0) ++nonNegative;
        ex = nextEx;
        ey = nextEy;
    }
    return nonNegative == n || nonNegative == 0;
}
