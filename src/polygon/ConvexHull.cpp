#include "polygon/ConvexHull.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// How far a cross product computed in doubles, L - R with each factor one
// rounded difference, may lie from the rules' own: the same formula in
// extended precision, stored as a double. Only for points TurnValuesStayFinite
// accepts, so neither can overflow.
struct TurnSlack {
    // Whole numbers below 2^25 make relative and absolute 0: every difference,
    // product, cross product and squared distance is then an integer below
    // 2^53, exact in both, so the double is the rules' value itself, zero
    // included.
    bool exact = false;
    // Otherwise a double beyond relative * (|L| + |R|) + absolute has the sign
    // of the rules' value, which is not zero. Both round two differences, two
    // products and one difference: under 3 * (2^-53 + 2^-64) of |L| + |R|
    // together, and 2^-50 is over twice that. Products of tiny numbers can lose
    // up to 2^-1074 in doubles (never in extended), and an extended value above
    // 2^-1000 keeps its sign when stored as a double.
    double relative = 0;
    double absolute = 0;
    // The points' extent.
    double minX = 0, maxX = 0, minY = 0, maxY = 0;

    explicit TurnSlack(std::span<const TVertex> points)
    {
        constexpr double wholeLimit = 33554432.0;  // 2^25
        exact = true;
        minX = maxX = points[0].X;
        minY = maxY = points[0].Y;
        for (const TVertex& p : points) {
            exact = exact && std::trunc(p.X) == p.X && std::abs(p.X) < wholeLimit && std::trunc(p.Y) == p.Y &&
                    std::abs(p.Y) < wholeLimit;
            minX = std::min(minX, p.X);
            maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y);
            maxY = std::max(maxY, p.Y);
        }
        if (!exact) {
            relative = 0x1p-50;
            absolute = 0x1p-1000;
        }
    }

    // A bound on the slack of a cross product from the vector (ax, ay) and
    // the vector from p to any of the points.
    double Margin(TVertex p, double ax, double ay) const
    {
        // As rounding keeps order, no difference from p is larger than this.
        const double reach = std::max({maxX - p.X, p.X - minX, maxY - p.Y, p.Y - minY});
        return relative * (std::abs(ax) * reach + std::abs(ay) * reach) + absolute;
    }
};

// The march's start: the lowest point, the rightmost of several, the first of equal ones.
int32_t LowestIndex(std::span<const TVertex> points)
{
    int32_t s = 0;
    for (int32_t i = 1; i < int32_t(points.size()); ++i) {
        if (points[i].Y < points[s].Y || (points[i].Y == points[s].Y && points[i].X > points[s].X)) s = i;
    }
    return s;
}

// Points looked at together before looking at any one of them.
constexpr int32_t GroupSize = 8;

// The points' coordinates apart, so that several points can be worked at once,
// with room for a whole group from any point on.
struct PointColumns {
    std::vector<double> xs, ys;

    explicit PointColumns(std::span<const TVertex> points)
        : xs(points.size() + GroupSize, points[0].X), ys(points.size() + GroupSize, points[0].Y)
    {
        for (size_t i = 0; i < points.size(); ++i) {
            xs[i] = points[i].X;
            ys[i] = points[i].Y;
        }
    }

    // The first group from i on, of n points, with a point m whose cross
    // product (ax, ay) x (m - p) in doubles is not above margin; n if none.
    // Two points at a time, one branch per group.
    int32_t NextDoubtfulGroup(int32_t i, int32_t n, TVertex p, double ax, double ay, double margin) const
    {
        using Pair = double __attribute__((vector_size(16)));
        using PairMask = int64_t __attribute__((vector_size(16)));
        const Pair px = {p.X, p.X}, py = {p.Y, p.Y};
        const Pair axs = {ax, ax}, ays = {ay, ay}, margins = {margin, margin};
        for (; i < n; i += GroupSize) {
            PairMask doubtful = {0, 0};
            for (int32_t j = i; j < i + GroupSize; j += 2) {
                Pair x, y;
                std::memcpy(&x, &xs[j], sizeof x);
                std::memcpy(&y, &ys[j], sizeof y);
                doubtful |= axs * (y - py) - (x - px) * ays <= margins;
            }
            if ((doubtful[0] | doubtful[1]) != 0) return i;
        }
        return n;
    }
};

