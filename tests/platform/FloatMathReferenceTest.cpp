// The inline checked arithmetic against the former out-of-line one: the same
// values and the same faults on every special and random operand.
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "Reference.h"
#include "SameOutcome.h"
#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"

namespace {

using platform::Extended;

std::vector<Extended> Operands()
{
    const Extended inf = std::numeric_limits<Extended>::infinity();
    std::vector<Extended> v = {0.0L, -0.0L, 1, -1, 0.5L, 2.5L, -2.5L, 3.5L, 0.01L, 1e-4950L, LDBL_MIN,
                               DBL_MIN, DBL_MAX, -DBL_MAX, Extended(DBL_MAX) * 1.0000000000000001L, LDBL_MAX,
                               -LDBL_MAX, inf, -inf, std::numeric_limits<Extended>::quiet_NaN(),
                               9223372036854775807.5L, 9223372036854775808.0L, -9223372036854775808.0L,
                               -9223372036854775808.5L, -9223372036854775809.0L, 4611686018427387903.5L,
                               9.2e16L, 9.3e16L, 1e17L, 1e154L, 1e308L, 1e-308L};
    std::mt19937_64 random(5);
    for (int k = 0; k < 300; ++k) {
        const Extended mantissa = Extended(random() % 2000001) / 1000 - 1000;
        const int exponent = int(random() % 90) * (random() % 2 ? 1 : -1) * int(random() % 60);
        v.push_back(std::ldexp(mantissa, exponent));
        v.push_back(Extended(int64_t(random() % 20001) - 10000) / 2);  // halves: ties to even
    }
    return v;
}

TEST(FloatMathReference, SameValuesAndFaults)
{
    const std::vector<Extended> operands = Operands();
    for (const Extended a : operands) {
        SCOPED_TRACE(testing::Message() << "a = " << double(a));
        auto unary = [&](auto fast, auto slow) {
            const Outcome expected = OutcomeOf([&](Outcome& o) { Record(o, slow(a)); });
            const Outcome actual = OutcomeOf([&](Outcome& o) { Record(o, fast(a)); });
            ASSERT_EQ(actual, expected) << Describe(actual) << " vs " << Describe(expected);
        };
        unary(platform::ToDouble, reference::ToDouble);
        unary(platform::RoundToInt64, reference::RoundToInt64);
        unary(platform::Sqrt, reference::Sqrt);
        unary([](Extended x) { return platform::RoundTo2(double(x)); },
              [](Extended x) { return reference::RoundTo2(double(x)); });
        for (const Extended b : operands) {
            const Outcome expected = OutcomeOf([&](Outcome& o) { Record(o, reference::Div(a, b)); });
            const Outcome actual = OutcomeOf([&](Outcome& o) { Record(o, platform::Div(a, b)); });
            ASSERT_EQ(actual, expected) << "b = " << double(b) << ": " << Describe(actual) << " vs "
                                        << Describe(expected);
        }
    }
}

}  // namespace
