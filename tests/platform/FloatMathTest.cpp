#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/FloatMath.h"

using namespace platform;

namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();
const Extended kNaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended kMax = std::numeric_limits<Extended>::max();

struct FaultCase {
    const char* what;
    std::function<void()> run;
    const char* message;
};

TEST(FloatMath, Faults)
{
    const FaultCase cases[] = {
        {"1 / 0", [] { Div(1, 0); }, kDivisionByZero},
        {"-1 / -0", [] { Div(-1, -0.0L); }, kDivisionByZero},
        {"inf / 0", [] { Div(kInf, 0); }, kDivisionByZero},
        {"0 / 0", [] { Div(0, 0); }, kInvalidOperation},
        {"NaN / 0", [] { Div(kNaN, 0); }, kInvalidOperation},
        {"NaN / 2", [] { Div(kNaN, 2); }, kInvalidOperation},
        {"inf / inf", [] { Div(kInf, -kInf); }, kInvalidOperation},
        {"max / 0.5", [] { Div(kMax, 0.5L); }, kOverflow},
        {"sqrt(-1)", [] { Sqrt(-1); }, kInvalidOperation},
        {"sqrt(-inf)", [] { Sqrt(-kInf); }, kInvalidOperation},
        {"sqrt(NaN)", [] { Sqrt(kNaN); }, kInvalidOperation},
        {"sin(inf)", [] { Sin(kInf); }, kInvalidOperation},
        {"cos(-inf)", [] { Cos(-kInf); }, kInvalidOperation},
        {"tan(NaN)", [] { Tan(kNaN); }, kInvalidOperation},
        {"atan2(NaN, 1)", [] { ArcTan2(kNaN, 1); }, kInvalidOperation},
        {"double(1e309)", [] { ToDouble(1e309L); }, kOverflow},
        {"double(-1e309)", [] { ToDouble(-1e309L); }, kOverflow},
        {"double(NaN)", [] { ToDouble(kNaN); }, kInvalidOperation},
        {"int64(2^63)", [] { RoundToInt64(9223372036854775808.0L); }, kInvalidOperation},
        {"int64(-2^63 - 1)", [] { RoundToInt64(-9223372036854775809.0L); }, kInvalidOperation},
        {"int64(2^63 - 0.5)", [] { RoundToInt64(9223372036854775807.5L); }, kInvalidOperation},
        {"int64(inf)", [] { RoundToInt64(kInf); }, kInvalidOperation},
        {"int64(NaN)", [] { RoundToInt64(kNaN); }, kInvalidOperation},
        // Where the quotient is not finite, the operands decide the fault.
        {"denormal / 0", [] { Div(1e-4950L, 0); }, kDivisionByZero},
        {"inf / -0", [] { Div(kInf, -0.0L); }, kDivisionByZero},
        {"inf / NaN", [] { Div(kInf, kNaN); }, kInvalidOperation},
        {"NaN / inf", [] { Div(kNaN, kInf); }, kInvalidOperation},
        {"max / -min", [] { Div(kMax, -LDBL_MIN); }, kOverflow},
        {"sqrt(-denormal)", [] { Sqrt(-1e-4950L); }, kInvalidOperation},
        {"double(-max)", [] { ToDouble(-kMax); }, kOverflow},
        // Half-way between DBL_MAX and 2^1024 rounds to even: to infinity.
        {"double(DBL_MAX + 2^970)", [] { ToDouble(Extended(DBL_MAX) + 0x1p970L); }, kOverflow},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.run();
            ADD_FAILURE() << "no error";
        } catch (const MathError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(FloatMath, ValuesInsideTheRange)
{
    EXPECT_EQ(Div(1, 4), 0.25L);
    EXPECT_EQ(Div(0, 5), 0.0L);
    EXPECT_EQ(Div(1, kInf), 0.0L);
    EXPECT_EQ(Div(1e-4940L, 1e300L), 0.0L);  // underflow passes
    EXPECT_EQ(Sqrt(0), 0.0L);
    EXPECT_TRUE(std::signbit(Sqrt(-0.0L)));
    EXPECT_EQ(Sqrt(2.25L), 1.5L);
    EXPECT_EQ(Sqrt(kInf), kInf);
    EXPECT_EQ(ArcTan2(0, 0), 0.0L);
    EXPECT_EQ(ArcTan2(1, 0), Pi / 2);
    EXPECT_EQ(ArcTan2(0, -1), Pi);
    EXPECT_NEAR(static_cast<double>(Sin(Pi / 6)), 0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(Cos(Pi / 3)), 0.5, 1e-18);
    EXPECT_NEAR(static_cast<double>(Tan(Pi / 4)), 1.0, 1e-18);
    EXPECT_TRUE(std::isfinite(Tan(Pi / 2)));  // pi/2 is not exact, so tan stays finite
}

// Quotients and stored values that are not plain finite numbers pass through
// without a fault, with their sign: an infinite dividend over a finite divisor,
// zeros, denormals and values beyond the double range that extended holds.
TEST(FloatMath, SignedZerosInfinitiesAndDenormalsPass)
{
    const struct {
        const char* what;
        Extended value, expected;
    } cases[] = {
        {"inf / 2", Div(kInf, 2), kInf},
        {"-inf / 2", Div(-kInf, 2), -kInf},
        {"inf / -denormal", Div(kInf, -1e-4950L), -kInf},
        {"-1 / inf", Div(-1, kInf), -0.0L},
        {"0 / -5", Div(0, -5), -0.0L},
        {"-0 / -inf", Div(-0.0L, -kInf), 0.0L},
        {"LDBL_MIN / 2", Div(LDBL_MIN, 2), 0x1p-16383L},
        {"DBL_MAX / 0.5", Div(DBL_MAX, 0.5L), 0x1.fffffffffffffp+1024L},
        {"double(-0)", ToDouble(-0.0L), -0.0L},
        {"double(-inf)", ToDouble(-kInf), -kInf},
        {"double(DBL_MAX + 2^969)", ToDouble(Extended(DBL_MAX) + 0x1p969L), DBL_MAX},
        {"double(denormal extended)", ToDouble(1e-4950L), 0.0L},
        {"double(-1e-400)", ToDouble(-1e-400L), -0.0L},
        {"double(DBL_MIN / 2)", ToDouble(Extended(DBL_MIN) / 2), 0x1p-1023L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.value, c.expected);
        EXPECT_EQ(std::signbit(c.value), std::signbit(c.expected));
    }
}

TEST(FloatMath, ToDoubleRoundsToTheNearestDouble)
{
    EXPECT_EQ(ToDouble(0.1L), 0.1);
    EXPECT_EQ(ToDouble(DBL_MAX), DBL_MAX);
    // Just above DBL_MAX but below the half-way point to the next power: rounds down.
    EXPECT_EQ(ToDouble(static_cast<Extended>(DBL_MAX) * (1 + 1e-17L)), DBL_MAX);
    EXPECT_EQ(ToDouble(1e-400L), 0.0);  // underflow passes
    EXPECT_EQ(ToDouble(kInf), std::numeric_limits<double>::infinity());
}

TEST(FloatMath, RoundToInt64TiesToEven)
{
    const std::pair<Extended, int64_t> cases[] = {
        {0.5L, 0},
        {1.5L, 2},
        {2.5L, 2},
        {-2.5L, -2},
        {-0.5L, 0},
        {2.4999999999999999L, 2},
        {-7.6L, -8},
        {9223372036854775807.0L, INT64_MAX},
        {9223372036854775806.5L, INT64_MAX - 1},
        {-9223372036854775808.0L, INT64_MIN},
        {-9223372036854775808.4L, INT64_MIN},
        {-9223372036854775807.5L, INT64_MIN},       // a half at the bottom: to the even -2^63
        {4611686018427387903.5L, 4611686018427387904}, // halves with 63 bits of whole part
        {4611686018427387902.5L, 4611686018427387902},
        {-0.0L, 0},
        {1e-4950L, 0},
    };
    for (const auto& [x, expected] : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<double>(x));
        EXPECT_EQ(RoundToInt64(x), expected);
    }
}

}  // namespace
