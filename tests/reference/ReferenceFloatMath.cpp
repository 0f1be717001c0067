#include "Reference.h"

#include <cfloat>
#include <cmath>

#include "platform/Errors.h"

// The faults are found by looking at the operands and results themselves:
// floating-point status flags are not reliable once the optimiser reorders code.
namespace reference {

using platform::RaiseDivisionByZero;
using platform::RaiseInvalidOperation;
using platform::RaiseOverflow;

Extended Div(Extended a, Extended b)
{
    if (std::isnan(a) || std::isnan(b)) RaiseInvalidOperation();
    if (b == 0) {
        if (a == 0) RaiseInvalidOperation();
        RaiseDivisionByZero();
    }
    if (std::isinf(a) && std::isinf(b)) RaiseInvalidOperation();
    const Extended q = a / b;
    if (std::isinf(q) && std::isfinite(a) && std::isfinite(b)) RaiseOverflow();
    return q;
}

Extended Sqrt(Extended x)
{
    if (std::isnan(x) || x < 0) RaiseInvalidOperation();
    return std::sqrt(x);
}

double RoundTo(double value, double factor)
{
    const Extended quotient = Div(value, factor);
    const Extended product = static_cast<Extended>(RoundToInt64(quotient)) * factor;
    return ToDouble(product);
}

double ToDouble(Extended x)
{
    if (std::isnan(x)) RaiseInvalidOperation();
    const double d = static_cast<double>(x);
    // A value just above DBL_MAX may still round down to it; only what rounds
    // to infinity overflows.
    if (std::isinf(d) && std::isfinite(x)) RaiseOverflow();
    return d;
}

int64_t RoundToInt64(Extended x)
{
    if (!std::isfinite(x)) RaiseInvalidOperation();
    const Extended r = std::nearbyint(x);  // default mode: nearest, ties to even
    constexpr Extended kLimit = 9223372036854775808.0L;  // 2^63
    if (r < -kLimit || r >= kLimit) RaiseInvalidOperation();
    return static_cast<int64_t>(r);
}

}  // namespace reference
