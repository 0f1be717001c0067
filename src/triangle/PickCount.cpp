#include "triangle/PickCount.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

using platform::Extended;

namespace {

WideInt Abs(WideInt v) { return v < 0 ? -v : v; }

// floor(a / b) for b > 0.
WideInt FloorDiv(WideInt a, WideInt b)
{
    WideInt q = a / b;
    if (a % b < 0) --q;
    return q;
}

// floor((n0 + k * step) / den) for k = 0, 1, 2, ... and den > 0, by additions
// only: a division per line would cost more than the rest of the line's work.
// Q holds the quotients: 64 bits where they fit, else 128.
template <class Q>
class FloorStepper {
public:
    FloorStepper() = default;
    FloorStepper(WideInt n0, WideInt step, WideInt den) : den_(int64_t(den))
    {
        const WideInt q = FloorDiv(n0, den);
        const WideInt stepQ = FloorDiv(step, den);
        q_ = Q(q);
        r_ = int64_t(n0 - q * den);
        stepQ_ = Q(stepQ);
        stepR_ = int64_t(step - stepQ * den);
    }
    void Next()
    {
        // Without a branch: the carry comes as it likes and would mislead the predictor.
        r_ += stepR_;  // both below den <= 2^32: no overflow
        const int64_t carry = r_ >= den_;
        r_ -= den_ & -carry;
        q_ += stepQ_ + Q(carry);
    }
    Q Floor() const { return q_; }
    Q Ceil() const { return q_ + (r_ != 0); }
    bool Exact() const { return r_ == 0; }

private:
    Q q_ = 0;
    int64_t r_ = 0;
    Q stepQ_ = 0;
    int64_t stepR_ = 0;
    int64_t den_ = 1;
};

struct Point64 {
    int64_t X = 0;
    int64_t Y = 0;
};

// Calls progress every kLinesPerProgressCall lines; false when it asked to stop.
class ProgressEvery {
public:
    ProgressEvery(const CountProgress& progress, int64_t lines) : progress_(progress), lines_(lines) {}
    bool Line(int64_t done)
    {
        if (!progress_ || ++sinceCall_ < kLinesPerProgressCall) return true;
        sinceCall_ = 0;
        return progress_(double(done) / double(lines_));
    }

private:
    const CountProgress& progress_;
    int64_t lines_;
    int64_t sinceCall_ = 0;
};

// Three collinear points: the closed triangle is the segment between the two
// extreme points, and its lattice points are all on the boundary.
std::optional<TPickCount> CountFlat(std::array<Point64, 3> p, const CountProgress& progress)
{
    const auto less = [](const Point64& a, const Point64& b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; };
    const Point64 u = *std::min_element(p.begin(), p.end(), less);
    const Point64 v = *std::max_element(p.begin(), p.end(), less);
    if (u.X == v.X) return TPickCount{0, uint64_t(v.Y - u.Y) + 1};  // one column, every point of it

    // Column x holds a point of the segment when (v.Y - u.Y) * (x - u.X) / (v.X - u.X) is whole.
    const int64_t lines = v.X - u.X + 1;
    ProgressEvery calls(progress, lines);
    FloorStepper<WideInt> y(0, WideInt(v.Y) - u.Y, WideInt(v.X) - u.X);
    TPickCount count;
    for (int64_t k = 0; k < lines; ++k, y.Next()) {
        count.Boundary += y.Exact();
        if (!calls.Line(k + 1)) return std::nullopt;
    }
    return count;
}

struct SideLine {
    int Kind = 0;  // +1 bounds y from below, -1 from above, 0 upright
    int64_t UprightX = 0;
    WideInt N0 = 0, Step = 0, Den = 1;
};

template <class Q>
std::optional<TPickCount> WalkLines(const std::array<SideLine, 3>& lineOf, int64_t xMin, int64_t lines,
                                    const CountProgress& progress)
{
    struct Side {
        int Kind = 0;
        int64_t UprightX = 0;
        FloorStepper<Q> Bound;
    };
    std::array<Side, 3> sides;
    for (int i = 0; i < 3; ++i) {
        sides[i].Kind = lineOf[i].Kind;
        sides[i].UprightX = lineOf[i].UprightX;
        if (lineOf[i].Kind != 0) sides[i].Bound = FloorStepper<Q>(lineOf[i].N0, lineOf[i].Step, lineOf[i].Den);
    }

    ProgressEvery calls(progress, lines);
    TPickCount count;
    for (int64_t k = 0; k < lines; ++k) {
        const int64_t x = xMin + k;
        Q lo = std::numeric_limits<int64_t>::min();
        Q hi = std::numeric_limits<int64_t>::max();
        bool onUpright = false;
        for (const Side& side : sides) {
            if (side.Kind > 0)
                lo = std::max(lo, side.Bound.Ceil());
            else if (side.Kind < 0)
                hi = std::min(hi, side.Bound.Floor());
            else
                onUpright |= side.UprightX == x;
        }
        if (lo <= hi) {
            const uint64_t run = uint64_t(hi - lo) + 1;
            uint64_t boundary = run;
            if (!onUpright) {
                // The points of the sides on this line: where a side's bound is whole.
                std::array<Q, 3> found{};
                int n = 0;
                for (const Side& side : sides) {
                    if (side.Kind == 0 || !side.Bound.Exact()) continue;
                    const Q y = side.Bound.Floor();
                    if (y < lo || y > hi) continue;
                    if (std::find(found.begin(), found.begin() + n, y) == found.begin() + n) found[n++] = y;
                }
                boundary = uint64_t(n);
            }
            count.Boundary += boundary;
            count.Interior += run - boundary;
        }
        for (Side& side : sides)
            if (side.Kind != 0) side.Bound.Next();
        if (!calls.Line(k + 1)) return std::nullopt;
    }
    return count;
}

}  // namespace

