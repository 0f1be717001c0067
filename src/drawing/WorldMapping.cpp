#include "drawing/WorldMapping.h"

#include "platform/FloatMath.h"

#include <limits>

using platform::Extended;

namespace {

int32_t ClampToInt32(int64_t value)
{
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value < lo ? lo : value > hi ? hi : value);
}

}  // namespace

int32_t WorldToPixelX(Extended x, const TWorldWindow& window, int32_t width)
{
    const Extended value =
        platform::Div(x - window.XMin, Extended(window.XMax) - window.XMin) * Extended(width);
    return ClampToInt32(platform::RoundToInt64(value));
}

int32_t WorldToPixelY(Extended y, const TWorldWindow& window, int32_t height)
{
    const Extended value =
        Extended(height) -
        platform::Div(y - window.YMin, Extended(window.YMax) - window.YMin) * Extended(height);
    return ClampToInt32(platform::RoundToInt64(value));
}

double WorldToExactX(Extended x, const TWorldWindow& window, int32_t width)
{
    const Extended span = Extended(window.XMax) - window.XMin;
    if (span == 0) return std::numeric_limits<double>::quiet_NaN();
    return double((x - window.XMin) / span * Extended(width));
}

double WorldToExactY(Extended y, const TWorldWindow& window, int32_t height)
{
    const Extended span = Extended(window.YMax) - window.YMin;
    if (span == 0) return std::numeric_limits<double>::quiet_NaN();
    return double(Extended(height) - (y - window.YMin) / span * Extended(height));
}

double PixelToWorldX(int32_t x, const TWorldWindow& window, int32_t width)
{
    const Extended value =
        platform::Div((Extended(window.XMax) - window.XMin) * Extended(x), Extended(width)) + window.XMin;
    return platform::ToDouble(value);
}

double PixelToWorldY(int32_t y, const TWorldWindow& window, int32_t height)
{
    const Extended value =
        platform::Div((Extended(window.YMax) - window.YMin) * (Extended(height) - Extended(y)), Extended(height)) +
        window.YMin;
    return platform::ToDouble(value);
}

TWorldWindow FitWorldWindow(std::span<const TVertex> figure)
{
    using platform::Extended;
    double low = 2147483647.0;
    for (const TVertex& v : figure)
        if (v.X < low) low = v.X;
    for (const TVertex& v : figure)
        if (v.Y < low) low = v.Y;
    double high = -2147483647.0;
    for (const TVertex& v : figure)
        if (v.X > high) high = v.X;
    for (const TVertex& v : figure)
        if (v.Y > high) high = v.Y;
    TWorldWindow window;
    window.XMin = platform::ToDouble(Extended(low) - 1);
    window.YMin = window.XMin;
    window.XMax = platform::ToDouble(Extended(high) + 1);
    window.YMax = window.XMax;
    return window;
}
