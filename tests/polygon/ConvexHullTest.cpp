#include "polygon/ConvexHull.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "PolygonFixtures.h"
#include "platform/Errors.h"
#include "polygon/PolygonRules.h"

namespace {

using Points = std::vector<TVertex>;

std::string Listing(const Points& points)
{
    std::string text;
    for (const TVertex& p : points) text += "(" + std::to_string(p.X) + ", " + std::to_string(p.Y) + ")";
    return text;
}

Points Pick(const Points& points, const std::vector<int32_t>& indices)
{
    Points picked;
    for (const int32_t k : indices) picked.push_back(points.at(k));
    return picked;
}

struct HullCase {
    const char* name;
    Points points;
    Points hull;
};

TEST(ConvexHull, AutomaticHullListing)
{
    const std::vector<HullCase> cases = {
        {"square with its centre", {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}}, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}},
        {"square clockwise", {{0, 0}, {0, 4}, {4, 4}, {4, 0}}, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}},
        // (1, 0) comes after (2, 0) in index order: (2, 0) is current by then.
        {"side point after the far end", {{0, 0}, {2, 0}, {1, 0}, {1, 2}}, {{0, 0}, {2, 0}, {1, 2}}},
        {"side point before the far end", {{0, 0}, {1, 0}, {2, 0}, {1, 2}}, {{0, 0}, {1, 0}, {2, 0}, {1, 2}}},
        {"two leftmost points", {{0, 4}, {3, 1}, {0, 0}, {5, 5}}, {{0, 4}, {0, 0}, {3, 1}, {5, 5}}},
        {"repeat reached while current", {{0, 0}, {4, 0}, {4, 0}, {2, 3}}, {{0, 0}, {4, 0}, {4, 0}, {2, 3}}},
        // The copy of (4, 0) comes up only once (2, 3) is current, which has (0, 0) to its right.
        {"repeat reached too late", {{0, 0}, {4, 0}, {2, 3}, {4, 0}}, {{0, 0}, {4, 0}, {2, 3}}},
        // Below the start on the left side: (0, 0) is current before (0, 1) comes
        // up, so (0, 1) waits until the scans come down that side again.
        {"start inside the left side", {{0, 2}, {0, 0}, {0, 1}, {2, 0}, {2, 3}, {0, 3}},
         {{0, 2}, {0, 0}, {2, 0}, {2, 3}, {0, 3}, {0, 1}}},
        {"points on a line", {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {1, 1}, {2, 2}}},
        {"line from its middle", {{1, 1}, {2, 2}, {0, 0}}, {{0, 0}, {1, 1}, {2, 2}}},
        {"single point", {{3, 7}}, {{3, 7}}},
        {"coinciding points", {{1, 1}, {1, 1}, {1, 1}}, {{1, 1}, {1, 1}, {1, 1}}},
        {"empty", {}, {}},
    };
    for (const HullCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Listing(Pick(c.points, AutomaticHull(c.points))), Listing(c.hull));
        EXPECT_EQ(Listing(Pick(c.points, PlainHullScans(c.points))), Listing(c.hull));
    }
}

TEST(ConvexHull, JarvisMarchListing)
{
    const std::vector<HullCase> cases = {
        {"square with its centre", {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}}, {{4, 0}, {4, 4}, {0, 4}, {0, 0}}},
        {"square clockwise", {{0, 0}, {0, 4}, {4, 4}, {4, 0}}, {{4, 0}, {4, 4}, {0, 4}, {0, 0}}},
        {"square counter-clockwise", {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, {{4, 0}, {4, 4}, {0, 4}, {0, 0}}},
        {"side point left out", {{0, 0}, {1, 0}, {2, 0}, {1, 2}}, {{2, 0}, {1, 2}, {0, 0}}},
        {"two leftmost points", {{0, 4}, {3, 1}, {0, 0}, {5, 5}}, {{0, 0}, {3, 1}, {5, 5}, {0, 4}}},
        {"repeated point once", {{0, 0}, {4, 0}, {4, 0}, {2, 3}}, {{4, 0}, {2, 3}, {0, 0}}},
        // The start sits in the middle of the list: its place takes the first point.
        {"lowest in the middle", {{2, 5}, {5, 1}, {3, 0}, {0, 2}}, {{3, 0}, {5, 1}, {2, 5}, {0, 2}}},
        {"coinciding points", {{1, 1}, {1, 1}, {1, 1}}, {{1, 1}}},
        {"diagonal line", {{0, 0}, {1, 1}, {2, 2}}, {{0, 0}, {2, 2}}},
        {"horizontal line, right end first", {{0, 0}, {3, 0}, {1, 0}}, {{3, 0}, {0, 0}}},
        {"two points", {{0, 0}, {-2, 3}}, {{0, 0}, {-2, 3}}},
        {"single point", {{3, 7}}, {{3, 7}}},
        {"empty", {}, {}},
    };
    for (const HullCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Listing(JarvisMarch(c.points)), Listing(c.hull));
        EXPECT_EQ(Listing(PlainJarvisMarch(c.points)), Listing(c.hull));
    }
}

