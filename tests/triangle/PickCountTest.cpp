// The fast lattice count against the point-by-point scan and against Pick's theorem.
#include "triangle/PickCount.h"

#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <random>
#include <sstream>

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

TPickCount Count(const TLatticeTriangle& t)
{
    const std::optional<TPickCount> count = CountLatticePoints(t);
    EXPECT_TRUE(count.has_value());
    return count.value_or(TPickCount{});
}

WideInt Gcd(WideInt a, WideInt b)
{
    if (a < 0) a = -a;
    if (b < 0) b = -b;
    while (b != 0) a = std::exchange(b, a % b);
    return a;
}

// An oracle from outside the program: boundary points by greatest common
// divisors, interior points by Pick's theorem.
TPickCount ByTheorem(const TLatticeTriangle& t)
{
    const auto side = [](TLatticePoint p, TLatticePoint q) { return Gcd(WideInt(q.X) - p.X, WideInt(q.Y) - p.Y); };
    const WideInt boundary = side(t.A, t.B) + side(t.B, t.C) + side(t.C, t.A);
    WideInt twiceArea = Determinant(t.A, t.B, t.C);
    if (twiceArea < 0) twiceArea = -twiceArea;
    return {uint64_t((twiceArea - boundary + 2) / 2), uint64_t(boundary)};
}

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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Show(c.t));
        const TPickCount count = Count(c.t);
        EXPECT_EQ(count, ScanLatticePoints(c.t));
        EXPECT_EQ(count.Interior, c.interior);
        EXPECT_EQ(count.Boundary, c.boundary);
        EXPECT_EQ(PickArea(count, TriangleArea(c.t.A, c.t.B, c.t.C)), c.pick);
    }
}

TEST(PickCount, AgreesWithTheScanOnRandomTriangles)
{
    std::mt19937 random(20260517);
    struct Family {
        const char* name;
        int32_t spanX, spanY;  // coordinates drawn from [base, base + span]
        int32_t baseX, baseY;
    };
    const Family families[] = {
        {"small", 12, 12, -6, -6},
        {"wide", 300, 4, -150, 0},
        {"tall", 3, 200, 0, -100},
        {"near the top of the range", 25, 25, kMax - 25, kMax - 25},
        {"near the bottom of the range", 25, 25, kMin, kMin},
    };
    for (const Family& f : families) {
        SCOPED_TRACE(f.name);
        std::uniform_int_distribution<int32_t> x(0, f.spanX), y(0, f.spanY);
        const auto point = [&] { return TLatticePoint{f.baseX + x(random), f.baseY + y(random)}; };
        for (int i = 0; i < 300; ++i) {
            TLatticeTriangle t{point(), point(), point()};
            // Every fourth one flat or on an axis line.
            if (i % 4 == 1) {
                // C beyond B on the line AB, or on B where that leaves the family's box.
                const int64_t cx = 2 * int64_t(t.B.X) - t.A.X, cy = 2 * int64_t(t.B.Y) - t.A.Y;
                const bool inside = cx >= f.baseX && cx <= int64_t(f.baseX) + f.spanX && cy >= f.baseY &&
                                    cy <= int64_t(f.baseY) + f.spanY;
                t.C = inside ? TLatticePoint{int32_t(cx), int32_t(cy)} : t.B;
            }
            if (i % 4 == 2) t.B.Y = t.A.Y;
            if (i % 4 == 3) t.C.X = t.B.X;
            SCOPED_TRACE(Show(t));
            const TPickCount count = Count(t);
            ASSERT_EQ(count, ScanLatticePoints(t));
            const double area = TriangleArea(t.A, t.B, t.C);
            if (area > 0) {
                ASSERT_EQ(PickArea(count, area), area);
            }
        }
    }
}

TEST(PickCount, HugeCoordinatesCountExactly)
{
    // WideInt boxes that are short one way: the count walks the short way, through
    // the whole 32-bit range the other way.
    const TLatticeTriangle cases[] = {
        Tri(kMin, kMin, kMax, kMin + 1000, 0, kMin + 517),
        Tri(kMin, kMax, kMax, kMax - 999, kMax, kMax - 3),
        Tri(kMin, 7, kMax, 0, 12345, -1),
        Tri(0, kMin, 1, kMax, 2, 0),
        Tri(kMin, kMin, kMax, kMin + 2, kMin + 4, kMin + 1),
        Tri(-1000000, -1000000, 1000000, -999999, 999999, 1000000),
    };
    for (const TLatticeTriangle& t : cases) {
        SCOPED_TRACE(Show(t));
        const TPickCount count = Count(t);
        if (Determinant(t.A, t.B, t.C) != 0) {
            EXPECT_EQ(count, ByTheorem(t));
            EXPECT_EQ(PickArea(count, TriangleArea(t.A, t.B, t.C)), TriangleArea(t.A, t.B, t.C));
        }
    }
    const TPickCount flat = Count(Tri(kMin, kMin, kMax, kMin + 2, kMin, kMin));
    EXPECT_EQ(flat.Interior, 0u);
    EXPECT_EQ(flat.Boundary, 2u);  // (2^32 - 1, 2) has no lattice point between its ends
}

TEST(PickCount, ReportsProgressAndStopsWhenAsked)
{
    // More lines than one progress step, fewer than two... and then some.
    const int64_t n = 3 * kLinesPerProgressCall + 5;
    const TLatticeTriangle t = Tri(0, 0, int32_t(n - 1), 0, 0, int32_t(n - 1));
    std::vector<double> seen;
    const std::optional<TPickCount> full = CountLatticePoints(t, [&](double done) {
        seen.push_back(done);
        return true;
    });
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(*full, ByTheorem(t));
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_DOUBLE_EQ(seen[0], double(kLinesPerProgressCall) / double(n));
    EXPECT_LT(seen[0], seen[1]);
    EXPECT_LT(seen[2], 1.0);

    int calls = 0;
    EXPECT_FALSE(CountLatticePoints(t, [&](double) { return ++calls < 2; }).has_value());
    EXPECT_EQ(calls, 2);
    // A flat one stops as well.
    EXPECT_FALSE(CountLatticePoints(Tri(0, 0, int32_t(n), int32_t(n), 1, 1), [](double) { return false; }).has_value());
    // Small counts never call.
    EXPECT_TRUE(CountLatticePoints(Tri(0, 0, 1000, 0, 0, 1000), [](double) -> bool { std::abort(); }).has_value());
}
