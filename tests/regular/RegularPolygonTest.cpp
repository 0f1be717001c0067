#include "platform/Errors.h"
#include "platform/FloatMath.h"
#include "platform/TextConversion.h"
#include "polygon/VertexText.h"
#include "regular/RegularPolygon.h"

#include <gtest/gtest.h>
#include <cmath>
#include <string>
#include <vector>

using platform::Extended;
using platform::Pi;

namespace {

std::vector<TVertex> Walk(int32_t n, double radius, double startAngle)
{
    std::vector<TVertex> vertices;
    WalkRegularPolygon(n, radius, startAngle, [&](int32_t index, const TVertex& vertex) {
        EXPECT_EQ(index, int32_t(vertices.size()) + 1);
        vertices.push_back(vertex);
    });
    return vertices;
}

std::vector<std::string> Lines(const std::vector<TVertex>& vertices)
{
    std::vector<std::string> lines;
    for (const TVertex& v : vertices) lines.push_back(FormatVertexLine(v.X, v.Y));
    return lines;
}

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return {};
}

}  // namespace

TEST(RegularPolygon, Radii)
{
    struct Case { int32_t n; double side; double circumscribed; double inscribed; };
    const Case cases[] = {
        {3, 5, 2.8867513459481287, 1.4433756729740643},
        {4, 5, 3.5355339059327378, 2.5},
        {6, 5, 5, 4.3301270189221936},
        {4, -2, -1.4142135623730951, -1},  // a negative side gives negative radii
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(RegularPolygonRadius(TRegularCircle::Circumscribed, c.n, c.side), c.circumscribed);
        EXPECT_EQ(RegularPolygonRadius(TRegularCircle::Inscribed, c.n, c.side), c.inscribed);
    }
}

TEST(RegularPolygon, NoVerticesDividesByZeroAndTheSideIsReadInEachCirclesOrder)
{
    for (TRegularCircle circle : {TRegularCircle::Circumscribed, TRegularCircle::Inscribed}) {
        EXPECT_EQ(MessageOf([&] { RegularPolygonRadius(circle, 0, 5); }), "Floating point division by zero");
    }
    // A side text that does not convert: the circle through the vertices reads it
    // before the sine; the inscribed one takes the tangent first.
    const auto badSide = [] { return platform::StrToFloat("п'ять"); };
    EXPECT_EQ(MessageOf([&] { RegularPolygonRadius(TRegularCircle::Circumscribed, 0, badSide); }),
              "'п'ять' is not a valid floating point value");
    EXPECT_EQ(MessageOf([&] { RegularPolygonRadius(TRegularCircle::Inscribed, 0, badSide); }),
              "Floating point division by zero");
}

TEST(RegularPolygon, VertexListsFromTheStartAngle)
{
    platform::SetDecimalSeparator('.');
    struct Case { int32_t n; double side; double degrees; std::vector<std::string> lines; };
    const Case cases[] = {
        {3, 5, 0, {"2.89      0", "-1.44      2.5", "-1.44      -2.5"}},
        // Vertices that land on an axis list as 0, never as -0.
        {4, 5, 0, {"3.54      0", "0      3.54", "-3.54      0", "0      -3.54"}},
        {4, 5, 45, {"2.5      2.5", "-2.5      2.5", "-2.5      -2.5", "2.5      -2.5"}},
        {6, 5, 0, {"5      0", "2.5      4.33", "-2.5      4.33", "-5      0", "-2.5      -4.33", "2.5      -4.33"}},
        {2, 5, 90, {"0      2.5", "0      -2.5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " vertices from " + std::to_string(c.degrees));
        const double radius = RegularPolygonRadius(TRegularCircle::Circumscribed, c.n, c.side);
        EXPECT_EQ(Lines(Walk(c.n, radius, DegreesToRadians(c.degrees))), c.lines);
    }
    platform::SetDecimalSeparator(',');
}

TEST(RegularPolygon, StartAngleInRadians)
{
    EXPECT_EQ(DegreesToRadians(0), 0.0);
    EXPECT_EQ(DegreesToRadians(180), M_PI);
    EXPECT_EQ(DegreesToRadians(-90), -M_PI / 2);
    EXPECT_EQ(DegreesToRadians(45), M_PI / 4);
}

// The angle grows by repeated addition of the extended 2π/n, one stored sum per
// vertex. For 12 vertices from 10 degrees the shortcuts give other doubles: each is
// checked to differ somewhere, so the comparison can tell them apart.
TEST(RegularPolygon, AngleAccumulatesOneStoredSumPerVertex)
{
    const int32_t n = 12;
    const double radius = 5;
    const double start = DegreesToRadians(10);
    const Extended step = 2 * Pi / n;
    const auto at = [radius](Extended angle) {
        return TVertex{double(std::cos(angle) * radius), double(std::sin(angle) * radius)};
    };
    std::vector<TVertex> accumulated, multiplied, storedStep, unstored;
    double angle = start;
    Extended wideAngle = start;
    for (int32_t k = 1; k <= n; ++k) {
        accumulated.push_back(at(angle));
        multiplied.push_back(at(double(start + (k - 1) * step)));
        storedStep.push_back(at(double(start + (k - 1) * Extended(double(step)))));
        unstored.push_back(at(wideAngle));
        angle = double(step + angle);
        wideAngle = step + wideAngle;
    }
    const auto same = [](const std::vector<TVertex>& a, const std::vector<TVertex>& b) {
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].X != b[i].X || a[i].Y != b[i].Y) return false;
        return a.size() == b.size();
    };
    ASSERT_FALSE(same(accumulated, multiplied));
    ASSERT_FALSE(same(accumulated, storedStep));
    ASSERT_FALSE(same(accumulated, unstored));
    EXPECT_TRUE(same(Walk(n, radius, start), accumulated));
}

TEST(RegularPolygon, NoVerticesVisitsTheFirstThenDividesByZero)
{
    std::vector<TVertex> visited;
    const std::string message = MessageOf([&] {
        WalkRegularPolygon(0, 5, 0, [&](int32_t, const TVertex& vertex) { visited.push_back(vertex); });
    });
    EXPECT_EQ(message, "Floating point division by zero");
    ASSERT_EQ(visited.size(), 1u);
    EXPECT_EQ(visited[0].X, 5.0);
    EXPECT_EQ(visited[0].Y, 0.0);
}
