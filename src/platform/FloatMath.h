#pragma once
// Extended-precision arithmetic with the program's floating-point faults:
// division by zero, invalid operation and overflow raise their MathError;
// underflow and inexact results pass silently.
#include <cstdint>

namespace platform {

using Extended = long double;  // 64-bit significand on x86-64

// a / b: b = 0 gives "Floating point division by zero", or "Invalid floating point
// operation" when a is 0 as well.
Extended Div(Extended a, Extended b);
// x < 0 gives "Invalid floating point operation".
Extended Sqrt(Extended x);
Extended Sin(Extended x);
Extended Cos(Extended x);
Extended Tan(Extended x);
Extended ArcTan2(Extended y, Extended x);
inline constexpr Extended Pi = 3.141592653589793238462643383279502884L;

// Storing a named value as a 64-bit double: beyond its range is "Floating point overflow".
double ToDouble(Extended x);

// Round to nearest, ties to even. Beyond the 64-bit range (or NaN): "Invalid floating point operation".
int64_t RoundToInt64(Extended x);

}  // namespace platform