std::optional<TPickCount> CountLatticePoints(const TLatticeTriangle& t, const CountProgress& progress)
{
    std::array<Point64, 3> p{{{t.A.X, t.A.Y}, {t.B.X, t.B.Y}, {t.C.X, t.C.Y}}};
    const auto [xLo, xHi] = std::minmax({p[0].X, p[1].X, p[2].X});
    const auto [yLo, yHi] = std::minmax({p[0].Y, p[1].Y, p[2].Y});
    // Walk the shorter side: mirroring in the diagonal keeps every count.
    if (xHi - xLo > yHi - yLo)
        for (Point64& q : p) std::swap(q.X, q.Y);
    const int64_t xMin = std::min({p[0].X, p[1].X, p[2].X});
    const int64_t xMax = std::max({p[0].X, p[1].X, p[2].X});

    const WideInt d = (WideInt(p[1].X) - p[0].X) * (WideInt(p[2].Y) - p[0].Y) -
                      (WideInt(p[2].X) - p[0].X) * (WideInt(p[1].Y) - p[0].Y);
    if (d == 0) return CountFlat(p, progress);
    const int s = d > 0 ? 1 : -1;

    // Each side U -> V keeps the points on the triangle's side of its line:
    // a * y >= a * U.Y + b * (x - U.X) with a, b the side's steps times the
    // orientation. a > 0 bounds y from below, a < 0 from above; a = 0 is an
    // upright side, which bounds nothing inside the box.
    std::array<SideLine, 3> sides;
    const int64_t lines = xMax - xMin + 1;
    bool narrow = true;
    for (int i = 0; i < 3; ++i) {
        const Point64 u = p[i];
        const Point64 v = p[(i + 1) % 3];
        const WideInt a = s * (WideInt(v.X) - u.X);
        const WideInt b = s * (WideInt(v.Y) - u.Y);
        const WideInt n0 = a * u.Y + b * (WideInt(xMin) - u.X);
        SideLine& side = sides[i];
        if (a == 0) {
            side.UprightX = u.X;
            continue;
        }
        // y >= ceil(n / a), or y <= floor(-n / -a).
        side.Kind = a > 0 ? 1 : -1;
        side.N0 = a > 0 ? n0 : -n0;
        side.Step = a > 0 ? b : -b;
        side.Den = a > 0 ? a : -a;
        // The bound runs straight from its first line to its last.
        constexpr WideInt kNarrow = WideInt(1) << 62;
        for (const WideInt q : {FloorDiv(side.N0, side.Den), FloorDiv(side.N0 + (lines - 1) * side.Step, side.Den)})
            narrow = narrow && q > -kNarrow && q < kNarrow;
    }
    return narrow ? WalkLines<int64_t>(sides, xMin, lines, progress) : WalkLines<WideInt>(sides, xMin, lines, progress);
}

TPickCount ScanLatticePoints(const TLatticeTriangle& t)
{
    const WideInt v = Abs(Determinant(t.A, t.B, t.C));
    const int64_t xMin = std::min({t.A.X, t.B.X, t.C.X});
    const int64_t xMax = std::max({t.A.X, t.B.X, t.C.X});
    const int64_t yMin = std::min({t.A.Y, t.B.Y, t.C.Y});
    const int64_t yMax = std::max({t.A.Y, t.B.Y, t.C.Y});
    TPickCount count;
    for (int64_t i = xMin; i <= xMax; ++i)
        for (int64_t j = yMin; j <= yMax; ++j) {
            const TLatticePoint p{int32_t(i), int32_t(j)};
            const WideInt s1 = Abs(Determinant(t.A, t.B, p));
            const WideInt s2 = Abs(Determinant(t.A, p, t.C));
            const WideInt s3 = Abs(Determinant(p, t.B, t.C));
            if (s1 + s2 + s3 != v) continue;
            if (s1 != 0 && s2 != 0 && s3 != 0)
                ++count.Interior;
            else
                ++count.Boundary;
        }
    return count;
}

double PickArea(const TPickCount& count, double area)
{
    if (!(area > 0)) return area;
    return platform::ToDouble(Extended(count.Boundary) * 0.5 + Extended(count.Interior) - 1);
}
