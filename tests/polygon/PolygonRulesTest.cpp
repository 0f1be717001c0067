#include "polygon/PolygonRules.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <variant>

#include "PolygonFixtures.h"
#include "platform/Errors.h"

namespace {

constexpr double p27 = 134217728.0;  // 2^27: products of such numbers need more than 53 bits
constexpr double p26 = 67108864.0;   // 2^26

struct MeasureCase {
    const char* name;
    std::vector<TVertex> figure;
    double area;
    bool convex;
    std::optional<double> perimeter;
};

std::vector<MeasureCase> MeasureCases()
{
    return {
        {"unit square ccw", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 1, true, 4},
        {"unit square cw", {{0, 0}, {0, 1}, {1, 1}, {1, 0}}, 1, true, 4},
        {"collinear pentagon ccw", {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, 4, true, 8},
        // The one zero turn counts as non-negative, the other four are negative.
        {"collinear pentagon cw", {{0, 0}, {0, 2}, {2, 2}, {2, 0}, {1, 0}}, 4, false, 8},
        {"arrow", {{0, 0}, {2, 1}, {4, 0}, {2, 3}}, 4, false, 2 * std::sqrt(5.0) + 2 * std::sqrt(13.0)},
        {"bow-tie", {{0, 0}, {1, 1}, {1, 0}, {0, 1}}, 0, false, 2 + 2 * std::sqrt(2.0)},
        {"pentagram", Pentagram(), 2.5 * 100 * std::sin(4 * M_PI / 5), true, 5 * 20 * std::sin(2 * M_PI / 5)},
        {"two vertices", {{0, 0}, {3, 4}}, 0, true, 10},
        {"one vertex", {{2, 5}}, 0, true, 0},
        {"empty", {}, 0, true, 0},
        {"triangle 3-4-5", {{0, 0}, {4, 0}, {0, 3}}, 6, true, 12},
        {"parabola filling the store", ParabolaFillingStore(), 166167000, true, std::nullopt},
        // a*d - c*b = 1 only when both products stay in extended precision within the
        // step; in plain doubles a*d rounds to c*b and the area would be 0. The same
        // holds for the turn at vertex 1, so the clockwise copy is convex only when
        // that turn comes out -1 rather than 0.
        {"near-flat triangle ccw", {{0, 0}, {p27 + 1, p27 + 2}, {p27, p27 + 1}}, 0.5, true, std::nullopt},
        {"near-flat triangle cw", {{0, 0}, {p27, p27 + 1}, {p27 + 1, p27 + 2}}, 0.5, true, std::nullopt},
        // S = 2^53 + 2^27 + 2^26 + 1 after the second step is stored as a double
        // (losing the 1) before the third step takes 2^53 + 2^27 + 2^26 away again.
        {"sum stored after each step", {{0, 0}, {p27 + 1, 0}, {-(p27 + 3), p26 + 1}, {0, p26}}, 0, false,
         std::nullopt},
    };
}

TEST(PolygonRules, MeasuresOfTheClosedPolygon)
{
    for (const MeasureCase& c : MeasureCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(PolygonArea(c.figure), c.area);
        EXPECT_EQ(IsConvexPolygon(c.figure), c.convex);
        const double perimeter = PolygonPerimeter(c.figure);
        if (c.perimeter) {
            EXPECT_DOUBLE_EQ(perimeter, *c.perimeter);
        }
    }
}

TEST(PolygonRules, CrossProductSignsAndPrecision)
{
    EXPECT_EQ(CrossProduct({0, 0}, {2, 0}, {0, 0}, {1, 3}), 6);   // left turn
    EXPECT_EQ(CrossProduct({0, 0}, {2, 0}, {0, 0}, {1, -3}), -6); // right turn
    EXPECT_EQ(CrossProduct({1, 1}, {3, 3}, {5, 5}, {4, 4}), 0);   // parallel, opposite ways
    // (2^27 + 1)^2 - 2^27 (2^27 + 2) = 1: both products need 55 bits.
    EXPECT_EQ(CrossProduct({0, 0}, {p27 + 1, p27 + 2}, {0, 0}, {p27, p27 + 1}), 1);
    EXPECT_EQ(CrossProduct({0, 0}, {p27, p27 + 1}, {0, 0}, {p27 + 1, p27 + 2}), -1);
    try {
        CrossProduct({0, 0}, {1e200, 0}, {0, 0}, {0, 1e200});
        ADD_FAILURE() << "no error";
    } catch (const platform::MathError& e) {
        EXPECT_EQ(e.Message(), platform::kOverflow);
    }
}

// Named values are doubles: a sum, side or turn beyond their range overflows
// where it is stored instead of running on as infinity.
TEST(PolygonRules, ValuesBeyondDoubleRangeOverflow)
{
    const std::vector<TVertex> huge = {{-1e308, -1e308}, {1e308, -1e308}, {1e308, 1e308}, {-1e308, 1e308}};
    auto expectOverflow = [&](const char* rule, auto call) {
        SCOPED_TRACE(rule);
        try {
            call();
            ADD_FAILURE() << "no error";
        } catch (const platform::MathError& e) {
            EXPECT_EQ(e.Message(), platform::kOverflow);
        }
    };
    expectOverflow("area", [&] { PolygonArea(huge); });
    expectOverflow("perimeter", [&] { PolygonPerimeter(huge); });
    expectOverflow("convexity", [&] { IsConvexPolygon(huge); });
}

// The perimeter and the convexity rule at the ends of the double range: each
// side and each turn is worked out in extended precision and stored as a double,
// so a square beyond the double range survives to the store, a value below it
// passes as 0, and only what is stored can fail.
TEST(PolygonRules, PerimeterAndConvexityAtTheEdges)
{
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kTiny = DBL_MIN / 2;  // a denormal: its square is 0 in doubles
    using platform::kInvalidOperation;
    using platform::kOverflow;
    struct EdgeCase {
        const char* name;
        std::vector<TVertex> figure;
        std::variant<double, const char*> perimeter;  // the value or the fault
        std::variant<bool, const char*> convex;
    };
    const EdgeCase cases[] = {
        {"denormal sides", {{0, 0}, {kTiny, 0}}, DBL_MIN, true},
        {"sides of 1e200: their squares are beyond doubles", {{0, 0}, {1e200, 0}, {1e200, 1e200}},
         0x1.1d77270388803p+666, kOverflow},
        {"turns of 4e308", {{1e154, 1e154}, {-1e154, 1e154}, {-1e154, -1e154}, {1e154, -1e154}}, 8e154,
         kOverflow},
        {"a side of DBL_MAX twice", {{0, 0}, {DBL_MAX, 0}}, kOverflow, true},
        // The arrow made tiny: its turns round to +-0 as doubles, and so count as
        // non-negative.
        {"a tiny arrow", {{0, 0}, {2e-200, 1e-200}, {4e-200, 0}, {2e-200, 3e-200}}, 0x1.1e2c928413a37p-661,
         true},
        // A thousand sides, the sum stored as a double after each.
        {"the parabola filling the store", ParabolaFillingStore(), 0x1.e848035ea6582p+20, true},
        // A repeated vertex makes a side of no length and two zero turns.
        {"a repeated vertex, counter-clockwise", {{0, 0}, {0, 0}, {1, 0}, {0, 1}}, 2 + M_SQRT2, true},
        {"a repeated vertex, clockwise", {{0, 0}, {0, 1}, {1, 0}, {1, 0}}, 2 + M_SQRT2, false},
        {"-0 and 0", {{-0.0, 0}, {0, -0.0}, {0, 0}}, 0.0, true},
        {"an infinite vertex", {{0, 0}, {kInf, 0}, {0, 1}}, kInf, kInvalidOperation},
        {"two infinite vertices alike", {{0, 0}, {kInf, 0}, {kInf, 1}}, kInvalidOperation, kInvalidOperation},
        {"a NaN", {{0, 0}, {kNaN, 0}, {0, 1}}, kInvalidOperation, kInvalidOperation},
    };
    auto fault = [](auto call) -> std::string {
        try {
            call();
        } catch (const platform::MathError& e) {
            return e.Message();
        }
        return "";
    };
    for (const EdgeCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (const double* value = std::get_if<double>(&c.perimeter)) {
            const double perimeter = PolygonPerimeter(c.figure);
            EXPECT_EQ(perimeter, *value);
            EXPECT_FALSE(std::signbit(perimeter));
        } else {
            EXPECT_EQ(fault([&] { PolygonPerimeter(c.figure); }), std::get<const char*>(c.perimeter));
        }
        if (const bool* convex = std::get_if<bool>(&c.convex)) {
            EXPECT_EQ(IsConvexPolygon(c.figure), *convex);
        } else {
            EXPECT_EQ(fault([&] { IsConvexPolygon(c.figure); }), std::get<const char*>(c.convex));
        }
    }
}

}  // namespace
