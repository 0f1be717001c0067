#include "drawing/PointerReadOut.h"

#include "platform/FloatMath.h"
#include "platform/NumberFormat.h"

#include <cmath>

std::string ReadOutNumber(double value, bool whole)
{
    const double factor = whole ? 1.0 : 0.01;
    const platform::Extended quotient = platform::Extended(value) / factor;
    if (std::fabs(quotient) >= 0x1p63L) return platform::FloatToStr(value);
    return platform::FloatToStr(platform::RoundTo(value, factor));
}