// From hull point c, the point in the most clockwise direction: the next
// corner of the hull, which lies to the right of the line from c through any
// other candidate off the side towards it. -1 when every point sits on c.
// Only a hint of which point to try first, which changes no listing, so plain
// doubles do.
int32_t LikelyNextCorner(std::span<const TVertex> points, const PointColumns& columns, int32_t c)
{
    const int32_t n = int32_t(points.size());
    const TVertex pc = points[c];
    int32_t g = 0;
    while (g < n && points[g].X == pc.X && points[g].Y == pc.Y) ++g;
    if (g == n) return -1;
    double gx = points[g].X - pc.X, gy = points[g].Y - pc.Y;
    for (int32_t i = g + 1; i < n; i += GroupSize) {
        i = columns.NextDoubtfulGroup(i, n, pc, gx, gy, 0);
        for (int32_t m = i; m < std::min(i + GroupSize, n); ++m) {
            const double mx = points[m].X - pc.X, my = points[m].Y - pc.Y;
            if ((mx != 0 || my != 0) && gx * my - mx * gy < 0) {
                g = m;
                gx = mx;
                gy = my;
            }
        }
    }
    return g;
}

// The march's points, with the bound on the slack of their cross products.
struct MarchPoints {
    std::span<const TVertex> points;
    PointColumns columns;
    TurnSlack slack;

    explicit MarchPoints(std::span<const TVertex> p) : points(p), columns(p), slack(p) {}

    // One step of the march from w with first candidate b: the rules decide
    // only the cross products the doubles leave in doubt.
    int32_t Step(TVertex w, int32_t b) const
    {
        const int32_t n = int32_t(points.size());
        double bx = 0, by = 0, margin = 0;
        auto aim = [&](int32_t k) {
            b = k;
            bx = points[k].X - w.X;
            by = points[k].Y - w.Y;
            margin = slack.Margin(w, bx, by);
        };
        aim(b);
        for (int32_t i = 1; i < n; i += GroupSize) {
            i = columns.NextDoubtfulGroup(i, n, w, bx, by, margin);
            for (int32_t k = i; k < std::min(i + GroupSize, n); ++k) {
                if (Moves(w, b, bx, by, margin, k)) aim(k);
            }
        }
        return b;
    }

