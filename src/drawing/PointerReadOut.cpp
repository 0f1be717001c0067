#include "drawing/PointerReadOut.h"

#include "platform/NumberFormat.h"

std::string ReadOutNumber(double value, bool whole) { return platform::FormatRoundedOrWhole(value, whole ? 1.0 : 0.01); }
