#pragma once
// Numbers as the program shows them.
#include <string>

namespace platform {

// General format: up to 15 significant digits, no trailing zeros, the user's
// decimal separator; fixed notation while at most 15 digits stand before the
// point and the magnitude is at least 0.00001, else scientific ("1E20", "1,5E-6").
std::string FloatToStr(double value);

// round(value / factor) * factor in extended precision, ties to even.
// A quotient outside the 64-bit integer range fails with "Invalid floating point operation".
double RoundTo(double value, double factor);
inline double RoundTo2(double value) { return RoundTo(value, 0.01); }

// A number shown with two decimals: FloatToStr(RoundTo2(value)).
std::string FormatTwoDecimals(double value);

}  // namespace platform
