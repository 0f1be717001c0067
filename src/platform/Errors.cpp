#include "platform/Errors.h"

namespace platform {

void RaiseDivisionByZero() { throw MathError(kDivisionByZero); }
void RaiseInvalidOperation() { throw MathError(kInvalidOperation); }
void RaiseOverflow() { throw MathError(kOverflow); }

}  // namespace platform
