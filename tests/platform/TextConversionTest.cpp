#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include <QLocale>

#include "PinnedSeparator.h"
#include "platform/Errors.h"
#include "platform/TextConversion.h"

using namespace platform;

namespace {

struct IntCase {
    const char* text;
    std::optional<int32_t> value;  // nullopt: refused
};

const IntCase kIntCases[] = {
    {"0", 0},
    {"42", 42},
    {"+7", 7},
    {"-15", -15},
    {"   12", 12},
    {"  -3", -3},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"2147483648", std::nullopt},
    {"-2147483649", std::nullopt},
    {"99999999999999999999", std::nullopt},
    {"$10", 16},
    {"$ff", 255},
    {"x1A", 26},
    {"X1a", 26},
    {"0x7fffffff", 2147483647},
    {"0X10", 16},
    {"-$10", -16},
    {"  +$10", 16},
    {"$FFFFFFFF", -1},
    {"$80000000", INT32_MIN},
    {"-$80000000", INT32_MIN},
    {"-$FFFFFFFF", 1},
    {"$0000000001", 1},  // leading zeros are not significant
    {"$100000000", std::nullopt},
    {"$", std::nullopt},
    {"0x", std::nullopt},
    {"$G", std::nullopt},
    {"", std::nullopt},
    {"   ", std::nullopt},
    {"-", std::nullopt},
    {"+-1", std::nullopt},
    {"- 1", std::nullopt},
    {"12 ", std::nullopt},  // nothing may follow, not even a blank
    {"1 2", std::nullopt},
    {"12a", std::nullopt},
    {"2,5", std::nullopt},
    {"2.5", std::nullopt},
    {"1e3", std::nullopt},
    {"0$10", std::nullopt},
    {"$-10", std::nullopt},
};

TEST(TextConversion, IntegerTable)
{
    for (const IntCase& c : kIntCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        EXPECT_EQ(TryStrToInt(c.text), c.value);
        if (c.value) {
            EXPECT_EQ(StrToInt(c.text), *c.value);
        } else {
            EXPECT_THROW(StrToInt(c.text), ConvertError);
        }
    }
}

TEST(TextConversion, IntegerMessageQuotesTheTextAsGiven)
{
    // A NUL typed or pasted into the field stays in the message, and what follows it.
    for (const std::string& text : std::initializer_list<std::string>{"  12a", "", "2147483648", "$100000000", "12 ", std::string("\0\0*", 3)}) {
        SCOPED_TRACE(text);
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + text + "' is not a valid integer value");
        }
    }
}

struct FloatCase {
    const char* text;
    std::optional<double> value;
};

// Written with "," as the separator; the point-separator table swaps the marks.
const FloatCase kFloatCases[] = {
    {"0", 0.0},
    {"-1,5", -1.5},
    {"+3", 3.0},
    {" 7", 7.0},
    {"  2,25  ", 2.25},
    {",5", 0.5},
    {"5,", 5.0},
    {"-,5", -0.5},
    {"3,14159", 3.14159},
    {"1e3", 1000.0},
    {"1E3", 1000.0},
    {"2,5e-3", 0.0025},
    {"2,5E+2", 250.0},
    {",5e1", 5.0},
    {"5,e1", 50.0},
    {"0,1", 0.1},
    {"1,7976931348623157e308", 1.7976931348623157e308},
    {"4,9406564584124654e-324", 4.9406564584124654e-324},
    {"1e-400", 0.0},  // underflow passes silently
    {"1e400", std::nullopt},
    {"1,7976931348623159e308", std::nullopt},
    {"-1e99999999999999999999", std::nullopt},
    {"", std::nullopt},
    {"  ", std::nullopt},
    {",", std::nullopt},
    {"-", std::nullopt},
    {"+", std::nullopt},
    {"-,", std::nullopt},
    {"1,2,3", std::nullopt},
    {"3-", std::nullopt},
    {"1e", std::nullopt},
    {"1e+", std::nullopt},
    {"e5", std::nullopt},
    {"1 5", std::nullopt},
    {"- 5", std::nullopt},
    {"$10", std::nullopt},
    {"0x10", std::nullopt},
    {"inf", std::nullopt},
    {"nan", std::nullopt},
    {"1,5x", std::nullopt},
};

std::string SwapMarks(std::string text)
{
    for (char& ch : text) {
        if (ch == ',') ch = '.';
    }
    return text;
}

void CheckFloat(const std::string& text, std::optional<double> expected)
{
    SCOPED_TRACE("text '" + text + "'");
    const std::optional<double> got = TryStrToFloat(text);
    ASSERT_EQ(got.has_value(), expected.has_value());
    if (!expected) {
        EXPECT_THROW(StrToFloat(text), ConvertError);
        return;
    }
    EXPECT_EQ(*got, *expected);  // exact: the conversion rounds correctly
    EXPECT_EQ(StrToFloat(text), *expected);
}

class FloatConversion : public PinnedSeparator {};

TEST_F(FloatConversion, CommaSeparatorTable)
{
    Use(',');
    for (const FloatCase& c : kFloatCases) CheckFloat(c.text, c.value);
    // The point is no decimal mark here.
    for (const char* text : {"1.5", ".5", "5.", "."}) CheckFloat(text, std::nullopt);
}

TEST_F(FloatConversion, PointSeparatorTable)
{
    Use('.');
    for (const FloatCase& c : kFloatCases) CheckFloat(SwapMarks(c.text), c.value);
    for (const char* text : {"1,5", ",5", ","}) CheckFloat(text, std::nullopt);
}

TEST_F(FloatConversion, SignOfZeroIsKept)
{
    Use(',');
    EXPECT_TRUE(std::signbit(StrToFloat("-0")));
    EXPECT_TRUE(std::signbit(StrToFloat("-1e-400")));
    EXPECT_FALSE(std::signbit(StrToFloat("0,0")));
}

TEST_F(FloatConversion, MessageQuotesTheTextAsGiven)
{
    Use(',');
    for (const std::string& text : std::initializer_list<std::string>{" 1.5 ", "", "-", "1e400", std::string("\0" "1,2", 4)}) {
        SCOPED_TRACE(text);
        try {
            StrToFloat(text);
            ADD_FAILURE() << "no error";
        } catch (const ConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
        }
    }
}

TEST_F(FloatConversion, InitReadsTheSystemLocale)
{
    Use('#');
    InitDecimalSeparator();
    const QString point = QLocale::system().decimalPoint();
    const char expected = point.size() == 1 && point[0].unicode() < 0x7f
                              ? static_cast<char>(point[0].unicode())
                              : '.';
    EXPECT_EQ(DecimalSeparator(), expected);
}

}  // namespace
