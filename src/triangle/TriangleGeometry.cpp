#include "triangle/TriangleGeometry.h"

#include "platform/NumberFormat.h"

#include <cmath>

using platform::Div;
using platform::Extended;
using platform::Sqrt;
using platform::ToDouble;

unsigned __int128 SquaredDistance(TLatticePoint p, TLatticePoint q)
{
    const WideInt dx = WideInt(p.X) - q.X;
    const WideInt dy = WideInt(p.Y) - q.Y;
    return static_cast<unsigned __int128>(dx * dx) + static_cast<unsigned __int128>(dy * dy);
}

double SideLength(TLatticePoint p, TLatticePoint q)
{
    return ToDouble(Sqrt(static_cast<Extended>(SquaredDistance(p, q))));
}

TSideLengths SideLengths(const TLatticeTriangle& t)
{
    TSideLengths sides;
    sides.AB = SideLength(t.A, t.B);
    sides.BC = SideLength(t.B, t.C);
    sides.AC = SideLength(t.A, t.C);
    return sides;
}

TTriangleInequalities TriangleInequalities(const TSideLengths& s)
{
    // A double rounding of a sum would turn (0,0), (1,1), (3,3) into "no triangle".
    TTriangleInequalities t;
    t.Sums = {Extended(s.AB) + s.BC, Extended(s.AB) + s.AC, Extended(s.BC) + s.AC};
    t.Hold = {t.Sums[0] > s.AC, t.Sums[1] > s.BC, t.Sums[2] > s.AB};
    return t;
}

bool TriangleExists(const TSideLengths& s) { return TriangleInequalities(s).AllHold(); }

std::string ExistenceVerdict(bool exists) { return exists ? "Трикутник існує" : "Трикутник не існує"; }

std::string SideLengthsCaption(const TSideLengths& s)
{
    using platform::FormatTwoDecimals;
    return "AB=" + FormatTwoDecimals(s.AB) + "  BC=" + FormatTwoDecimals(s.BC) + "   AC=" + FormatTwoDecimals(s.AC);
}

WideInt Determinant(TLatticePoint p1, TLatticePoint p2, TLatticePoint p3)
{
    const WideInt x1 = p1.X, y1 = p1.Y, x2 = p2.X, y2 = p2.Y, x3 = p3.X, y3 = p3.Y;
    return x1 * y2 - x2 * y1 + x2 * y3 - x3 * y2 + x3 * y1 - x1 * y3;
}

double AreaFromDeterminant(WideInt d) { return double(d < 0 ? -d : d) * 0.5; }

double TriangleArea(TLatticePoint p1, TLatticePoint p2, TLatticePoint p3)
{
    return AreaFromDeterminant(Determinant(p1, p2, p3));
}

THeronArea SidesHeron(const TSideLengths& s)
{
    THeronArea h;
    const double p = ToDouble((Extended(s.AB) + s.BC + s.AC) / 2);
    h.SemiPerimeter = p;
    h.Differences = {Extended(p) - s.AB, Extended(p) - s.BC, Extended(p) - s.AC};
    h.Product = h.Differences[1] * p * h.Differences[2] * h.Differences[0];
    if (!(std::isnan(h.Product) || h.Product < 0)) h.Area = ToDouble(Sqrt(h.Product));
    return h;
}

double HeronAreaOf(const THeronArea& h) { return h.Area ? *h.Area : ToDouble(Sqrt(h.Product)); }

double SidesHeronArea(const TSideLengths& s) { return HeronAreaOf(SidesHeron(s)); }

double PointDistance(double x1, double y1, double x2, double y2)
{
    const Extended dx = Extended(x2) - x1;
    const Extended dy = Extended(y2) - y1;
    return ToDouble(Sqrt(dx * dx + dy * dy));
}

double VertexAngle(TVertex v, TVertex q, TVertex r)
{
    const double dot =
        ToDouble((Extended(q.X) - v.X) * (Extended(r.X) - v.X) + (Extended(q.Y) - v.Y) * (Extended(r.Y) - v.Y));
    const double u = ToDouble(Div(Div(dot, PointDistance(v.X, v.Y, q.X, q.Y)), PointDistance(v.X, v.Y, r.X, r.Y)));
    // The arc-cosine through the arc-tangent: |u| just above 1 has no root.
    return ToDouble(platform::ArcTan2(Sqrt(1 - Extended(u) * u), u));
}

double TrianglePerimeter(double a, double b, double c) { return ToDouble(Extended(a) + b + c); }

double HeronArea(double a, double b, double c)
{
    const double p = ToDouble(Extended(TrianglePerimeter(a, b, c)) / 2);
    return ToDouble(Sqrt((Extended(p) - a) * p * (Extended(p) - b) * (Extended(p) - c)));
}

double IncircleRadius(double s, double p) { return ToDouble(Div(s, p)); }

double CircumcircleRadius(double s, double a, double b, double c)
{
    return ToDouble(Div(Extended(a) * b * c, 4 * Extended(s)));
}

TVertex RotateAbout(TVertex q, TVertex m, Extended theta)
{
    const double vx = ToDouble(Extended(q.X) - m.X);
    const double vy = ToDouble(Extended(q.Y) - m.Y);
    const Extended cosine = platform::Cos(theta);
    const Extended sine = platform::Sin(theta);
    const double x = ToDouble(cosine * vx - sine * vy);
    const double y = ToDouble(sine * vx + cosine * vy);
    return {ToDouble(Extended(x) + m.X), ToDouble(Extended(y) + m.Y)};
}

TVertex TurnedDirection(TVertex q, TVertex m, Extended theta)
{
    const TVertex turned = RotateAbout(q, m, theta);
    return {ToDouble(Extended(turned.X) - m.X), ToDouble(Extended(turned.Y) - m.Y)};
}
