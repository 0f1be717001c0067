#pragma once
// Plain references for the text conversions: each rule written out the
// obvious way, slow and simple, for the fuzz targets to hold the real
// conversions to on every input.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace fuzzref {

inline bool Digit(char c) { return c >= '0' && c <= '9'; }
inline bool HexDigit(char c) { return Digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Leading blanks, a sign, then decimal digits or hexadecimal digits after "$",
// "x", "X", "0x" or "0X", and nothing after them.
inline std::optional<int32_t> StrToInt(const std::string& text)
{
    std::string s = text;
    while (!s.empty() && s[0] == ' ') s.erase(0, 1);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    std::string hex;
    if (s.size() >= 1 && (s[0] == '$' || s[0] == 'x' || s[0] == 'X')) hex = s.substr(1);
    else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) hex = s.substr(2);
    else {
        if (s.empty()) return std::nullopt;
        for (char c : s)
            if (!Digit(c)) return std::nullopt;
        while (s.size() > 1 && s[0] == '0') s.erase(0, 1);
        if (s.size() > 10) return std::nullopt;
        const long long magnitude = std::stoll(s);
        const long long value = negative ? -magnitude : magnitude;
        if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
        return int32_t(value);
    }
    if (hex.empty()) return std::nullopt;
    for (char c : hex)
        if (!HexDigit(c)) return std::nullopt;
    while (hex.size() > 1 && hex[0] == '0') hex.erase(0, 1);
    if (hex.size() > 8) return std::nullopt;
    // The eight digits are a 32-bit pattern; a minus sign negates it modulo 2^32.
    uint32_t bits = uint32_t(std::stoul(hex, nullptr, 16));
    if (negative) bits = ~bits + 1;
    return int32_t(bits);
}

// Blanks around a sign, digits with the separator (at least one digit on
// some side of it) and an exponent with digits; the value is the nearest
// double, a value beyond the double range is refused and one below it
// becomes zero or a subnormal (strtod says which).
inline std::optional<double> StrToFloat(const std::string& text, char separator)
{
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    const std::string s = text.substr(b, e - b);
    size_t i = 0;
    std::string plain;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
    size_t digits = 0;
    while (i < s.size() && Digit(s[i])) plain += s[i++], ++digits;
    if (i < s.size() && s[i] == separator) {
        plain += '.';
        ++i;
        while (i < s.size() && Digit(s[i])) plain += s[i++], ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) plain += s[i++];
        size_t expDigits = 0;
        while (i < s.size() && Digit(s[i])) plain += s[i++], ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    errno = 0;
    const double value = std::strtod(plain.c_str(), nullptr);  // the C locale: "." is the point
    if (std::isinf(value)) return std::nullopt;
    return value;
}

// The coordinate entry's test: the first character a blank, a sign, a digit or
// the separator, the others digits or the separator, one separator at most.
inline bool IsCoordinateText(const std::string& text, char separator)
{
    if (text.empty()) return false;
    int separators = 0;
    for (size_t k = 0; k < text.size(); ++k) {
        const char c = text[k];
        const bool allowed = Digit(c) || c == separator || (k == 0 && (c == ' ' || c == '+' || c == '-'));
        if (!allowed) return false;
        if (c == separator) ++separators;
    }
    return separators <= 1;
}

}  // namespace fuzzref