// Three points all but on one line: rounding has the march go back and forth
// between the two upper points without ever meeting the start again. It stops
// after three steps with the start and the first two points it went to.
TEST(ConvexHull, MarchStopsWhenRoundingKeepsItFromTheStart)
{
    const TVertex a{0.54864464146368241, 0.86924646886986601};
    const TVertex start{0.32485216420152979, 0.51468031453580798};
    const TVertex c{0.84829668296136429, 1.3440009078572164};
    EXPECT_LT(CrossProduct(c, start, c, a), 0);  // from c, a lies right of the way back
    EXPECT_EQ(Listing(JarvisMarch({a, start, c})), Listing({start, c, a}));
    EXPECT_EQ(Listing(PlainJarvisMarch({a, start, c})), Listing({start, c, a}));
}

// Three points all but on one line. The scans round a turn value from the
// current hull point and the candidate: from the start (0.38..) the far point
// (0.99..), tried first, has the near one (0.39..) not to its right and is
// taken, and the near one is skipped. Rounded from the start alone, the near
// point would lie right of the far one and be listed before it.
TEST(ConvexHull, ScansRoundTheTurnFromTheCandidate)
{
    const TVertex far{0.99502088827792956, 0.54330743860170305};
    const TVertex start{0.38229563453483312, 0.208743418791141};
    const TVertex near{0.39748373667256359, 0.21703651993794476};
    EXPECT_GE(CrossProduct(start, far, far, near), 0);
    EXPECT_LT(CrossProduct(start, far, start, near), 0);
    const Points points = {far, start, near};
    EXPECT_EQ(AutomaticHull(points), (std::vector<int32_t>{1, 0}));
    EXPECT_EQ(PlainHullScans(points), (std::vector<int32_t>{1, 0}));
}

TEST(ConvexHull, TurnBeyondDoubleRangeOverflowsAlike)
{
    const Points points = {{0, 0}, {1e200, 0}, {0, 1e200}};
    for (auto hull : {&AutomaticHull, &PlainHullScans}) {
        try {
            hull(points);
            ADD_FAILURE() << "no error";
        } catch (const platform::MathError& e) {
            EXPECT_EQ(e.Message(), platform::kOverflow);
        }
    }
}

// What a march gives, every bit of it, or the error it raises.
std::string MarchOutcome(std::vector<TVertex> (*march)(std::vector<TVertex>), const Points& points)
{
    try {
        std::string text;
        char buffer[80];
        for (const TVertex& p : march(points)) {
            std::snprintf(buffer, sizeof buffer, "(%a, %a)", p.X, p.Y);
            text += buffer;
        }
        return text;
    } catch (const platform::MathError& e) {
        return "error: " + e.Message();
    }
}

