// The figure check (pruned pairs of sides, sorted vertices) and the area (the
// shoelace sum in integers) against their former code, on random figures of
// every scale and on the edges: the same verdicts, texts and values, and a fault
// with the same message after the same tests, leaving the same messages and
// closing copies behind.
#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "PolygonFixtures.h"
#include "Reference.h"
#include "SameOutcome.h"
#include "polygon/FigureCheck.h"
#include "polygon/PolygonRules.h"
#include "polygon/StoredFigureCheck.h"

namespace {

void RecordStore(Outcome& o, int32_t n)
{
    for (int k = 1; k <= 5; ++k) Record(o, CheckMessages[k]);
    const int32_t m = ClampedVertexCount(n);
    for (int32_t k = m + 1; k <= m + 2; ++k) {
        Record(o, Vertices[k].X);
        Record(o, Vertices[k].Y);
    }
}

// The store's figure as the commands hand it to a measure, with the closing
// copy they write first.
std::span<const TVertex> Closed(int32_t n)
{
    WriteClosingCopies(n);
    return StoredFigure(n);
}

// Runs one computation on a fresh copy of the figure and records its outcome
// with the state it leaves in the store.
Outcome Run(const std::vector<TVertex>& figure, const std::function<void(Outcome&)>& compute)
{
    LoadFigure(figure);
    Outcome o = OutcomeOf(compute);
    RecordStore(o, int32_t(figure.size()));
    return o;
}

// Returns how many of the computations raised a fault.
int ExpectSame(const std::vector<TVertex>& figure)
{
    int faults = 0;
    const int32_t n = int32_t(figure.size());
    struct Pair {
        const char* name;
        std::function<void(Outcome&)> fast, slow;
    };
    auto check = [](TFigureCheckResult (*run)()) {
        return [run](Outcome& o) {
            const TFigureCheckResult r = run();
            Record(o, r.ProblemFound);
            Record(o, r.CrossingLine);
            Record(o, r.Question);
        };
    };
    const Pair pairs[] = {
        {"check", check(CheckStoredFigure), check(reference::RunFigureCheck)},
        {"area", [n](Outcome& o) { Record(o, PolygonArea(Closed(n))); },
         [n](Outcome& o) { Record(o, reference::PolygonArea(n)); }},
        // The measures that keep their working on the way: the same values and faults.
        {"area with its working", [n](Outcome& o) { TShoelace w; Record(o, ShoelaceArea(Closed(n), w)); },
         [n](Outcome& o) { Record(o, reference::PolygonArea(n)); }},
        {"perimeter with its working", [n](Outcome& o) { TPerimeterSides w; Record(o, SidesPerimeter(Closed(n), w)); },
         [n](Outcome& o) { Record(o, PolygonPerimeter(Closed(n))); }},
        {"convexity with its working", [n](Outcome& o) { TConvexity w; Record(o, TurnsConvexity(Closed(n), w)); },
         [n](Outcome& o) { Record(o, IsConvexPolygon(Closed(n))); }},
    };
    for (const Pair& p : pairs) {
        const Outcome expected = Run(figure, p.slow);
        const Outcome actual = Run(figure, p.fast);
        EXPECT_EQ(actual, expected) << p.name << ": " << Describe(actual) << "\n vs " << Describe(expected);
        if (!expected.fault.empty()) ++faults;
    }
    return faults;
}

std::string Show(const std::vector<TVertex>& figure)
{
    std::string s;
    char buf[64];
    for (const TVertex& v : figure) {
        std::snprintf(buf, sizeof buf, "(%.17g, %.17g) ", v.X, v.Y);
        s += buf;
    }
    return s;
}

// Figures of many kinds: whole numbers as the random-points command makes them,
// any doubles of one scale, a small figure with one far vertex, regular polygons
// (sides parallel but for rounding), ends on two-decimal ties, repeated vertices
// and -0, and the values no field gives but the arithmetic must still survive.
class FigureMaker {
public:
    explicit FigureMaker(uint32_t seed) : random_(seed) {}

