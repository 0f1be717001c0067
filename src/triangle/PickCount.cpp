#include "triangle/PickCount.h"

#include <algorithm>
#include <array>
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
// Along one side the quotients stay within the side's rise, below 2^33.
class FloorStepper {
public:
    FloorStepper() = default;
    FloorStepper(WideInt n0, WideInt step, WideInt den) : den_(int64_t(den))
    {
        const WideInt q = FloorDiv(n0, den);
        const WideInt stepQ = FloorDiv(step, den);
        q_ = int64_t(q);
        r_ = int64_t(n0 - q * den);
        stepQ_ = int64_t(stepQ);
        stepR_ = int64_t(step - stepQ * den);
    }
    void Next()
    {
        // Without a branch: the carry comes as it likes and would mislead the predictor.
        r_ += stepR_;  // both below den <= 2^32: no overflow
        const int64_t carry = r_ >= den_;
        r_ -= den_ & -carry;
        q_ += stepQ_ + carry;
    }
    int64_t Floor() const { return q_; }
    int64_t Ceil() const { return q_ + (r_ != 0); }
    bool Exact() const { return r_ == 0; }

private:
    int64_t q_ = 0;
    int64_t r_ = 0;
    int64_t stepQ_ = 0;
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
    FloorStepper y(0, WideInt(v.Y) - u.Y, WideInt(v.X) - u.X);
    TPickCount count;
    for (int64_t k = 0; k < lines; ++k, y.Next()) {
        count.Boundary += y.Exact();
        if (!calls.Line(k + 1)) return std::nullopt;
    }
    return count;
}

// The y of a side on the lines x = from, from + 1, ...: p.Y + floor or ceil of
// (q.Y - p.Y) * (x - p.X) / (q.X - p.X), with p.X < q.X.
class SideStepper {
public:
    SideStepper(Point64 p, Point64 q, int64_t from)
        : baseY_(p.Y), rise_(WideInt(q.Y - p.Y) * (from - p.X), q.Y - p.Y, q.X - p.X)
    {
    }
    int64_t Floor() const { return baseY_ + rise_.Floor(); }
    int64_t Ceil() const { return baseY_ + rise_.Ceil(); }
    // The side passes through a lattice point of this line.
    bool Exact() const { return rise_.Exact(); }
    void Next() { rise_.Next(); }

private:
    int64_t baseY_;
    FloorStepper rise_;
};

// Lines from .. to between the long side and one short side; the long side is
// the lower bound when longBelow. A line on an upright side is boundary whole.
bool WalkPhase(int64_t from, int64_t to, SideStepper longSide, SideStepper shortSide, bool longBelow,
               int64_t uprightX, int64_t& done, ProgressEvery& calls, TPickCount& count)
{
    SideStepper& lower = longBelow ? longSide : shortSide;
    SideStepper& upper = longBelow ? shortSide : longSide;
    for (int64_t x = from; x <= to; ++x) {
        const int64_t lo = lower.Ceil();
        const int64_t hi = upper.Floor();
        if (lo <= hi) {
            const uint64_t run = uint64_t(hi - lo) + 1;
            uint64_t boundary = run;
            if (x != uprightX) {
                // Where a side meets the line at a lattice point; both only at a vertex.
                const bool onLower = lower.Exact();
                const bool onUpper = upper.Exact() && !(onLower && hi == lo);
                boundary = uint64_t(onLower) + uint64_t(onUpper);
            }
            count.Boundary += boundary;
            count.Interior += run - boundary;
        }
        lower.Next();
        upper.Next();
        if (!calls.Line(++done)) return false;
    }
    return true;
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

    // By x: v0 leftmost, v2 rightmost. Every line meets the long side v0 v2 and
    // one short side: v0 v1 up to v1's line, v1 v2 after it.
    std::sort(p.begin(), p.end(), [](const Point64& a, const Point64& b) { return a.X < b.X; });
    const Point64 v0 = p[0], v1 = p[1], v2 = p[2];
    const WideInt turn =
        (WideInt(v2.X) - v0.X) * (WideInt(v1.Y) - v0.Y) - (WideInt(v1.X) - v0.X) * (WideInt(v2.Y) - v0.Y);
    if (turn == 0) return CountFlat(p, progress);
    const bool longBelow = turn > 0;  // v1 lies above the long side

    ProgressEvery calls(progress, v2.X - v0.X + 1);
    int64_t done = 0;
    TPickCount count;
    int64_t from = v0.X;
    if (v0.X < v1.X) {
        // The line of v1 belongs here; when v1 v2 is upright it is that side's line.
        if (!WalkPhase(v0.X, v1.X, SideStepper(v0, v2, v0.X), SideStepper(v0, v1, v0.X), longBelow,
                       v1.X == v2.X ? v1.X : v0.X - 1, done, calls, count))
            return std::nullopt;
        from = v1.X + 1;
    }
    if (v1.X < v2.X) {
        // When v0 v1 is upright, the first line here is that side's.
        if (!WalkPhase(from, v2.X, SideStepper(v0, v2, from), SideStepper(v1, v2, from), longBelow,
                       v0.X == v1.X ? v0.X : from - 1, done, calls, count))
            return std::nullopt;
    }
    return count;
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