    // Whether point i becomes the candidate instead of b (bx, by from w).
    bool Moves(TVertex w, int32_t b, double bx, double by, double margin, int32_t i) const
    {
        const double dx = points[i].X - w.X;
        const double dy = points[i].Y - w.Y;
        const double t = bx * dy - dx * by;
        if (t < -margin) return true;
        if (t > margin) return false;
        if (slack.exact) return dx * dx + dy * dy > bx * bx + by * by;  // t is 0
        const double rounded = CrossProduct(w, points[b], w, points[i]);
        return rounded < 0 || (rounded == 0 && SquaredDistance(w, points[i]) > SquaredDistance(w, points[b]));
    }
};

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

    // Turn values in doubles, as the march works them, with the rules only
    // for those too close to zero for doubles to tell.
    const PointColumns columns(points);
    const TurnSlack slack(points);
    int32_t c = s;
    int32_t corner = LikelyNextCorner(points, columns, c);
    int32_t lastWitness = -1;
    // Whether a candidate is rejected depends only on whether some point has a
    // negative turn value, not on which one is found first, so the likely ones
    // go first: the next corner, then the point that rejected the last candidate.
    auto pointToRight = [&](int32_t k) {
        const TVertex pc = points[c];
        const TVertex pk = points[k];
        const double ax = pk.X - pc.X, ay = pk.Y - pc.Y;
        const double margin = slack.Margin(pk, ax, ay);
        auto turnsRight = [&](int32_t m) {
            const double t = ax * (points[m].Y - pk.Y) - (points[m].X - pk.X) * ay;
            if (t < -margin) return true;
            if (t > margin || slack.exact) return false;
            return TurnValue(pc, pk, points[m]) < 0;
        };
        if (corner >= 0 && turnsRight(corner)) return true;
        if (lastWitness >= 0 && turnsRight(lastWitness)) return true;
        for (int32_t i = 0; i < n; i += GroupSize) {
            i = columns.NextDoubtfulGroup(i, n, pk, ax, ay, margin);
            for (int32_t m = i; m < std::min(i + GroupSize, n); ++m) {
                if (turnsRight(m)) {
                    lastWitness = m;
                    return true;
                }
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
            corner = LikelyNextCorner(points, columns, c);
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

namespace {

// The index into the points as given of index i after the march moved the start
// s to the front.
int32_t GivenIndex(int32_t i, int32_t s)
{
    if (i == 0) return s;
    if (i == s) return 0;
    return i;
}

// The march's start and its tie count, into the trace.
int32_t StartMarch(std::span<const TVertex> points, TJarvisTrace* trace)
{
    const int32_t s = LowestIndex(points);
    if (trace) {
        trace->Start = s;
        trace->LowestCount = int32_t(std::count_if(points.begin(), points.end(),
                                                   [&](const TVertex& p) { return p.Y == points[s].Y; }));
    }
    return s;
}

// A step into the trace; `from` and `b` index the reordered points.
void TraceStep(TJarvisTrace* trace, int32_t s, int32_t from, int32_t b)
{
    if (trace) trace->Steps.push_back({GivenIndex(from, s), GivenIndex(b, s), -1});
}

// For the first counted steps, the points on the line of the step nearer than
// its corner, by the rules the march decides with. Only for points whose cross
// products stay finite, so counting cannot fault where the march did not.
void CountPassedOnLine(std::span<const TVertex> given, TJarvisTrace& trace)
{
    const size_t counted = std::min(trace.Steps.size(), size_t(std::max(trace.CountedSteps, 0)));
    for (size_t k = 0; k < counted; ++k) {
        TJarvisStep& step = trace.Steps[k];
        const TVertex w = given[step.From];
        const TVertex corner = given[step.Corner];
        const double reach = SquaredDistance(w, corner);
        int32_t passed = 0;
        for (const TVertex& p : given) {
            if (p.X == w.X && p.Y == w.Y) continue;
            if (CrossProduct(w, corner, w, p) == 0 && SquaredDistance(w, p) < reach) ++passed;
        }
        step.PassedOnLine = passed;
    }
}

std::vector<TVertex> PlainMarch(std::vector<TVertex> points, TJarvisTrace* trace)
{
    const int32_t n = int32_t(points.size());
    if (n <= 1) {
        if (trace && n == 1) StartMarch(points, trace);
        if (trace) trace->Closed = true;
        return points;
    }

    const int32_t s = StartMarch(points, trace);
    std::vector<TVertex> hull{points[s]};
    hull.reserve(n + 1);
    // The start moves to the front, where no step tests it: it is only every
    // later step's first candidate, which is how the march comes back to it.
    points[s] = points[0];
    points[0] = hull[0];

    int32_t b = 1;
    int32_t from = 0;
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
        TraceStep(trace, s, from, b);
        from = b;
        b = 0;
        if (hull.back().X == hull[0].X && hull.back().Y == hull[0].Y) {
            if (trace) trace->Closed = true;
            break;
        }
    }
    // The repeat of the start, or the step that would have run past the points.
    hull.pop_back();
    return hull;
}

std::vector<TVertex> FastMarch(std::vector<TVertex> points, TJarvisTrace* trace)
{
    const int32_t n = int32_t(points.size());
    // Where a cross product could overflow, the plain march fails just as the rules do.
    if (n <= 1 || !TurnValuesStayFinite(points)) return PlainMarch(std::move(points), trace);

    const std::vector<TVertex> given = trace ? points : std::vector<TVertex>{};
    const int32_t s = StartMarch(points, trace);
    std::vector<TVertex> hull{points[s]};
    hull.reserve(n + 1);
    points[s] = points[0];
    points[0] = hull[0];
    const MarchPoints march(points);

    int32_t b = 1;
    int32_t from = 0;
    for (int32_t step = 1; step <= n; ++step) {
        b = march.Step(hull.back(), b);
        hull.push_back(points[b]);
        TraceStep(trace, s, from, b);
        from = b;
        b = 0;
        if (hull.back().X == hull[0].X && hull.back().Y == hull[0].Y) {
            if (trace) trace->Closed = true;
            break;
        }
    }
    hull.pop_back();
    if (trace) CountPassedOnLine(given, *trace);
    return hull;
}

}  // namespace

std::vector<TVertex> PlainJarvisMarch(std::vector<TVertex> points) { return PlainMarch(std::move(points), nullptr); }

std::vector<TVertex> JarvisMarch(std::vector<TVertex> points) { return FastMarch(std::move(points), nullptr); }

std::vector<TVertex> TracedJarvisMarch(std::vector<TVertex> points, TJarvisTrace& trace)
{
    const int32_t counted = trace.CountedSteps;
    trace = TJarvisTrace();
    trace.CountedSteps = counted;
    return FastMarch(std::move(points), &trace);
}
