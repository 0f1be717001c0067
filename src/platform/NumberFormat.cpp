#include "platform/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/FloatMath.h"
#include "platform/TextConversion.h"

namespace platform {

namespace {

constexpr int kSignificantDigits = 15;

}  // namespace

std::string FloatToStr(double value)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";  // -0 as well

    // Rounding to 15 significant digits comes first: the notation is chosen from
    // the rounded value, so 999999999999999.9 becomes 1E15. to_chars ignores the
    // C locale, which Qt sets from the environment.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific,
                                   kSignificantDigits - 1);
    std::string sci(buf, res.ptr);  // "-d.dddddddddddddde+XX"

    const bool negative = sci.front() == '-';
    if (negative) sci.erase(0, 1);
    const size_t ePos = sci.find('e');
    const int exponent = std::atoi(sci.c_str() + ePos + 1);
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    const char sep = DecimalSeparator();
    std::string out = negative ? "-" : "";
    if (exponent >= kSignificantDigits || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) {
            out += sep;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += '0';
        out += sep;
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits;
            out.append(intDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, intDigits);
            out += sep;
            out.append(digits, intDigits);
        }
    }
    return out;
}

double RoundTo(double value, double factor)
{
    const Extended quotient = Div(value, factor);
    const Extended product = static_cast<Extended>(RoundToInt64(quotient)) * factor;
    return ToDouble(product);
}

std::string FormatTwoDecimals(double value) { return FloatToStr(RoundTo2(value)); }

std::string FormatRoundedOrWhole(double value, double factor)
{
    const Extended quotient = Extended(value) / factor;
    if (std::fabs(quotient) >= 0x1p63L) return FloatToStr(value);
    return FloatToStr(RoundTo(value, factor));
}

}  // namespace platform
