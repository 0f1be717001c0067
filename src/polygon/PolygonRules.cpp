#include "polygon/PolygonRules.h"

#include <cmath>
#include <type_traits>

#include "platform/FloatMath.h"

using platform::Extended;
using platform::ToDouble;

namespace {

// The measures without their working: the loops keep nothing on the way.
struct NoWorking {};

// Whole coordinates of at most 2^20 make every product and every partial sum
// of the shoelace formula a whole number below 2^53: the extended steps and
// their storing round nothing and cannot fail, so the sum is the exact one,
// which 64-bit integers give without the chain of stores the extended steps
// wait on. Returns false, having summed nonsense, for any other figure (and
// having kept nonsense terms in `working`, which the caller then starts again).
template <class Working>
bool ExactShoelace(std::span<const TVertex> figure, int64_t& sum, [[maybe_unused]] Working* working)
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
        const int64_t term = ax * by - bx * ay;
        s += term;
        if constexpr (!std::is_same_v<Working, NoWorking>) {
            if (i <= kWorkingStepsShown) working->Terms.push_back({figure[i - 1], b, static_cast<double>(term)});
        }
        ax = bx;
        ay = by;
    }
    sum = s;
    return whole;
}

// The shoelace sum, keeping its terms in `working` unless that is null.
template <class Working>
double Shoelace(std::span<const TVertex> figure, [[maybe_unused]] Working* working)
{
    constexpr bool kWorking = !std::is_same_v<Working, NoWorking>;
    const size_t n = figure.size();
    if (int64_t exact = 0; n > 0 && ExactShoelace(figure, exact, working)) {
        const double sum = static_cast<double>(exact);
        const double area = std::fabs(sum) * 0.5;
        if constexpr (kWorking) {
            working->Reached = n;
            working->Done = true;
            working->Sum = sum;
            working->Area = area;
        }
        return area;
    }
    if constexpr (kWorking) working->Terms.clear();
    double s = 0;
    for (size_t i = 0; i < n; ++i) {
        const TVertex& a = figure[i];
        const TVertex& b = figure[i + 1 < n ? i + 1 : 0];
        const Extended plus = Extended(a.X) * b.Y;
        const Extended minus = Extended(b.X) * a.Y;
        if constexpr (kWorking) {
            // The term as shown; the sum takes the two products in its own step.
            if (i < kWorkingStepsShown) working->Terms.push_back({a, b, static_cast<double>(plus - minus)});
        }
        // One step, one formula: the first product is added, then the second subtracted.
        s = ToDouble(Extended(s) + plus - minus);
        if constexpr (kWorking) working->Reached = i + 1;
    }
    const double area = std::fabs(s) * 0.5;
    if constexpr (kWorking) {
        working->Done = true;
        working->Sum = s;
        working->Area = area;
    }
    return area;
}

template <class Working>
double Perimeter(std::span<const TVertex> figure, [[maybe_unused]] Working* working)
{
    constexpr bool kWorking = !std::is_same_v<Working, NoWorking>;
    const size_t n = figure.size();
    double l = 0;
    for (size_t i = 0; i < n; ++i) {
        const TVertex& a = figure[i];
        const TVertex& b = figure[i + 1 < n ? i + 1 : 0];
        const Extended dx = Extended(a.X) - b.X;
        const Extended dy = Extended(a.Y) - b.Y;
        const Extended side = platform::Sqrt(dx * dx + dy * dy);
        if constexpr (kWorking) {
            if (i < kWorkingStepsShown) working->Sides.push_back({a, b, static_cast<double>(side)});
        }
        l = ToDouble(Extended(l) + side);
        if constexpr (kWorking) working->Reached = i + 1;
    }
    if constexpr (kWorking) {
        working->Done = true;
        working->Perimeter = l;
    }
    return l;
}

template <class Working>
bool Convexity(std::span<const TVertex> figure, [[maybe_unused]] Working* working)
{
    constexpr bool kWorking = !std::is_same_v<Working, NoWorking>;
    const size_t n = figure.size();
    if (n == 0) {
        if constexpr (kWorking) working->Done = true;
        return true;
    }
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
    [[maybe_unused]] bool firstNonNegative = true;
    for (size_t k = 0; k < n; ++k) {
        double nextEx = firstEx;
        double nextEy = firstEy;
        if (k + 1 < n) {
            nextEx = ToDouble(Extended(next(k + 1).X) - figure[k + 1].X);
            nextEy = ToDouble(Extended(next(k + 1).Y) - figure[k + 1].Y);
        }
        const double turn = ToDouble(Extended(ex) * nextEy - Extended(nextEx) * ey);
        if (turn >= 0) ++nonNegative;
        if constexpr (kWorking) {
            const TConvexityTurn step{k, ex, ey, nextEx, nextEy, turn};
            if (k < kWorkingStepsShown) working->Turns.push_back(step);
            if (k == 0) firstNonNegative = turn >= 0;
            else if (!working->FirstDiffering && (turn >= 0) != firstNonNegative) working->FirstDiffering = step;
            working->Reached = k + 1;
            working->NonNegative = nonNegative;
        }
        ex = nextEx;
        ey = nextEy;
    }
    const bool convex = nonNegative == n || nonNegative == 0;
    if constexpr (kWorking) {
        working->Done = true;
        working->Convex = convex;
    }
    return convex;
}

}  // namespace

double PolygonArea(std::span<const TVertex> figure) { return Shoelace<NoWorking>(figure, nullptr); }

double ShoelaceArea(std::span<const TVertex> figure, TShoelace& working)
{
    working = TShoelace{};
    working.VertexCount = figure.size();
    return Shoelace(figure, &working);
}

double PolygonPerimeter(std::span<const TVertex> figure) { return Perimeter<NoWorking>(figure, nullptr); }

double SidesPerimeter(std::span<const TVertex> figure, TPerimeterSides& working)
{
    working = TPerimeterSides{};
    working.VertexCount = figure.size();
    return Perimeter(figure, &working);
}

bool IsConvexPolygon(std::span<const TVertex> figure) { return Convexity<NoWorking>(figure, nullptr); }

bool TurnsConvexity(std::span<const TVertex> figure, TConvexity& working)
{
    working = TConvexity{};
    working.VertexCount = figure.size();
    return Convexity(figure, &working);
}
