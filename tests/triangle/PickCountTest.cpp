// The lattice count against the point-by-point scan, the former per-column count,
// greatest common divisors and Pick's theorem; the listing of the points against
// the count.
#include "Reference.h"
#include "triangle/PickCount.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TLatticeTriangle Tri(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    return {{x1, y1}, {x2, y2}, {x3, y3}};
}

std::string Show(const TLatticeTriangle& t)
{
    std::ostringstream s;
    s << "(" << t.A.X << ", " << t.A.Y << "), (" << t.B.X << ", " << t.B.Y << "), (" << t.C.X << ", " << t.C.Y << ")";
    return s.str();
}

WideInt Gcd(WideInt a, WideInt b)
{
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

// An oracle from outside the count, for non-degenerate triangles too big for
// the other two: boundary points by greatest common divisors, interior points
// by Pick's theorem from the exact determinant.
TPickCount ByTheorem(const TLatticeTriangle& t)
{
    const auto side = [](TLatticePoint p, TLatticePoint q) { return Gcd(WideInt(q.X) - p.X, WideInt(q.Y) - p.Y); };
    const WideInt boundary = side(t.A, t.B) + side(t.B, t.C) + side(t.C, t.A);
    WideInt twiceArea = Determinant(t.A, t.B, t.C);
    if (twiceArea < 0) twiceArea = -twiceArea;
    return {uint64_t((twiceArea - boundary + 2) / 2), uint64_t(boundary)};
}

// Pick's result is the vector area for every triangle with an area, and 0 for the rest.
void ExpectPickGivesTheArea(const TLatticeTriangle& t, const TPickCount& count)
{
    const double area = TriangleArea(t.A, t.B, t.C);
    EXPECT_EQ(PickArea(count, area), area);
    if (area == 0) {
        EXPECT_EQ(count.Interior, 0u);
    }
}

// Random triangles whose coordinates come from [base, base + span] on each axis;
// one in four is made flat or given an upright or level side, one in eight
// repeats a vertex.
class TriangleSource {
public:
    struct Box {
        int64_t baseX, spanX, baseY, spanY;
    };

    explicit TriangleSource(uint32_t seed) : random_(seed) {}

    TLatticeTriangle Next(const Box& b, int i)
    {
        const auto point = [&] {
            return TLatticePoint{int32_t(b.baseX + Draw(b.spanX)), int32_t(b.baseY + Draw(b.spanY))};
        };
        TLatticeTriangle t{point(), point(), point()};
        if (i % 4 == 1) {
            // C a lattice point of the segment AB, ends included.
            const int64_t dx = int64_t(t.B.X) - t.A.X, dy = int64_t(t.B.Y) - t.A.Y;
            const int64_t steps = int64_t(Gcd(dx, dy));
            const int64_t k = Draw(steps);
            if (steps > 0) t.C = {int32_t(t.A.X + dx / steps * k), int32_t(t.A.Y + dy / steps * k)};
        }
        if (i % 4 == 2) t.B.Y = t.A.Y;
        if (i % 4 == 3) t.C.X = t.B.X;
        if (i % 8 == 5) t.A = t.C;
        // Any vertex may come first.
        std::array<TLatticePoint, 3> v{t.A, t.B, t.C};
        std::shuffle(v.begin(), v.end(), random_);
        return {v[0], v[1], v[2]};
    }

private:
    int64_t Draw(int64_t span) { return std::uniform_int_distribution<int64_t>(0, span)(random_); }
    std::mt19937_64 random_;
};

}  // namespace

TEST(PickCount, KnownTriangles)
{
    struct Case {
        TLatticeTriangle t;
        uint64_t interior, boundary;
        double pick;
    };
    const Case cases[] = {
        {Tri(0, 0, 4, 0, 0, 3), 3, 8, 6},
        {Tri(0, 0, 1, 1, 0, 2), 0, 4, 1},
        {Tri(0, 0, 1, 0, 2, 0), 0, 3, 0},    // flat: every point on the segment
        {Tri(0, 0, 4, 4, 2, 2), 0, 5, 0},    // flat, middle point given last
        {Tri(5, 5, 5, 5, 5, 5), 0, 1, 0},    // one point
        {Tri(3, 1, 3, 1, 3, 9), 0, 9, 0},    // two equal points on an upright segment
        {Tri(0, 0, 0, 6, 3, 0), 4, 12, 9},   // upright and level sides
        {Tri(0, 0, 10, 1, 0, 2), 9, 4, 10},  // long and thin
        {Tri(2, 0, 0, 5, 2, 3), 1, 6, 3},    // upright side on the right
        {Tri(0, 2, 0, -3, 4, 7), 7, 8, 10},  // upright side on the left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.t));
        const TPickCount count = CountLatticePoints(c.t);
        EXPECT_EQ(count, reference::ScanLatticePoints(c.t));
        EXPECT_EQ(count.Interior, c.interior);
        EXPECT_EQ(count.Boundary, c.boundary);
        EXPECT_EQ(PickArea(count, TriangleArea(c.t.A, c.t.B, c.t.C)), c.pick);
    }
}

