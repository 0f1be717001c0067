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
bool ExactShoelace(std::span<const TVertex> figure, int64_t& sum)
{
    constexpr double kLimit = 1048576.0;  // 2^20
    bool whole = true;
    auto whole20 = [&whole](double v) {
        const double inRange = std::fabs(v) <= kLimit ? v : 0.0;  // NaN too: 0, then 0 != v
        const int32_t i = static_cast<int32_t>(inRange);
        whole &= static_cast<double>(i) == v;
        return int64_t(i);
    };
    const size_t n = figure.size();
    int64_t s = 0;
    int64_t ax = whole20(figure[0].X);
    int64_t ay = whole20(figure[0].Y);
    for (size_t i = 1; i <= n; ++i) {
        const TVertex& b = figure[i < n ? i : 0];  // the last side closes the polygon
        const int64_t bx = whole20(b.X);
        const int64_t by = whole20(b.Y);
        s += ax * by - bx * ay;
        ax = bx;
        ay = by;
    }
    sum = s;
    return whole;
}

}  // namespace

double PolygonArea(std::span<const TVertex> figure)
{
    const size_t n = figure.size();
    if (int64_t exact = 0; n > 0 && ExactShoelace(figure, exact)) return std::fabs(static_cast<double>(exact)) * 0.5;
    double s = 0;
    for (size_t i = 0; i < n; ++i) {
        const TVertex& a = figure[i];
        const TVertex& b = figure[i + 1 < n ? i + 1 : 0];
        // One step, one formula: the first product is added, then the second subtracted.
        s = ToDouble(Extended(s) + Extended(a.X) * b.Y - Extended(b.X) * a.Y);
    }
    return std::fabs(s) * 0.5;
}

double PolygonPerimeter(std::span<const TVertex> figure)
{
    const size_t n = figure.size();
    double l = 0;
    for (size_t i = 0; i < n; ++i) {
        const TVertex& a = figure[i];
        const TVertex& b = figure[i + 1 < n ? i + 1 : 0];
        const Extended dx = Extended(a.X) - b.X;
        const Extended dy = Extended(a.Y) - b.Y;
        l = ToDouble(Extended(l) + platform::Sqrt(dx * dx + dy * dy));
    }
    return l;
}

bool IsConvexPolygon(std::span<const TVertex> figure)
{
    const size_t n = figure.size();
    if (n == 0) return true;
    // Vertex k + 1 of the closed polygon: the first again after the last.
    const auto next = [&](size_t k) -> const TVertex& { return figure[k + 1 < n ? k + 1 : 0]; };

    // Edge k runs from vertex k to vertex k + 1; the edge after the last is the
    // first again, so the last turn is the one at vertex 1. Each edge is needed by
    // two neighbouring turns only, so it is carried along instead of kept in a table.
    const double firstEx = ToDouble(Extended(next(0).X) - figure[0].X);
    const double firstEy = ToDouble(Extended(next(0).Y) - figure[0].Y);
    double ex = firstEx;
    double ey = firstEy;
    size_t nonNegative = 0;
    for (size_t k = 0; k < n; ++k) {
        double nextEx = firstEx;
        double nextEy = firstEy;
        if (k + 1 < n) {
            nextEx = ToDouble(Extended(next(k + 1).X) - figure[k + 1].X);
            nextEy = ToDouble(Extended(next(k + 1).Y) - figure[k + 1].Y);
        }
        const double turn = ToDouble(Extended(ex) * nextEy - Extended(nextEx) * ey);
        if (turn >= 0) ++nonNegative;
        ex = nextEx;
        ey = nextEy;
    }
    return nonNegative == n || nonNegative == 0;
}
