// The world mapping against its former code: the same pixel or the same fault
// for windows of every kind, mirrored and of no width included.
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "Reference.h"
#include "SameOutcome.h"
#include "drawing/WorldMapping.h"

namespace {

TEST(FastMapping, SamePixelsAndFaultsAsBefore)
{
    std::mt19937_64 random(3);
    const double edges[] = {0, -0.0, 1, -1, 0.5, 2.5, 1e-300, 1e17, -1e17, 1e154, -1e154, 1e300, DBL_MAX, -DBL_MAX,
                            std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    const int32_t sizes[] = {0, 1, 500, 513, -7, INT32_MAX, INT32_MIN};
    auto value = [&]() -> double {
        switch (random() % 4) {
        case 0: return edges[random() % std::size(edges)];
        case 1: return double(int64_t(random() % 201) - 100) / 2;
        default: return std::ldexp(double(int64_t(random() % 2000001) - 1000000), int(random() % 120) - 60);
        }
    };
    for (int k = 0; k < 200000; ++k) {
        TWorldWindow window;
        window.XMin = value();
        window.YMin = value();
        switch (random() % 4) {
        case 0: window.XMax = window.XMin; break;                  // no width
        case 1: window.XMax = window.XMin - std::fabs(value()); break;  // mirrored
        default: window.XMax = value(); break;
        }
        window.YMax = random() % 4 == 0 ? window.YMin : value();
        const double x = random() % 8 == 0 ? window.XMin : value();
        const int32_t size = random() % 2 ? 500 : sizes[random() % std::size(sizes)];
        const Outcome expected = OutcomeOf([&](Outcome& o) {
            Record(o, reference::WorldToPixelX(x, window, size));
        });
        const Outcome actual = OutcomeOf([&](Outcome& o) { Record(o, WorldToPixelX(x, window, size)); });
        const Outcome expectedY = OutcomeOf([&](Outcome& o) {
            Record(o, reference::WorldToPixelY(x, window, size));
        });
        const Outcome actualY = OutcomeOf([&](Outcome& o) { Record(o, WorldToPixelY(x, window, size)); });
        ASSERT_EQ(actual, expected) << "x " << x << " window " << window.XMin << ".." << window.XMax << " size " << size;
        ASSERT_EQ(actualY, expectedY) << "y " << x << " window " << window.YMin << ".." << window.YMax << " size "
                                      << size;
    }
}

}  // namespace
