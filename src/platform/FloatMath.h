#pragma once
// Extended-precision arithmetic with the program's floating-point faults:
// division by zero, invalid operation and overflow raise their MathError;
// underflow and inexact results pass silently.
//
// The faults are found by looking at the operands and results themselves:
// floating-point status flags are not reliable once the optimiser reorders
// code, and reading or clearing them costs more than the arithmetic. The
// operations the figure check and the drawing run thousands of times a click
// are inline: one test of the result on the way through, and only when it is
// not a finite number the operands are looked at to name the fault.
#include <cmath>
#include <cstdint>

#include "platform/Errors.h"

namespace platform {

using Extended = long double;  // 64-bit significand on x86-64

namespace detail {
[[noreturn]] void RaiseDivFault(Extended a, Extended b);
[[noreturn]] void RaiseToDoubleFault(Extended x);
}  // namespace detail

// a / b: b = 0 gives "Floating point division by zero", or "Invalid floating point
// operation" when a is 0 as well.
inline Extended Div(Extended a, Extended b)
{
    const Extended q = a / b;
    // A finite quotient has finite operands and a divisor other than zero.
    if (std::isfinite(q)) [[likely]]
        return q;
    // An infinite dividend over a finite divisor stays infinite without a fault.
    if (std::isinf(a) && std::isfinite(b) && b != 0) return q;
    detail::RaiseDivFault(a, b);
}

// x < 0 gives "Invalid floating point operation".
inline Extended Sqrt(Extended x)
{
    if (std::isnan(x) || x < 0) RaiseInvalidOperation();
    return std::sqrt(x);
}
Extended Sin(Extended x);
Extended Cos(Extended x);
Extended Tan(Extended x);
Extended ArcTan2(Extended y, Extended x);
inline constexpr Extended Pi = 3.141592653589793238462643383279502884L;

// Storing a named value as a 64-bit double: beyond its range is "Floating point overflow".
inline double ToDouble(Extended x)
{
    const double d = static_cast<double>(x);
    if (std::isfinite(d)) [[likely]]
        return d;
    // An infinity stays one; a finite value that rounds to infinity overflows.
    // (A value just above DBL_MAX may still round down to it.)
    if (std::isinf(x)) return d;
    detail::RaiseToDoubleFault(x);
}

// Round to nearest, ties to even. Beyond the 64-bit range (or NaN): "Invalid floating point operation".
inline int64_t RoundToInt64(Extended x)
{
    if (!std::isfinite(x)) [[unlikely]]
        RaiseInvalidOperation();
    // rint rounds in the current mode, which the program never changes from
    // nearest-even; unlike nearbyint it needs no save and restore of the
    // floating-point environment (its inexact flag is never read).
    const Extended r = std::rint(x);
    constexpr Extended kLimit = 9223372036854775808.0L;  // 2^63
    if (r < -kLimit || r >= kLimit) [[unlikely]]
        RaiseInvalidOperation();
    return static_cast<int64_t>(r);
}

}  // namespace platform
