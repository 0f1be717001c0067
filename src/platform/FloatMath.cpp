#include "platform/FloatMath.h"

#include <cfloat>
#include <cmath>

#include "platform/Errors.h"

// The faults are found by looking at the operands and results themselves:
// floating-point status flags are not reliable once the optimiser reorders code.
namespace platform {

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

namespace {

// The trigonometric functions have no value at infinity.
void CheckAngle(Extended x)
{
    if (!std::isfinite(x)) RaiseInvalidOperation();
}

}  // namespace

Extended Sin(Extended x)
{
    CheckAngle(x);
    return std::sin(x);
}

Extended Cos(Extended x)
{
    CheckAngle(x);
    return std::cos(x);
}

Extended Tan(Extended x)
{
    CheckAngle(x);
    const Extended t = std::tan(x);
    if (std::isinf(t)) RaiseOverflow();
    return t;
}

Extended ArcTan2(Extended y, Extended x)
{
    if (std::isnan(y) || std::isnan(x)) RaiseInvalidOperation();
    return std::atan2(y, x);
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

}  // namespace platform
