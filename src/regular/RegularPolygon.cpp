#include "regular/RegularPolygon.h"

#include "platform/FloatMath.h"

using platform::Extended;
using platform::Pi;
using platform::ToDouble;

double RegularPolygonRadius(TRegularCircle circle, int32_t n, double side)
{
    return RegularPolygonRadius(circle, n, [side] { return side; });
}

double RegularPolygonRadius(TRegularCircle circle, int32_t n, const std::function<double()>& readSide)
{
    if (circle == TRegularCircle::Circumscribed) {
        const double side = readSide();
        return ToDouble(platform::Div(side, platform::Sin(platform::Div(Pi, Extended(n))) * 2));
    }
    const Extended twoTangents = platform::Tan(platform::Div(Pi, Extended(n))) * 2;
    return ToDouble(platform::Div(readSide(), twoTangents));
}

double DegreesToRadians(double degrees) { return ToDouble(Extended(degrees) * Pi / 180); }

namespace {

TVertex OnCircle(double angle, double radius)
{
    return {ToDouble(platform::Cos(angle) * radius), ToDouble(platform::Sin(angle) * radius)};
}

}  // namespace

void WalkRegularPolygon(int32_t n, double radius, double startAngle,
                        const std::function<void(int32_t index, const TVertex& vertex)>& visit)
{
    double angle = startAngle;
    visit(1, OnCircle(angle, radius));
    const Extended step = platform::Div(2 * Pi, Extended(n));
    angle = ToDouble(step + angle);
    for (int32_t i = 2; i <= n; ++i) {
        visit(i, OnCircle(angle, radius));
        angle = ToDouble(step + angle);
    }
}
