#include "polygon/FigureCheck.h"
#include "polygon/StoredFigureCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PolygonFixtures.h"
#include "platform/Errors.h"

namespace {

const char* const kSlotTexts[6] = {
    "",
    "неопуклий ",
    " співбадання точок ",
    " перетин сторін ",
    " три точки розміщені на прямій ",
    " не задано вершин ",
};

struct CheckCase {
    const char* name;
    std::vector<TVertex> figure;
    std::vector<int> slots;  // the slots that name a problem
};

std::vector<CheckCase> CheckCases()
{
    return {
        {"square", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {}},
        {"empty store", {}, {5}},
        {"one vertex", {{2, 3}}, {4, 5}},
        {"two vertices", {{0, 0}, {3, 1}}, {4, 5}},
        // All turns 0 (convex by the turn rule) and all sides parallel (no crossing).
        {"degenerate triangle", {{0, 0}, {1, 1}, {2, 2}}, {4}},
        // The lines through (4,4)-(2,1) and (2,1)-(0,4) cut the bottom side at X = 1.33 and 2.67.
        {"inward corner", {{0, 0}, {4, 0}, {4, 4}, {2, 1}, {0, 4}}, {1, 3}},
        {"bow-tie", {{0, 0}, {4, 4}, {4, 0}, {0, 4}}, {1, 3}},
        {"arrow", {{0, 0}, {2, 1}, {4, 0}, {2, 3}}, {1}},
        {"pentagram", Pentagram(), {3}},
        // The crossing goes unseen because the first side of the pair is vertical.
        {"cross on a vertical side", {{1, -1}, {1, 1}, {0, 0}, {2, 0}}, {1}},
        // The third side cuts the first at X = 0.998, which rounds to the end X = 1.
        {"crossing within rounding of an end", {{0, 0}, {1, 0}, {1.998, 1}, {-0.002, -1}}, {1}},
        {"repeated vertex", {{0, 0}, {3, 0}, {3, 0}, {0, 3}}, {2, 4}},
        {"parabola filling the store", ParabolaFillingStore(), {}},
    };
}

TEST(FigureCheck, NamesEveryProblemFound)
{
    for (const CheckCase& c : CheckCases()) {
        SCOPED_TRACE(c.name);
        LoadFigure(c.figure);
        for (int k = 1; k <= 5; ++k) CheckMessages[k] = "stale";

        const TFigureCheckResult result = CheckStoredFigure();

        std::string question = "Многокутник: ";
        for (int k = 1; k <= 5; ++k) {
            const bool expected = std::count(c.slots.begin(), c.slots.end(), k) > 0;
            EXPECT_EQ(CheckMessages[k], expected ? kSlotTexts[k] : "") << "slot " << k;
            if (expected) question += kSlotTexts[k];
        }
        question += " Виконувати?";
        EXPECT_EQ(result.ProblemFound, !c.slots.empty());
        EXPECT_EQ(result.CrossingLine, CheckMessages[3]);
        EXPECT_EQ(result.Question, question);

        // Closing copies: V1 in slot N + 1, then V2 (V1 again for N = 1) in slot N + 2.
        const size_t n = c.figure.size();
        if (n > 0) {
            const TVertex second = n > 1 ? c.figure[1] : c.figure[0];
            EXPECT_EQ(Vertices[n + 1].X, c.figure[0].X);
            EXPECT_EQ(Vertices[n + 1].Y, c.figure[0].Y);
            EXPECT_EQ(Vertices[n + 2].X, second.X);
            EXPECT_EQ(Vertices[n + 2].Y, second.Y);
        }
    }
}

TEST(FigureCheck, EmptyStoreAsksAboutMissingVertices)
{
    ResetVertexStore();
    const TFigureCheckResult result = CheckStoredFigure();
    EXPECT_TRUE(result.ProblemFound);
    EXPECT_EQ(result.Question, "Многокутник:  не задано вершин  Виконувати?");
    EXPECT_EQ(result.CrossingLine, "");
}

TEST(FigureCheck, NegativeCountReadsAsEmpty)
{
    LoadFigure({{1, 2}, {3, 4}, {5, 7}});
    VertexCount = -2;
    const TFigureCheckResult result = CheckStoredFigure();
    EXPECT_EQ(result.Question, "Многокутник:  не задано вершин  Виконувати?");
    EXPECT_EQ(Vertices[0].X, 0);
    EXPECT_EQ(Vertices[2].X, 3);
}

// Opposite sides of a regular polygon with an even number of vertices are parallel
// but for rounding, so their lines meet far beyond what two-decimal rounding holds;
// such a meeting point lies outside every side and must not stop the check.
TEST(FigureCheck, NearlyParallelSidesOfRegularPolygonsPassTheCheck)
{
    for (int n : {4, 6, 8, 30, 100}) {
        for (long double radius : {5.0L, 100.0L, 12345.0L}) {
            SCOPED_TRACE(std::to_string(n) + "-gon of radius " + std::to_string(double(radius)));
            std::vector<TVertex> figure;
            for (int k = 0; k < n; ++k) {
                const long double angle = 2 * 3.141592653589793238462643383279502884L * k / n;
                figure.push_back({double(radius * std::cos(angle)), double(radius * std::sin(angle))});
            }
            LoadFigure(figure);
            TFigureCheckResult result;
            ASSERT_NO_THROW(result = CheckStoredFigure());
            EXPECT_EQ(CheckMessages[3], "");
        }
    }
}

// x2 = 1e17 taken to two decimals needs a quotient beyond the 64-bit range: the
// check stops there, with the slots of the earlier tests already written.
TEST(FigureCheck, RoundingBeyondRangeStopsTheCheck)
{
    LoadFigure({{0, 0}, {1e17, 0}, {0, 1e17}, {0, 0}});
    for (int k = 1; k <= 5; ++k) CheckMessages[k] = "stale";
    try {
        CheckStoredFigure();
        ADD_FAILURE() << "no error";
    } catch (const platform::MathError& e) {
        EXPECT_EQ(e.Message(), platform::kInvalidOperation);
    }
    EXPECT_EQ(CheckMessages[1], "");
    EXPECT_EQ(CheckMessages[2], " співбадання точок ");
    EXPECT_EQ(CheckMessages[3], "");
    EXPECT_EQ(CheckMessages[4], "");
}

}  // namespace