TEST(PickCount, SmallTrianglesAgreeWithTheScan)
{
    TriangleSource source(20260517);
    const std::pair<const char*, TriangleSource::Box> families[] = {
        {"small", {-6, 12, -6, 12}},
        {"wide", {-150, 300, 0, 4}},
        {"tall", {0, 3, -100, 200}},
        {"at the top of the range", {kMax - 25, 25, kMax - 25, 25}},
        {"at the bottom of the range", {kMin, 25, kMin, 25}},
        {"across the corner", {kMin, 20, kMax - 20, 20}},
    };
    for (const auto& [name, box] : families) {
        SCOPED_TRACE(name);
        for (int i = 0; i < 500; ++i) {
            const TLatticeTriangle t = source.Next(box, i);
            SCOPED_TRACE(Show(t));
            const TPickCount count = CountLatticePoints(t);
            ASSERT_EQ(count, reference::ScanLatticePoints(t));
            ExpectPickGivesTheArea(t, count);
        }
    }
}

TEST(PickCount, LargeTrianglesAgreeWithThePerColumnCount)
{
    // The former count walks the shorter side of the box, so the long side may
    // cross the whole range.
    constexpr int64_t kWhole = int64_t(kMax) - kMin;
    TriangleSource source(7);
    const std::pair<const char*, TriangleSource::Box> families[] = {
        {"thin, across the range at the bottom", {kMin, kWhole, kMin, 3000}},
        {"thin, across the range in the middle", {kMin, kWhole, -1500, 3000}},
        {"thin, across the range at the top", {kMin, kWhole, kMax - 3000, 3000}},
        {"upright, across the range", {kMax - 40, 40, kMin, kWhole}},
        {"a box of 1e5 in a corner", {kMax - 100000, 100000, kMin, 100000}},
        {"a box of 2e5 about the origin", {-100000, 200000, -100000, 200000}},
    };
    for (const auto& [name, box] : families) {
        SCOPED_TRACE(name);
        for (int i = 0; i < 400; ++i) {
            const TLatticeTriangle t = source.Next(box, i);
            SCOPED_TRACE(Show(t));
            const TPickCount count = CountLatticePoints(t);
            ASSERT_EQ(count, reference::CountLatticePoints(t));
            ExpectPickGivesTheArea(t, count);
        }
    }
}

TEST(PickCount, TrianglesOverTheWholeRangeMatchTheTheorem)
{
    // Too big for the former count: boundary points by greatest common divisors
    // and the interior by the theorem are the measure here. Half the coordinates
    // are the ends of the range or next to them.
    std::mt19937_64 random(42);
    const int32_t ends[] = {kMin, kMin + 1, kMin + 2, -1, 0, 1, kMax - 2, kMax - 1, kMax};
    const auto coordinate = [&] {
        if (random() % 2) return ends[random() % std::size(ends)];
        return int32_t(uint32_t(random()));
    };
    for (int i = 0; i < 3000; ++i) {
        TLatticeTriangle t{{coordinate(), coordinate()}, {coordinate(), coordinate()}, {coordinate(), coordinate()}};
        if (i % 4 == 1) t.C.X = t.B.X;
        if (i % 4 == 2) t.C.Y = t.A.Y;
        SCOPED_TRACE(Show(t));
        const TPickCount count = CountLatticePoints(t);
        if (Determinant(t.A, t.B, t.C) != 0) {
            ASSERT_EQ(count, ByTheorem(t));
        } else {
            // Flat: the points of the longest of the three segments.
            const auto points = [](TLatticePoint p, TLatticePoint q) {
                return uint64_t(Gcd(WideInt(q.X) - p.X, WideInt(q.Y) - p.Y)) + 1;
            };
            const auto longest = std::max({std::pair(SquaredDistance(t.A, t.B), points(t.A, t.B)),
                                           std::pair(SquaredDistance(t.B, t.C), points(t.B, t.C)),
                                           std::pair(SquaredDistance(t.A, t.C), points(t.A, t.C))});
            ASSERT_EQ(count, (TPickCount{0, longest.second}));
        }
        ExpectPickGivesTheArea(t, count);
    }
}

