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

// FloatToStr(RoundTo(value, factor)), except that a value too large for that
// rounding (its quotient beyond the 64-bit integer range) has no fraction left
// to round and shows as it is rather than failing. For results the program
// computes exactly at any size: the pointer read-out, the triangle's areas.
std::string FormatRoundedOrWhole(double value, double factor);

}  // namespace platform
