#pragma once
// The world coordinate under the pointer as the read-out fields show it.
#include <string>

// The value rounded to two decimals, or to a whole number when `whole`, in the
// general format. A value too large for that rounding (its hundredths beyond
// the 64-bit integer range) has no fraction left to round and shows as it is,
// so moving the pointer over a huge world never raises an error.
std::string ReadOutNumber(double value, bool whole);
