#include "polygon/VertexText.h"

#include "platform/NumberFormat.h"

#include <algorithm>

std::string FormatVertexLine(double x, double y)
{
    return platform::FormatTwoDecimals(x) + "      " + platform::FormatTwoDecimals(y);
}

bool IsCoordinateText(const std::string& text, char decimalSeparator)
{
    if (text.empty()) return false;
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const char first = text[0];
    if (!(first == ' ' || first == '+' || first == '-' || first == decimalSeparator || isDigit(first))) return false;
    for (size_t i = 1; i < text.size(); ++i) {
        if (!(text[i] == decimalSeparator || isDigit(text[i]))) return false;
    }
    return std::count(text.begin(), text.end(), decimalSeparator) <= 1;
}
