// The triangle's arithmetic: exact lengths and determinants, existence, Heron,
// and the routines the circle commands share.
#include "platform/Errors.h"
#include "platform/TextConversion.h"
#include "triangle/TriangleGeometry.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

namespace {

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TLatticeTriangle Tri(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3)
{
    return {{x1, y1}, {x2, y2}, {x3, y3}};
}

std::string Fault(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return "";
}

class TriangleGeometry : public ::testing::Test {
protected:
    void SetUp() override { platform::SetDecimalSeparator(','); }
};

}  // namespace

TEST_F(TriangleGeometry, SideLengthsAndTheirCaption)
{
    struct Case {
        TLatticeTriangle t;
        std::string caption;
    };
    const Case cases[] = {
        {Tri(0, 0, 4, 0, 0, 3), "AB=4  BC=5   AC=3"},
        {Tri(0, 0, 1, 1, 0, 2), "AB=1,41  BC=1,41   AC=2"},
        // Squares past 32 bits: no wrap-around.
        {Tri(0, 0, 70000, 0, 0, 70000), "AB=70000  BC=98994,95   AC=70000"},
        {Tri(-40000, 0, 0, 30000, 40000, 0), "AB=50000  BC=50000   AC=80000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(SideLengthsCaption(SideLengths(c.t)), c.caption);
    }
    platform::SetDecimalSeparator('.');
    EXPECT_EQ(SideLengthsCaption(SideLengths(Tri(0, 0, 1, 1, 0, 2))), "AB=1.41  BC=1.41   AC=2");
}

TEST_F(TriangleGeometry, SquaredDistanceIsExactAcrossTheWholeRange)
{
    const uint64_t span = uint64_t(1) << 32;  // kMax - kMin + 1
    const unsigned __int128 d2 = SquaredDistance({kMin, kMin}, {kMax, kMax});
    EXPECT_TRUE(d2 == 2 * (unsigned __int128)(span - 1) * (span - 1));
    EXPECT_EQ(SideLength({kMin, 0}, {kMax, 0}), double(span - 1));
    EXPECT_DOUBLE_EQ(SideLength({kMin, kMin}, {kMax, kMax}), std::numbers::sqrt2 * double(span - 1));
}

TEST_F(TriangleGeometry, ExistenceComparesExactSumsWithoutTolerance)
{
    struct Case {
        const char* name;
        TLatticeTriangle t;
        bool exists;
    };
    const Case cases[] = {
        {"start triangle", Tri(0, 0, 4, 0, 0, 3), true},
        {"level line", Tri(0, 0, 1, 0, 2, 0), false},
        {"diagonal, sums equal once rounded", Tri(0, 0, 1, 1, 2, 2), false},
        // Collinear, but 3 * rounded sqrt(2) exceeds rounded sqrt(18).
        {"diagonal, sum just above", Tri(0, 0, 1, 1, 3, 3), true},
        {"three equal points", Tri(7, -2, 7, -2, 7, -2), false},
        {"two equal points", Tri(0, 0, 0, 0, 5, 5), false},
        {"thin but real", Tri(0, 0, 100000, 1, 200000, 1), true},
        {"far corners", Tri(kMin, kMin, kMax, kMin, kMin, kMax), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TriangleExists(SideLengths(c.t)), c.exists);
    }
}

TEST_F(TriangleGeometry, DeterminantAndAreaAreExact)
{
    EXPECT_EQ(TriangleArea({0, 0}, {4, 0}, {0, 3}), 6.0);
    EXPECT_EQ(TriangleArea({0, 3}, {4, 0}, {0, 0}), 6.0);  // clockwise as well
    EXPECT_EQ(TriangleArea({0, 0}, {1, 0}, {2, 0}), 0.0);
    EXPECT_EQ(TriangleArea({0, 0}, {70000, 0}, {0, 70000}), 2450000000.0);
    const WideInt span = (WideInt(1) << 32) - 1;
    EXPECT_TRUE(Determinant({kMin, kMin}, {kMax, kMin}, {kMin, kMax}) == span * span);
    EXPECT_TRUE(Determinant({kMin, kMax}, {kMax, kMin}, {kMin, kMin}) == -span * span);
    EXPECT_EQ(TriangleArea({kMin, kMin}, {kMax, kMin}, {kMin, kMax}), double(span * span) * 0.5);
}

TEST_F(TriangleGeometry, HeronOverThePageSides)
{
    EXPECT_EQ(SidesHeronArea(SideLengths(Tri(0, 0, 4, 0, 0, 3))), 6.0);
    EXPECT_EQ(SidesHeronArea(SideLengths(Tri(0, 0, 1, 0, 2, 0))), 0.0);
    EXPECT_NEAR(SidesHeronArea(SideLengths(Tri(0, 0, 70000, 0, 0, 70000))), 2450000000.0, 1e-5);
    // Rounded lengths of collinear points that break the triangle inequality.
    EXPECT_EQ(Fault([] { SidesHeronArea(SideLengths(Tri(0, 0, 3, 24, 15, 120))); }),
              "Invalid floating point operation");
}

TEST_F(TriangleGeometry, CircleRoutines)
{
    EXPECT_EQ(PointDistance(0, 0, 4, 3), 5.0);
    EXPECT_EQ(PointDistance(4, 3, 0, 0), 5.0);
    EXPECT_EQ(TrianglePerimeter(3, 4, 5), 12.0);
    EXPECT_EQ(HeronArea(3, 4, 5), 6.0);
    EXPECT_EQ(IncircleRadius(6, 6), 1.0);
    EXPECT_EQ(CircumcircleRadius(6, 3, 4, 5), 2.5);
    EXPECT_EQ(VertexAngle({0, 0}, {4, 0}, {0, 3}), std::numbers::pi / 2);
    EXPECT_EQ(VertexAngle({0, 0}, {4, 0}, {-4, 0}), std::numbers::pi);
    EXPECT_EQ(VertexAngle({0, 0}, {4, 0}, {8, 0}), 0.0);

    EXPECT_EQ(Fault([] { CircumcircleRadius(0, 1, 2, 3); }), "Floating point division by zero");
    EXPECT_EQ(Fault([] { CircumcircleRadius(0, 0, 2, 2); }), "Invalid floating point operation");
    EXPECT_EQ(Fault([] { IncircleRadius(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(Fault([] { VertexAngle({1, 1}, {1, 1}, {3, 2}); }), "Invalid floating point operation");
}

TEST_F(TriangleGeometry, QuarterTurnLeavesALevelSidesBisectorUprightUnlessItsMidpointIsOnTheYAxis)
{
    const platform::Extended quarter = platform::Pi / 2;
    EXPECT_LT(platform::Cos(quarter), 0);
    EXPECT_GT(platform::Cos(quarter), -1e-19L);

    // Level side (0, 0)-(4, 0), midpoint (2, 0): exactly upright.
    const TVertex upright = TurnedDirection({0, 0}, {2, 0}, quarter);
    EXPECT_EQ(upright.X, 0.0);
    EXPECT_EQ(upright.Y, -2.0);
    // Level side (-2, 0)-(2, 0), midpoint (0, 0): a tiny remainder survives.
    const TVertex steep = TurnedDirection({-2, 0}, {0, 0}, quarter);
    EXPECT_NE(steep.X, 0.0);
    EXPECT_LT(std::abs(steep.X), 1e-18);
    EXPECT_EQ(steep.Y, -2.0);

    const TVertex turned = RotateAbout({3, 1}, {1, 1}, quarter);  // (2, 0) about (1, 1) -> (1, 3)
    EXPECT_EQ(turned.X, 1.0);
    EXPECT_EQ(turned.Y, 3.0);
    const TVertex back = RotateAbout({3, 1}, {1, 1}, -quarter);
    EXPECT_EQ(back.X, 1.0);
    EXPECT_EQ(back.Y, -1.0);
}
