#include "platform/FloatMath.h"

#include <cmath>

#include "platform/Errors.h"

namespace platform {

namespace detail {

// Only reached when a / b is not a finite number and is no infinite dividend
// over a finite divisor: one of the three faults.
void RaiseDivFault(Extended a, Extended b)
{
    if (std::isnan(a) || std::isnan(b)) RaiseInvalidOperation();
    if (b == 0) {
        if (a == 0) RaiseInvalidOperation();
        RaiseDivisionByZero();
    }
    if (std::isinf(a) && std::isinf(b)) RaiseInvalidOperation();
    RaiseOverflow();  // finite operands, infinite quotient
}

// Only reached for NaN or a finite value that rounds to infinity.
void RaiseToDoubleFault(Extended x)
{
    if (std::isnan(x)) RaiseInvalidOperation();
    RaiseOverflow();
}

}  // namespace detail

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

}  // namespace platform