    std::vector<TVertex> Make(int32_t n)
    {
        static const double scales[] = {1e-300, 1e-5, 0.01, 1, 100, 1e6, 1e15, 9.2e16, 1e17, 1e150,
                                        1e154, 1e155, 1e200, 1e300, DBL_MAX};
        const double scale = scales[random_() % std::size(scales)];
        std::vector<TVertex> f(static_cast<size_t>(n));
        switch (random_() % 7) {
        case 6:  // whole numbers about 2^20, where the area's exact sum stops
            for (TVertex& v : f) {
                v = {double(1048576 - 3 + int(random_() % 7)), -double(1048576 - 3 + int(random_() % 7))};
                if (random_() % 2) std::swap(v.X, v.Y);
            }
            break;
        case 0:
            for (TVertex& v : f) v = {double(50 - int(random_() % 100)), double(50 - int(random_() % 100))};
            break;
        case 1:
            for (TVertex& v : f) v = {Uniform(scale), Uniform(scale)};
            break;
        case 2:
            for (TVertex& v : f) v = {double(50 - int(random_() % 100)), double(50 - int(random_() % 100))};
            if (n > 0) f[random_() % f.size()] = {Uniform(scale), Uniform(scale)};
            break;
        case 3:
            for (int32_t k = 0; k < n; ++k) {
                const double angle = 2 * M_PI * k / n + 0.3;
                f[size_t(k)] = {scale * std::cos(angle), scale * std::sin(angle)};
            }
            break;
        case 4:
            for (TVertex& v : f)
                v = {0.005 * (int(random_() % 41) - 20), 0.005 * (int(random_() % 41) - 20)};
            break;
        default:
            for (TVertex& v : f) v = {Uniform(scale), Uniform(1)};
            break;
        }
        // Now and then a repeated vertex, a -0, or a value no field can give.
        if (n > 1 && random_() % 4 == 0) f[random_() % f.size()] = f[random_() % f.size()];
        if (n > 0 && random_() % 8 == 0) f[random_() % f.size()] = {-0.0, 0.0};
        if (n > 0 && random_() % 8 == 0) f[random_() % f.size()] = {0.0, -0.0};
        if (n > 0 && random_() % 40 == 0) {
            const double odd[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN(), DBL_MAX, -DBL_MAX, DBL_MIN * 0.5};
            f[random_() % f.size()].X = odd[random_() % std::size(odd)];
        }
        return f;
    }

private:
    double Uniform(double scale)
    {
        return (double(random_() % 2000001) / 1000000 - 1) * scale;
    }
    std::mt19937 random_;
};

TEST(FastCheck, SameAsBeforeOnRandomFigures)
{
    FigureMaker maker(20261210);
    int faults = 0;
    for (int k = 0; k < 6000; ++k) {
        const auto figure = maker.Make(int32_t(k % 45));
        SCOPED_TRACE(Show(figure));
        faults += ExpectSame(figure);
        if (HasFailure()) return;
    }
    EXPECT_GT(faults, 500);  // the faults are compared too, not only the values
}

TEST(FastCheck, SameAsBeforeOnLargeFigures)
{
    FigureMaker maker(7);
    for (int32_t n : {60, 200, 999, 1000, 1000, 1000}) {
        for (int k = 0; k < 4; ++k) {
            const auto figure = maker.Make(n);
            SCOPED_TRACE(Show(figure));
            ExpectSame(figure);
            if (HasFailure()) return;
        }
    }
    SCOPED_TRACE("parabola");
    ExpectSame(ParabolaFillingStore());
}

// Faults raised late: after a crossing is found, by a pair far down the list;
// by an end whose two-decimal rounding is beyond the 64-bit range (1e17).
TEST(FastCheck, SameFaultAfterACrossing)
{
    const std::vector<std::vector<TVertex>> figures = {
        // A bow-tie, then a nearly parallel pair whose meeting point overflows.
        {{0, 0}, {4, 4}, {4, 0}, {0, 4}, {1e300, 1e-300}, {-1e300, 2e-300}, {5, 5}},
        {{0, 0}, {4, 4}, {4, 0}, {0, 4}, {1e17, 3}, {1e17 + 32, 5}},
        {{1e17, 0}, {1e17 + 64, 1}, {0, 5}, {2e17, 6}},
        {{1e154, 1e154}, {-1e154, 1e154}, {1e154, -1e154}, {-1e154, -1e154}},
        {{1e154, 0}, {0, 1e154}, {-1e154, 0}, {0, -1e154}, {1, 1}},
        {{0, 0}, {4, 4}, {4, 0}, {0, 4}, {1e160, 1}, {1e160, 2}},
    };
    for (const auto& figure : figures) {
        SCOPED_TRACE(Show(figure));
        EXPECT_GT(ExpectSame(figure), 0);
    }
}

}  // namespace