// Sets on which the march works each step in doubles only where they decide as
// the extended-precision rules do: whole numbers on both sides of 2^25, where
// doubles stop being exact, grids and lines full of collinear and coinciding
// points, fractions, near-collinear points that rounding decides, magnitudes
// where products underflow, and points far enough apart to overflow.
std::vector<std::pair<std::string, Points>> MarchPointSets()
{
    std::mt19937_64 generator(55);
    std::vector<std::pair<std::string, Points>> sets;
    auto whole = [&](int64_t low, int64_t high) {
        return double(std::uniform_int_distribution<int64_t>(low, high)(generator));
    };
    auto unit = [&] { return std::uniform_real_distribution<double>(-1, 1)(generator); };
    auto sign = [&] { return std::uniform_int_distribution<int>(0, 1)(generator) ? 1.0 : -1.0; };
    constexpr int64_t edge = int64_t(1) << 25;
    for (const int n : {2, 3, 5, 9, 17, 40, 120, 400}) {
        auto add = [&](const std::string& name, auto make) {
            Points points;
            for (int i = 0; i < n; ++i) points.push_back(make(i));
            sets.emplace_back(name + " " + std::to_string(n), points);
        };
        add("whole", [&](int) { return TVertex{whole(-50, 49), whole(-50, 49)}; });
        add("grid", [&](int) { return TVertex{whole(0, 4), whole(0, 4)}; });
        add("line", [&](int) {
            const double k = whole(-5, 5);
            return TVertex{3 * k - 1, 2 * k + 7};
        });
        add("whole circle", [&](int) {
            const double angle = M_PI * unit();
            return TVertex{std::round(1e6 * std::cos(angle)), std::round(1e6 * std::sin(angle))};
        });
        add("just below 2^25", [&](int) {
            return TVertex{sign() * whole(edge - 4, edge - 1), sign() * whole(edge - 4, edge - 1)};
        });
        add("across 2^25", [&](int) { return TVertex{whole(edge - 3, edge + 2), whole(edge - 3, edge + 2)}; });
        add("above 2^25", [&](int) { return TVertex{sign() * whole(edge, edge + 3), whole(-edge - 3, edge + 3)}; });
        // Combinations of two lattice vectors spanning a cell of area 1: long
        // differences with cross products of a few units, which doubles get
        // wrong once products pass 2^53.
        auto lattice = [&](double f0, double f1, double f2) {
            const double a = whole(-1, 1), b = whole(-1, 1);
            return TVertex{a * f2 + b * f1, a * f1 + b * f0};
        };
        add("lattice below 2^25", [&](int) { return lattice(5702887, 9227465, 14930352); });
        add("lattice above 2^25", [&](int) { return lattice(24157817, 39088169, 63245986); });
        add("whole far apart", [&](int) { return TVertex{whole(-(int64_t(1) << 60), int64_t(1) << 60), whole(-9, 9)}; });
        add("fractions", [&](int) { return TVertex{1000 * unit(), 1000 * unit()}; });
        add("circle", [&](int) {
            const double angle = M_PI * unit();
            return TVertex{1000 * std::cos(angle), 1000 * std::sin(angle)};
        });
        add("near one line", [&](int) {
            const double t = unit();
            return TVertex{0.7 + 0.1 * t, 0.2 + 0.3 * t};
        });
        add("near one line, far out", [&](int) {
            const double t = whole(-3, 3) / 3.0;
            return TVertex{1e9 + t, 3e9 + 3 * t};
        });
        add("half grid", [&](int) { return TVertex{whole(0, 4) / 2, whole(0, 4) / 2}; });
        add("subnormal", [&](int) { return TVertex{1e-310 * unit(), 1e-310 * unit()}; });
        add("tiny", [&](int) { return TVertex{1e-160 * unit(), 1e-160 * unit()}; });
        add("huge", [&](int) { return TVertex{1e150 * unit(), 1e150 * unit()}; });
        add("overflowing", [&](int) { return TVertex{1e160 * unit(), 1e160 * unit()}; });
        add("infinite", [&](int i) { return TVertex{i == 1 ? INFINITY : unit(), unit()}; });
        add("not a number", [&](int i) { return TVertex{unit(), i == 1 ? NAN : unit()}; });
    }
    // Thin triangles from the origin: their cross products are ±1 next to
    // products below 2^53 and, in the second, above it.
    sets.emplace_back("thin triangle below 2^25", Points{{0, 0}, {24157817, 14930352}, {14930352, 9227465}});
    sets.emplace_back("thin triangle above 2^25", Points{{0, 0}, {267914296, 165580141}, {165580141, 102334155}});
    // The same with products that fall below the doubles' range, where their
    // cross product keeps no relative precision at all.
    for (const int scale : {-530, -537, -540, -545}) {
        double f0 = 1, f1 = 1, f2 = 2;
        for (int k = 0; k < 20; ++k) {
            sets.emplace_back("subnormal thin triangle " + std::to_string(scale) + " " + std::to_string(k),
                              Points{{0, 0},
                                     {std::ldexp(f2, scale), std::ldexp(f1, scale)},
                                     {std::ldexp(f1, scale), std::ldexp(f0, scale)}});
            f0 = f1;
            f1 = f2;
            f2 = f0 + f1;
        }
    }
    // The march that stops short of the start.
    sets.emplace_back("no way back", Points{{0.54864464146368241, 0.86924646886986601},
                                            {0.32485216420152979, 0.51468031453580798},
                                            {0.84829668296136429, 1.3440009078572164}});
    return sets;
}

TEST(ConvexHull, MarchGivesWhatThePlainMarchGives)
{
    int faults = 0;
    for (const auto& [name, points] : MarchPointSets()) {
        SCOPED_TRACE(name);
        const std::string plain = MarchOutcome(&PlainJarvisMarch, points);
        EXPECT_EQ(MarchOutcome(&JarvisMarch, points), plain);
        faults += plain.starts_with("error");
    }
    EXPECT_GT(faults, 0);
}

// The automatic hull works its turn values the same way as the march.
TEST(ConvexHull, AutomaticHullListsWhatThePlainScansListOnTheMarchSets)
{
    auto outcome = [](std::vector<int32_t> (*hull)(std::span<const TVertex>), const Points& points) {
        try {
            std::string text;
            for (const int32_t k : hull(points)) text += std::to_string(k) + " ";
            return text;
        } catch (const platform::MathError& e) {
            return "error: " + e.Message();
        }
    };
    for (const auto& [name, points] : MarchPointSets()) {
        if (points.size() > 120) continue;  // the plain scans grow with the cube
        SCOPED_TRACE(name);
        EXPECT_EQ(outcome(&AutomaticHull, points), outcome(&PlainHullScans, points));
    }
}