TEST(PickCount, ExtremeTrianglesCountExactly)
{
    // Sides whose slopes are ratios of neighbouring Fibonacci numbers take the
    // most rounds of the floor sums; the rest put the sums' largest terms at the
    // ends of the range.
    constexpr int32_t kF46 = 1836311903, kF45 = 1134903170, kF44 = 701408733;
    const TLatticeTriangle cases[] = {
        Tri(kMin, kMin, kMax, kMin + 1, kMin + 3, kMax),
        Tri(kMin, kMin, kMax, kMax, kMax, kMax - 1),  // middle vertex in the last column
        Tri(kMin, kMin, kMin, kMin + 1, kMax, kMax),  // upright side in the first column
        Tri(kMin, kMax, kMax, kMin, kMax, kMax),
        Tri(kMax, kMax, kMin, kMin, kMin, kMax),
        Tri(kMin, kMin, kMin + kF46, kMin + kF45, kMin + kF45, kMin + kF44),
        Tri(kMax, kMax, kMax - kF46, kMax - kF45, kMin, kMax - kF44),
        Tri(0, 0, kF46, kF45, -kF44, kF46),
        Tri(kMin, kMin, kMax, kMin + 1000, 0, kMin + 517),
        Tri(kMin, kMax, kMax, kMax - 999, kMax, kMax - 3),
        Tri(kMin, 7, kMax, 0, 12345, -1),
        Tri(0, kMin, 1, kMax, 2, 0),
        Tri(-1000000, -1000000, 1000000, -999999, 999999, 1000000),
    };
    for (const TLatticeTriangle& t : cases) {
        SCOPED_TRACE(Show(t));
        const TPickCount count = CountLatticePoints(t);
        EXPECT_EQ(count, ByTheorem(t));
        ExpectPickGivesTheArea(t, count);
    }
    // The whole range both ways: 2^64 points in the box, 2^63 + 2^31 in its
    // closed lower half.
    const TPickCount half = CountLatticePoints(Tri(kMin, kMin, kMax, kMin, kMax, kMax));
    EXPECT_EQ(half.Boundary, 3 * ((uint64_t(1) << 32) - 1));
    EXPECT_EQ(half.Interior + half.Boundary, (uint64_t(1) << 63) + (uint64_t(1) << 31));

    struct Flat {
        TLatticeTriangle t;
        uint64_t boundary;
    };
    const Flat flats[] = {
        {Tri(kMin, kMin, kMax, kMin + 2, kMin, kMin), 2},  // (2^32 - 1, 2): no point between the ends
        {Tri(kMin, kMin, kMax, kMax, 0, 0), (uint64_t(1) << 32)},
        {Tri(kMax, kMin, kMax, kMax, kMax, 0), (uint64_t(1) << 32)},
        {Tri(kMin, 5, kMax, 5, kMin, 5), (uint64_t(1) << 32)},
        {Tri(kMax, kMax, kMax, kMax, kMax, kMax), 1},
    };
    for (const Flat& f : flats) {
        SCOPED_TRACE(Show(f.t));
        EXPECT_EQ(CountLatticePoints(f.t), (TPickCount{0, f.boundary}));
    }
}

TEST(LatticeListing, KnownTriangleInColumnOrder)
{
    const TLatticeListing listing = ListLatticePoints(Tri(4, 0, 0, 3, 0, 0));
    const std::vector<TLatticePoint> interior{{1, 1}, {1, 2}, {2, 1}};
    const std::vector<TLatticePoint> boundary{{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};
    EXPECT_EQ(listing.Interior, interior);
    EXPECT_EQ(listing.Boundary, boundary);
}

TEST(LatticeListing, ListsWhatTheCountCounts)
{
    TriangleSource source(11);
    const std::pair<const char*, TriangleSource::Box> families[] = {
        {"small about the origin", {-8, 16, -8, 16}},
        {"negative", {-40, 30, -35, 30}},
        {"wide", {-150, 300, -2, 4}},
        {"tall", {5, 3, -100, 200}},
        {"at the top of the range", {kMax - 30, 30, kMax - 30, 30}},
        {"at the bottom of the range", {kMin, 30, kMin, 30}},
    };
    for (const auto& [name, box] : families) {
        SCOPED_TRACE(name);
        for (int i = 0; i < 400; ++i) {
            const TLatticeTriangle t = source.Next(box, i);
            SCOPED_TRACE(Show(t));
            ASSERT_TRUE(LatticeBoxFits(t));
            ASSERT_EQ(ListLatticePoints(t).Count(), CountLatticePoints(t));
        }
    }
    const TLatticeTriangle edges[] = {
        Tri(0, 0, 199, 0, 0, 99),         // a box of exactly the limit
        Tri(0, 0, 19999, 0, 5000, 0),     // flat, a row of the limit
        Tri(kMax, kMin, kMax, kMin + 19999, kMax, kMin + 3),
        Tri(kMin, kMax, kMin, kMax, kMin, kMax),
        Tri(-1, -1, 1, 1, -1, -1),
    };
    for (const TLatticeTriangle& t : edges) {
        SCOPED_TRACE(Show(t));
        ASSERT_TRUE(LatticeBoxFits(t));
        EXPECT_EQ(ListLatticePoints(t).Count(), CountLatticePoints(t));
    }
}

TEST(LatticeListing, NothingBeyondTheLimit)
{
    const TLatticeTriangle beyond[] = {
        Tri(0, 0, 200, 0, 0, 99),  // 201 x 100
        Tri(0, 0, 20000, 0, 1, 0),  // flat, one point over
        Tri(kMin, kMin, kMax, kMin, kMax, kMax),  // 2^64 points: no wrap to a small box
        Tri(kMin, 0, kMax, 0, 0, 0),
    };
    for (const TLatticeTriangle& t : beyond) {
        SCOPED_TRACE(Show(t));
        EXPECT_FALSE(LatticeBoxFits(t));
        EXPECT_EQ(ListLatticePoints(t).Count(), TPickCount{});
    }
}
