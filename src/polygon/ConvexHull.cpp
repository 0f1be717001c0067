#include "polygon/ConvexHull.h"

#include <algorithm>
#include <cmath>

#include "platform/FloatMath.h"
#include "polygon/PolygonRules.h"

using platform::Extended;

namespace {

// The first of the points with the smallest X.
int32_t LeftmostIndex(std::span<const TVertex> points)
{
    int32_t s = 0;
    for (int32_t i = 1; i < int32_t(points.size()); ++i) {
        if (points[i].X < points[s].X) s = i;
    }
    return s;
}

// The scans' turn value of point m for candidate k after hull point c: the
// vectors start at c and at k, which is how the scans round it.
double TurnValue(TVertex c, TVertex k, TVertex m) { return CrossProduct(c, k, k, m); }

// True when no turn value of these points can overflow or be undefined: all
// coordinates finite and no two further apart than 2^500 on either axis.
bool TurnValuesStayFinite(std::span<const TVertex> points)
{
    Extended minX = points[0].X, maxX = points[0].X;
    Extended minY = points[0].Y, maxY = points[0].Y;
    for (const TVertex& p : points) {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) return false;
        minX = std::min<Extended>(minX, p.X);
        maxX = std::max<Extended>(maxX, p.X);
        minY = std::min<Extended>(minY, p.Y);
        maxY = std::max<Extended>(maxY, p.Y);
    }
    const Extended limit = std::ldexp(Extended(1), 500);
    return maxX - minX <= limit && maxY - minY <= limit;
}

// From hull point c, the point in the most clockwise direction: the next
// corner of the hull, which lies to the right of the line from c through any
// other candidate off the side towards it. -1 when every point sits on c.
int32_t LikelyNextCorner(std::span<const TVertex> points, int32_t c)
{
    const TVertex pc = points[c];
    int32_t g = -1;
    for (int32_t m = 0; m < int32_t(points.size()); ++m) {
        if (points[m].X == pc.X && points[m].Y == pc.Y) continue;
        if (g < 0 || CrossProduct(pc, points[g], pc, points[m]) < 0) g = m;
    }
    return g;
}

}  // namespace

std::vector<int32_t> PlainHullScans(std::span<const TVertex> points)
{
    const int32_t n = int32_t(points.size());
    if (n == 0) return {};
    const int32_t s = LeftmostIndex(points);
    std::vector<char> taken(n, 0);
    taken[s] = 1;
    std::vector<int32_t> hull{s};
    int32_t c = s;
    bool acceptedAny = true;
    while (acceptedAny) {
        acceptedAny = false;
        for (int32_t k = 0; k < n; ++k) {
            if (taken[k]) continue;
            taken[k] = 1;
            hull.push_back(k);
            bool pointToRight = false;
            for (int32_t m = 0; m < n; ++m) {
                if (TurnValue(points[c], points[k], points[m]) < 0) pointToRight = true;
            }
            if (!pointToRight) {
                c = k;
                acceptedAny = true;
            } else {
                taken[k] = 0;
                hull.pop_back();
            }
        }
    }
    return hull;
}

std::vector<int32_t> AutomaticHull(std::span<const TVertex> points)
{
    const int32_t n = int32_t(points.size());
    if (n == 0) return {};
    // Testing fewer points than the plain scans could skip the one that overflows.
    if (!TurnValuesStayFinite(points)) return PlainHullScans(points);

    const int32_t s = LeftmostIndex(points);
    std::vector<int32_t> hull{s};
    // The points not taken, in index order: the candidates of the next scan.
    std::vector<int32_t> untaken;
    untaken.reserve(n);
    for (int32_t k = 0; k < n; ++k) {
        if (k != s) untaken.push_back(k);
    }

    int32_t c = s;
    int32_t corner = LikelyNextCorner(points, c);
    int32_t lastWitness = -1;
    // Whether a candidate is rejected depends only on whether some point has a
    // negative turn value, not on which one is found first, so the likely ones
    // go first: the next corner, then the point that rejected the last candidate.
    auto pointToRight = [&](int32_t k) {
        const TVertex pc = points[c];
        const TVertex pk = points[k];
        if (corner >= 0 && TurnValue(pc, pk, points[corner]) < 0) return true;
        if (lastWitness >= 0 && TurnValue(pc, pk, points[lastWitness]) < 0) return true;
        for (int32_t m = 0; m < n; ++m) {
            if (TurnValue(pc, pk, points[m]) < 0) {
                lastWitness = m;
                return true;
            }
        }
        return false;
    };

    std::vector<int32_t> stillUntaken;
    stillUntaken.reserve(n);
    bool acceptedAny = true;
    while (acceptedAny) {
        acceptedAny = false;
        stillUntaken.clear();
        for (const int32_t k : untaken) {
            if (pointToRight(k)) {
                stillUntaken.push_back(k);
                continue;
            }
            hull.push_back(k);
            c = k;
            corner = LikelyNextCorner(points, c);
            acceptedAny = true;
        }
        untaken.swap(stillUntaken);
    }
    return hull;
}

double SquaredDistance(TVertex a, TVertex b)
{
    const Extended dx = Extended(b.X) - a.X;
    const Extended dy = Extended(b.Y) - a.Y;
    return platform::ToDouble(dx * dx + dy * dy);
}

std::vector<TVertex> JarvisMarch(std::vector<TVertex> points)
{
    const int32_t n = int32_t(points.size());
    if (n <= 1) return points;

    int32_t s = 0;
    for (int32_t i = 1; i < n; ++i) {
        if (points[i].Y < points[s].Y || (points[i].Y == points[s].Y && points[i].X > points[s].X)) s = i;
    }
    std::vector<TVertex> hull{points[s]};
    hull.reserve(n + 1);
    // The start moves to the front, where no step tests it: it is only every
    // later step's first candidate, which is how the march comes back to it.
    points[s] = points[0];
    points[0] = hull[0];

    int32_t b = 1;
    for (int32_t step = 1; step <= n; ++step) {
        const TVertex w = hull.back();
        for (int32_t i = 1; i < n; ++i) {
            const double t = CrossProduct(w, points[b], w, points[i]);
            if (t < 0) {
                b = i;
            } else if (t == 0 && SquaredDistance(w, points[i]) > SquaredDistance(w, points[b])) {
                b = i;
            }
        }
        hull.push_back(points[b]);
        b = 0;
        if (hull.back().X == hull[0].X && hull.back().Y == hull[0].Y) break;
    }
    // The repeat of the start, or the step that would have run past the points.
    hull.pop_back();
    return hull;
}