// Area and perimeter of a hull, measured as the commands measure it: in the store.
std::pair<double, double> Measures(const Points& hull)
{
    LoadFigure(hull);
    const int32_t n = int32_t(hull.size());
    WriteClosingCopies(n);
    const double area = PolygonArea(StoredFigure(n));
    return {area, PolygonPerimeter(StoredFigure(n))};
}

struct PointSet {
    std::string name;
    Points points;
    bool wholeNumbers;
};

// Whole numbers as the random-points command makes them, a small grid full of
// repeats and collinear points, fractions, and points on a circle in random order.
std::vector<PointSet> RandomPointSets()
{
    std::mt19937 generator(8);
    std::vector<PointSet> sets;
    auto draw = [&](int count, auto make) {
        Points points;
        for (int i = 0; i < count; ++i) points.push_back(make());
        return points;
    };
    for (int round = 0; round < 40; ++round) {
        const int n = 1 + round * 3;
        std::uniform_int_distribution<int> hundred(0, 99);
        std::uniform_int_distribution<int> five(0, 4);
        std::uniform_real_distribution<double> unit(-1, 1);
        sets.push_back({"random " + std::to_string(n), draw(n, [&] {
                            return TVertex{50.0 - hundred(generator), 50.0 - hundred(generator)};
                        }), true});
        sets.push_back({"grid " + std::to_string(n), draw(n, [&] {
                            return TVertex{double(five(generator)), double(five(generator))};
                        }), true});
        sets.push_back({"fractions " + std::to_string(n), draw(n, [&] {
                            return TVertex{unit(generator) * 1000, unit(generator) * 1000};
                        }), false});
        sets.push_back({"circle " + std::to_string(n), draw(n, [&] {
                            const double angle = M_PI * unit(generator);
                            return TVertex{100 * std::cos(angle), 100 * std::sin(angle)};
                        }), false});
    }
    sets.push_back({"random 300", draw(300, [&] {
                        std::uniform_int_distribution<int> hundred(0, 99);
                        return TVertex{50.0 - hundred(generator), 50.0 - hundred(generator)};
                    }), true});
    return sets;
}

TEST(ConvexHull, AutomaticHullListsWhatThePlainScansList)
{
    for (const PointSet& set : RandomPointSets()) {
        SCOPED_TRACE(set.name);
        EXPECT_EQ(AutomaticHull(set.points), PlainHullScans(set.points));
    }
}

// The scans go once round the hull unless another point shares the start's X
// at or below it: the scans then come down the left side past the start again
// at the end, walking part of the hull twice (all of it, for a copy of the
// start), as the table's "start inside the left side" shows.
bool ScansGoOnceRound(const Points& points)
{
    const std::vector<int32_t> hull = AutomaticHull(points);
    if (hull.empty()) return true;
    const TVertex start = points[hull[0]];
    for (int32_t i = 0; i < int32_t(points.size()); ++i) {
        if (i != hull[0] && points[i].X == start.X && points[i].Y <= start.Y) return false;
    }
    return true;
}

TEST(ConvexHull, BothHullsMeasureTheSame)
{
    int measured = 0;
    for (const PointSet& set : RandomPointSets()) {
        if (!ScansGoOnceRound(set.points)) continue;
        ++measured;
        SCOPED_TRACE(set.name);
        const auto [scanArea, scanPerimeter] = Measures(Pick(set.points, AutomaticHull(set.points)));
        const auto [marchArea, marchPerimeter] = Measures(JarvisMarch(set.points));
        // Whole-number shoelace sums are exact; the sides a scanned hull splits
        // at its listed side points add up the same only to rounding.
        if (set.wholeNumbers) {
            EXPECT_EQ(scanArea, marchArea);
        } else {
            EXPECT_NEAR(scanArea, marchArea, 1e-9 * (1 + marchArea));
        }
        EXPECT_NEAR(scanPerimeter, marchPerimeter, 1e-9 * (1 + marchPerimeter));
    }
    EXPECT_GT(measured, 100);
}

TEST(ConvexHull, HullOfItsOwnOutputListsTheSamePoints)
{
    for (const PointSet& set : RandomPointSets()) {
        if (!set.wholeNumbers) continue;
        SCOPED_TRACE(set.name);
        const Points scanned = Pick(set.points, AutomaticHull(set.points));
        EXPECT_EQ(Listing(Pick(scanned, AutomaticHull(scanned))), Listing(scanned));
        const Points marched = JarvisMarch(set.points);
        EXPECT_EQ(Listing(JarvisMarch(marched)), Listing(marched));
    }
}

}  // namespace
