// The lattice count before it was made independent of the bounding box: one run
// per line of the box's shorter side (only its progress calls are gone); and the
// plainest count of all, point by point over the box, which is the drawing's
// listing of the lattice points counted.
#include "Reference.h"

#include <algorithm>
#include <array>
#include <utility>

namespace reference {

namespace {

WideInt FloorDiv(WideInt a, WideInt b)
{
    WideInt q = a / b;
    if (a % b < 0) --q;
    return q;
}

// floor((n0 + k * step) / den) for k = 0, 1, 2, ... and den > 0, by additions
// only. Along one side the quotients stay within the side's rise, below 2^33.
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
        r_ += stepR_;
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

TPickCount CountFlat(std::array<Point64, 3> p)
{
    const auto less = [](const Point64& a, const Point64& b) { return a.X != b.X ? a.X < b.X : a.Y < b.Y; };
    const Point64 u = *std::min_element(p.begin(), p.end(), less);
    const Point64 v = *std::max_element(p.begin(), p.end(), less);
    if (u.X == v.X) return TPickCount{0, uint64_t(v.Y - u.Y) + 1};

    const int64_t lines = v.X - u.X + 1;
    FloorStepper y(0, WideInt(v.Y) - u.Y, WideInt(v.X) - u.X);
    TPickCount count;
    for (int64_t k = 0; k < lines; ++k, y.Next()) count.Boundary += y.Exact();
    return count;
}

class SideStepper {
public:
    SideStepper(Point64 p, Point64 q, int64_t from)
        : baseY_(p.Y), rise_(WideInt(q.Y - p.Y) * (from - p.X), q.Y - p.Y, q.X - p.X)
    {
    }
    int64_t Floor() const { return baseY_ + rise_.Floor(); }
    int64_t Ceil() const { return baseY_ + rise_.Ceil(); }
    bool Exact() const { return rise_.Exact(); }
    void Next() { rise_.Next(); }

private:
    int64_t baseY_;
    FloorStepper rise_;
};

void WalkPhase(int64_t from, int64_t to, SideStepper longSide, SideStepper shortSide, bool longBelow,
               int64_t uprightX, TPickCount& count)
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
                const bool onLower = lower.Exact();
                const bool onUpper = upper.Exact() && !(onLower && hi == lo);
                boundary = uint64_t(onLower) + uint64_t(onUpper);
            }
            count.Boundary += boundary;
            count.Interior += run - boundary;
        }
        lower.Next();
        upper.Next();
    }
}

}  // namespace

TPickCount CountLatticePoints(const TLatticeTriangle& t)
{
    std::array<Point64, 3> p{{{t.A.X, t.A.Y}, {t.B.X, t.B.Y}, {t.C.X, t.C.Y}}};
    const auto [xLo, xHi] = std::minmax({p[0].X, p[1].X, p[2].X});
    const auto [yLo, yHi] = std::minmax({p[0].Y, p[1].Y, p[2].Y});
    if (xHi - xLo > yHi - yLo)
        for (Point64& q : p) std::swap(q.X, q.Y);

    std::sort(p.begin(), p.end(), [](const Point64& a, const Point64& b) { return a.X < b.X; });
    const Point64 v0 = p[0], v1 = p[1], v2 = p[2];
    const WideInt turn =
        (WideInt(v2.X) - v0.X) * (WideInt(v1.Y) - v0.Y) - (WideInt(v1.X) - v0.X) * (WideInt(v2.Y) - v0.Y);
    if (turn == 0) return CountFlat(p);
    const bool longBelow = turn > 0;

    TPickCount count;
    int64_t from = v0.X;
    if (v0.X < v1.X) {
        WalkPhase(v0.X, v1.X, SideStepper(v0, v2, v0.X), SideStepper(v0, v1, v0.X), longBelow,
                  v1.X == v2.X ? v1.X : v0.X - 1, count);
        from = v1.X + 1;
    }
    if (v1.X < v2.X)
        WalkPhase(from, v2.X, SideStepper(v0, v2, from), SideStepper(v1, v2, from), longBelow,
                  v0.X == v1.X ? v0.X : from - 1, count);
    return count;
}

// Through the listing's own walk over the box, counted instead of stored, so it
// reaches boxes far beyond the listing's limit.
TPickCount ScanLatticePoints(const TLatticeTriangle& t)
{
    TPickCount count;
    ForEachLatticePoint(t, [&](TLatticePoint, bool onBoundary) { ++(onBoundary ? count.Boundary : count.Interior); });
    return count;
}

}  // namespace reference
