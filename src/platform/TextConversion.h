#pragma once
// Text to number, as every field of the program converts it.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The user's decimal separator: read once from the system locale at start-up
// (InitDecimalSeparator), pinned explicitly by tests.
char DecimalSeparator();
void SetDecimalSeparator(char separator);
void InitDecimalSeparator();

// Optional leading blanks, optional sign, then decimal digits, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X"; nothing may follow. Decimal values
// must fit in 32 bits; up to eight hexadecimal digits are taken as a 32-bit
// pattern ("$FFFFFFFF" is -1). Fails with "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);
std::optional<int32_t> TryStrToInt(const std::string& text);

// Blanks around, optional sign, digits with the user's decimal separator,
// optional exponent. Fails with "'<text>' is not a valid floating point value".
double StrToFloat(const std::string& text);
std::optional<double> TryStrToFloat(const std::string& text);

}  // namespace platform
