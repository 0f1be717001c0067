#include "platform/TextConversion.h"

#include <QLocale>
#include <QString>
#include <charconv>
#include <limits>

#include "platform/Errors.h"

namespace platform {

namespace {

char gDecimalSeparator = ',';

bool IsBlank(char c) { return c == ' '; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Hexadecimal digits up to the end: at most eight significant ones, taken as a
// 32-bit pattern.
std::optional<uint32_t> ParseHex(const std::string& text, size_t pos)
{
    if (pos >= text.size()) return std::nullopt;
    uint32_t value = 0;
    int significant = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = HexValue(text[pos]);
        if (digit < 0) return std::nullopt;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    return value;
}

// Decimal digits up to the end, the magnitude kept within what a signed 32-bit
// value of that sign can hold.
std::optional<uint32_t> ParseDecimal(const std::string& text, size_t pos, bool negative)
{
    if (pos >= text.size()) return std::nullopt;
    const uint64_t limit = negative ? 2147483648u : 2147483647u;
    uint64_t value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(text[pos] - '0');
        if (value > limit) return std::nullopt;
    }
    return static_cast<uint32_t>(value);
}

// A finite number that the conversion could not hold: beyond the range if its
// leading digit stands at a non-negative power of ten, else too small (it then
// underflows to zero, which passes silently).
bool BeyondRange(const std::string& intDigits, const std::string& fracDigits, long exponent)
{
    long lead;
    const size_t firstInt = intDigits.find_first_not_of('0');
    if (firstInt != std::string::npos) {
        lead = static_cast<long>(intDigits.size() - firstInt) - 1;
    } else {
        const size_t firstFrac = fracDigits.find_first_not_of('0');
        if (firstFrac == std::string::npos) return false;
        lead = -static_cast<long>(firstFrac) - 1;
    }
    return lead + exponent >= 0;
}

std::optional<double> ParseFloat(const std::string& text, char separator)
{
    size_t pos = 0;
    const size_t n = text.size();
    while (pos < n && IsBlank(text[pos])) ++pos;
    size_t end = n;
    while (end > pos && IsBlank(text[end - 1])) --end;

    bool negative = false;
    if (pos < end && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    std::string intDigits, fracDigits;
    while (pos < end && IsDigit(text[pos])) intDigits += text[pos++];
    if (pos < end && text[pos] == separator) {
        ++pos;
        while (pos < end && IsDigit(text[pos])) fracDigits += text[pos++];
    }
    if (intDigits.empty() && fracDigits.empty()) return std::nullopt;

    std::string expDigits;
    bool expNegative = false;
    if (pos < end && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < end && (text[pos] == '+' || text[pos] == '-')) expNegative = text[pos++] == '-';
        while (pos < end && IsDigit(text[pos])) expDigits += text[pos++];
        if (expDigits.empty()) return std::nullopt;
    }
    if (pos != end) return std::nullopt;

    // The checked number in the one form from_chars reads whatever the separator.
    std::string plain = negative ? "-" : "";
    plain += intDigits.empty() ? "0" : intDigits;
    if (!fracDigits.empty()) plain += '.' + fracDigits;
    if (!expDigits.empty()) plain += (expNegative ? "e-" : "e") + expDigits;

    double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec == std::errc{}) return value;
    if (res.ec != std::errc::result_out_of_range) return std::nullopt;

    // Saturate the exponent: anything past a few thousand decides the same way.
    long exponent = 0;
    for (char c : expDigits) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 100000) break;
    }
    if (expNegative) exponent = -exponent;
    if (BeyondRange(intDigits, fracDigits, exponent)) return std::nullopt;
    return negative ? -0.0 : 0.0;
}

}  // namespace

char DecimalSeparator() { return gDecimalSeparator; }

void SetDecimalSeparator(char separator) { gDecimalSeparator = separator; }

void InitDecimalSeparator()
{
    // Only a one-byte separator can be typed and matched in our texts; a locale
    // with any other mark gets the point.
    const QString point = QLocale::system().decimalPoint();
    if (point.size() == 1 && point[0].unicode() > ' ' && point[0].unicode() < 0x7f)
        gDecimalSeparator = static_cast<char>(point[0].unicode());
    else
        gDecimalSeparator = '.';
}

std::optional<int32_t> TryStrToInt(const std::string& text)
{
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

    std::optional<uint32_t> magnitude;
    const char c = pos < text.size() ? text[pos] : '\0';
    if (c == '$' || c == 'x' || c == 'X') {
        magnitude = ParseHex(text, pos + 1);
    } else if (c == '0' && pos + 1 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        magnitude = ParseHex(text, pos + 2);
    } else {
        magnitude = ParseDecimal(text, pos, negative);
    }
    if (!magnitude) return std::nullopt;
    // Negating the 32-bit pattern wraps: "-$80000000" stays the lowest value.
    const uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<int32_t>(bits);
}

int32_t StrToInt(const std::string& text)
{
    if (const auto value = TryStrToInt(text)) return *value;
    throw ConvertError("'" + text + "' is not a valid integer value");
}

std::optional<double> TryStrToFloat(const std::string& text)
{
    return ParseFloat(text, gDecimalSeparator);
}

double StrToFloat(const std::string& text)
{
    if (const auto value = TryStrToFloat(text)) return *value;
    throw ConvertError("'" + text + "' is not a valid floating point value");
}

}  // namespace platform
