#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "PinnedSeparator.h"
#include "platform/Errors.h"
#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"

using namespace platform;

namespace {

class NumberFormat : public PinnedSeparator {};

struct ShowCase {
    double value;
    const char* text;  // with "," as the separator
};

const ShowCase kShowCases[] = {
    {0.0, "0"},
    {-0.0, "0"},
    {6.0, "6"},
    {-2.0, "-2"},
    {0.5, "0,5"},
    {12.6, "12,6"},
    {0.1 + 0.2, "0,3"},
    {1.0 / 3.0, "0,333333333333333"},
    {2.0 / 3.0, "0,666666666666667"},
    {100.0, "100"},
    {123456789012345.0, "123456789012345"},
    {12345678901234.5, "12345678901234,5"},
    {999999999999999.0, "999999999999999"},
    {999999999999999.9, "1E15"},
    {1e15, "1E15"},
    {1e20, "1E20"},
    {-1.5e20, "-1,5E20"},
    {1.7976931348623157e308, "1,79769313486232E308"},
    {0.00001, "0,00001"},
    {0.000012345, "0,000012345"},
    {0.000001, "1E-6"},
    {0.0000099999, "9,9999E-6"},
    {1.5e-6, "1,5E-6"},
    {-2.5e-7, "-2,5E-7"},
    {1e-100, "1E-100"},
    {4.9406564584124654e-324, "4,94065645841247E-324"},
};

TEST_F(NumberFormat, GeneralFormatWithComma)
{
    Use(',');
    for (const ShowCase& c : kShowCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.value), c.text);
    }
}

TEST_F(NumberFormat, GeneralFormatWithPoint)
{
    Use('.');
    for (const ShowCase& c : kShowCases) {
        std::string expected = c.text;
        for (char& ch : expected) {
            if (ch == ',') ch = '.';
        }
        SCOPED_TRACE(expected);
        EXPECT_EQ(FloatToStr(c.value), expected);
    }
}

struct RoundCase {
    double value;
    double factor;
    double rounded;
};

const RoundCase kRoundCases[] = {
    // Exact halves go to the even neighbour.
    {0.5, 1, 0},
    {1.5, 1, 2},
    {2.5, 1, 2},
    {-2.5, 1, -2},
    {-3.5, 1, -4},
    {0.084, 1, 0},
    {12.6, 1, 13},
    // With 0.01 the extended quotient is rarely an exact half: 0.125 / 0.01 is
    // just under 12.5, 0.135 / 0.01 just over 13.5.
    {0.125, 0.01, 0.12},
    {-0.125, 0.01, -0.12},
    {0.135, 0.01, 0.14},
    // A double quotient would round these to an exact half and then up to even;
    // the extended one stays below it.
    {0.375, 0.01, 0.37},
    {2.675, 0.01, 2.67},
    {3.14159, 0.01, 3.14},
    {0.084, 0.01, 0.08},
    {-1e-9, 0.01, -0.0},
    {9.2e16, 0.01, 9.2e16},
};

TEST_F(NumberFormat, RoundToTable)
{
    for (const RoundCase& c : kRoundCases) {
        SCOPED_TRACE(testing::Message() << c.value << " by " << c.factor);
        EXPECT_EQ(RoundTo(c.value, c.factor), c.rounded);
    }
}

TEST_F(NumberFormat, RoundToFailsBeyondTheIntegerRange)
{
    const double cases[][2] = {
        {9.3e16, 0.01},  // quotient 9.3e18 > 2^63
        {-9.3e16, 0.01},
        {9223372036854775808.0, 1},  // 2^63
        {1e300, 0.01},
        {std::numeric_limits<double>::infinity(), 0.01},
        {std::numeric_limits<double>::quiet_NaN(), 0.01},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << " by " << c[1]);
        try {
            RoundTo(c[0], c[1]);
            ADD_FAILURE() << "no error";
        } catch (const MathError& e) {
            EXPECT_EQ(e.Message(), "Invalid floating point operation");
        }
    }
    EXPECT_EQ(RoundTo(-9223372036854775808.0, 1), -9223372036854775808.0);  // -2^63 fits
}

TEST_F(NumberFormat, TwoDecimalsAsListed)
{
    Use(',');
    const ShowCase cases[] = {
        {3.14159, "3,14"}, {-2, "-2"}, {0.5, "0,5"}, {10, "10"}, {6, "6"},
        {-1.5, "-1,5"},    {std::sqrt(2.0), "1,41"}, {2 * std::sqrt(8.0), "5,66"},
        {0.125, "0,12"},   {0.135, "0,14"},          {-0.001, "0"},
    };
    for (const ShowCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatTwoDecimals(c.value), c.text);
    }
    Use('.');
    EXPECT_EQ(FormatTwoDecimals(3.14159), "3.14");
}

// The pointer read-out over a 500-pixel picture of the window -21..21: the
// world value is formed in extended precision, stored, then rounded for display.
TEST_F(NumberFormat, ReadOutOfTheDrawingWindow)
{
    Use(',');
    const Extended xMin = -21, xMax = 21, yMin = -21, yMax = 21, w = 500, h = 500;
    const double wx = ToDouble((xMax - xMin) * 251 / w + xMin);
    const double wy = ToDouble((yMax - yMin) * (h - 100) / h + yMin);
    EXPECT_EQ(FloatToStr(RoundTo2(wx)), "0,08");
    EXPECT_EQ(FloatToStr(RoundTo2(wy)), "12,6");
    EXPECT_EQ(FloatToStr(RoundTo(wx, 1)), "0");
    EXPECT_EQ(FloatToStr(RoundTo(wy, 1)), "13");
}

}  // namespace
