#include "triangle/PickCount.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

using platform::Extended;

namespace {

using UWide = unsigned __int128;

// floor(a / b) for b > 0.
WideInt FloorDiv(WideInt a, WideInt b)
{
    WideInt q = a / b;
    if (a % b < 0) --q;
    return q;
}

// The sum of floor((a * k + b) / m) over k = 0 .. n - 1, for 0 <= a, b < m, by
// the Euclid-like reduction: the points under the line are counted again with
// the axes swapped, so m and a shrink like the numbers of Euclid's algorithm.
// Each round starts with n <= n0, m <= m0 and a, b < m (n' = floor((a n + b) / m)
// <= n, m' = a), so a * n + b < m0 * (n0 + 1), below 2^65 for the at most 2^32
// columns and runs below 2^32 of the 32-bit range; every addend is part of the
// sum, and each term is at most k, so the sum stays below n0^2 / 2.
UWide FloorSumReduced(UWide n, UWide m, UWide a, UWide b)
{
    UWide sum = 0;
    for (;;) {
        const UWide top = a * n + b;
        if (top < m) return sum;  // also when a is 0, so m' never is
        n = top / m;
        b = top % m;
        std::swap(m, a);
        sum += n * (n - 1) / 2 * (a / m);
        a %= m;
        sum += n * (b / m);
        b %= m;
    }
}

// The sum of floor((a * k + b) / m) over k = 0 .. n - 1 for any a, b and m > 0:
// the whole parts of a / m and b / m come out in closed form first.
WideInt FloorSum(WideInt n, WideInt m, WideInt a, WideInt b)
{
    const WideInt qa = FloorDiv(a, m);
    const WideInt qb = FloorDiv(b, m);
    const UWide rest = FloorSumReduced(UWide(n), UWide(m), UWide(a - qa * m), UWide(b - qb * m));
    return qa * (n * (n - 1) / 2) + qb * n + WideInt(rest);
}

struct Point64 {
    int64_t X = 0;
    int64_t Y = 0;
};

// The sum over the columns x = from .. to of floor(sign * y(x)), y(x) the height
// of the line through p and q, p.X < q.X, and sign +1 or -1: with -1 each term is
// minus the ceiling, where a column's run starts above a lower side.
WideInt SideFloors(Point64 p, Point64 q, int64_t from, int64_t to, int sign)
{
    const WideInt columns = WideInt(to) - from + 1;
    // y(x) = p.Y + rise * (x - p.X) / run; rise * (x - p.X) stays within 2^64.
    const WideInt rise = WideInt(sign) * (q.Y - p.Y);
    return columns * sign * p.Y + FloorSum(columns, q.X - p.X, rise, rise * (from - p.X));
}

// The lattice points of the segment p q, one end left out.
uint64_t SidePoints(Point64 p, Point64 q)
{
    const auto length = [](int64_t a, int64_t b) { return uint64_t(a < b ? b - a : a - b); };
    return std::gcd(length(p.X, q.X), length(p.Y, q.Y));
}

Point64 Wide(TLatticePoint p) { return {p.X, p.Y}; }

}  // namespace

TLatticeSides LatticeSideSteps(const TLatticeTriangle& t)
{
    return {SidePoints(Wide(t.A), Wide(t.B)), SidePoints(Wide(t.B), Wide(t.C)), SidePoints(Wide(t.A), Wide(t.C))};
}

bool LatticeBoxFits(const TLatticeTriangle& t)
{
    const auto extent = [](int32_t a, int32_t b, int32_t c) {
        return UWide(int64_t(std::max({a, b, c})) - std::min({a, b, c}) + 1);
    };
    return extent(t.A.X, t.B.X, t.C.X) * extent(t.A.Y, t.B.Y, t.C.Y) <= kLatticeOverlayLimit;
}

TPickCount CountLatticePoints(const TLatticeTriangle& t)
{
    std::array<Point64, 3> p{{{t.A.X, t.A.Y}, {t.B.X, t.B.Y}, {t.C.X, t.C.Y}}};
    std::sort(p.begin(), p.end(),
              [](const Point64& a, const Point64& b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; });
    const Point64 v0 = p[0], v1 = p[1], v2 = p[2];
    const WideInt turn =
        (WideInt(v2.X) - v0.X) * (WideInt(v1.Y) - v0.Y) - (WideInt(v1.X) - v0.X) * (WideInt(v2.Y) - v0.Y);
    // The sides are counted in input order; the sum and the longest do not care.
    const TLatticeSides sides = LatticeSideSteps(t);
    // Three collinear points: the closed triangle is the segment between the
    // extreme two, all of it boundary; the longest side holds the other two.
    if (turn == 0) return {0, std::max({sides.AB, sides.BC, sides.AC}) + 1};

    // Column x holds the points from the ceiling of the lower side to the floor
    // of the upper one. Every column meets the long side v0 v2 and one short
    // side: v0 v1 up to v1's column, v1 v2 after it. The long side is below
    // when v1 lies above it.
    const int longSign = turn > 0 ? -1 : 1;
    const int shortSign = -longSign;
    WideInt closed = 0;
    if (v0.X < v1.X)
        closed += WideInt(v1.X) - v0.X + 1 + SideFloors(v0, v2, v0.X, v1.X, longSign) +
                  SideFloors(v0, v1, v0.X, v1.X, shortSign);
    else
        closed += v1.Y - v0.Y + 1;  // v0 v1 upright: its column holds just that side
    if (v1.X < v2.X)
        closed += WideInt(v2.X) - v1.X + SideFloors(v0, v2, v1.X + 1, v2.X, longSign) +
                  SideFloors(v1, v2, v1.X + 1, v2.X, shortSign);

    const uint64_t boundary = sides.AB + sides.BC + sides.AC;
    return {uint64_t(closed) - boundary, boundary};
}

double PickArea(const TPickCount& count, double area)
{
    if (!(area > 0)) return area;
    return platform::ToDouble(Extended(count.Boundary) * 0.5 + Extended(count.Interior) - 1);
}

TLatticeListing ListLatticePoints(const TLatticeTriangle& t)
{
    TLatticeListing listing;
    if (!LatticeBoxFits(t)) return listing;
    ForEachLatticePoint(t, [&](TLatticePoint p, bool onBoundary) {
        (onBoundary ? listing.Boundary : listing.Interior).push_back(p);
    });
    return listing;
}
