#include "triangle/TriangleCircles.h"

#include "polygon/PolygonRules.h"
#include "triangle/TriangleGeometry.h"

using platform::Div;
using platform::Extended;
using platform::ToDouble;

namespace {

// The quarter turn of the bisectors, in extended precision on purpose: its
// cosine of about -2.5e-20 leaves the bisector of a level side exactly upright,
// unless that side's midpoint has x = 0.
constexpr Extended kQuarterTurn = platform::Pi / 2;

void CompareExchange(TVertex& first, TVertex& second)
{
    if (first.Y > second.Y) std::swap(first, second);
}

TVertex Midpoint(TVertex p, TVertex q)
{
    return {ToDouble((Extended(p.X) + q.X) / 2), ToDouble((Extended(p.Y) + q.Y) / 2)};
}

// Which way to turn the ray from `from` towards `to` so that it swings towards `other`:
// the orientation of the three points, as every command takes it.
int TurnSign(TVertex from, TVertex other, TVertex to)
{
    return CrossProduct(from, other, from, to) > 0 ? -1 : 1;
}

}  // namespace

TTrianglePoints SortByY(TTrianglePoints p)
{
    CompareExchange(p[0], p[1]);
    CompareExchange(p[1], p[2]);
    CompareExchange(p[0], p[2]);
    CompareExchange(p[0], p[1]);
    return p;
}

void MeasureTriangle(const TTrianglePoints& sorted, bool withIncircle, TTriangleMeasures& m)
{
    using enum TMeasureStage;
    const TVertex& p0 = sorted[0];
    const TVertex& p1 = sorted[1];
    const TVertex& p2 = sorted[2];
    m.C01 = PointDistance(p0.X, p0.Y, p1.X, p1.Y);
    m.Reached = C01;
    m.C12 = PointDistance(p1.X, p1.Y, p2.X, p2.Y);
    m.Reached = C12;
    m.C20 = PointDistance(p2.X, p2.Y, p0.X, p0.Y);
    m.Reached = C20;
    if (withIncircle) {
        m.SemiPerimeter = ToDouble(Extended(TrianglePerimeter(m.C01, m.C12, m.C20)) / 2);
        m.Reached = SemiPerimeter;
    }
    m.Area = HeronArea(m.C01, m.C12, m.C20);
    m.Reached = Area;
    if (withIncircle) {
        m.InRadius = IncircleRadius(m.Area, m.SemiPerimeter);
        m.Reached = InRadius;
    }
    m.CircumRadius = CircumcircleRadius(m.Area, m.C01, m.C12, m.C20);
    m.Reached = CircumRadius;
    if (withIncircle) {
        m.Gamma = VertexAngle(p2, p0, p1);
        m.Reached = Gamma;
        m.Alpha = VertexAngle(p0, p1, p2);
        m.Reached = Alpha;
    }
}

TTriangleMeasures MeasureTriangle(const TTrianglePoints& sorted, bool withIncircle)
{
    TTriangleMeasures m;
    MeasureTriangle(sorted, withIncircle, m);
    return m;
}

std::optional<TVertex> LineIntersection(const TLine& line1, const TLine& line2)
{
    const TVertex& l1 = line1.Through;
    const TVertex& d1 = line1.Along;
    const TVertex& l2 = line2.Through;
    const TVertex& d2 = line2.Along;
    if (d1.X == 0 || d2.X == 0) return std::nullopt;
    const double k1 = ToDouble(Div(d1.Y, d1.X));
    const double k2 = ToDouble(Div(d2.Y, d2.X));
    if (Extended(k1) - k2 == 0) return std::nullopt;
    const double x = ToDouble(Div(Extended(k1) * l1.X - l1.Y - Extended(k2) * l2.X + l2.Y, Extended(k1) - k2));
    const double y = ToDouble(Div(Extended(d1.Y) * x - Extended(d1.Y) * l1.X + Extended(d1.X) * l1.Y, d1.X));
    return TVertex{x, y};
}

std::pair<TLine, TLine> CircumcentreLines(const TTrianglePoints& sorted)
{
    const TVertex m01 = Midpoint(sorted[0], sorted[1]);
    const TVertex m12 = Midpoint(sorted[1], sorted[2]);
    const TVertex d12 = TurnedDirection(sorted[2], m12, kQuarterTurn);
    const TVertex d01 = TurnedDirection(sorted[0], m01, kQuarterTurn);
    return {{m01, d01}, {m12, d12}};
}

std::pair<TLine, TLine> IncentreLines(const TTrianglePoints& sorted, double alpha, double gamma)
{
    const TVertex& p0 = sorted[0];
    const TVertex& p1 = sorted[1];
    const TVertex& p2 = sorted[2];
    const int s0 = TurnSign(p0, p1, p2);
    const int s2 = TurnSign(p2, p1, p0);
    const TVertex b0 = TurnedDirection(p2, p0, Extended(s0) * alpha / 2);
    const TVertex b2 = TurnedDirection(p0, p2, Extended(s2) * gamma / 2);
    return {{p2, b2}, {p0, b0}};
}

TCircle CircumcircleByEquations(TVertex a, TVertex b, TVertex c)
{
    const TVertex mab = Midpoint(a, b);
    const TVertex mbc = Midpoint(b, c);
    const double dx1 = ToDouble(Extended(b.X) - a.X);
    const double dy1 = ToDouble(Extended(b.Y) - a.Y);
    const double dx2 = ToDouble(Extended(c.X) - b.X);
    const double dy2 = ToDouble(Extended(c.Y) - b.Y);
    const Extended ex1 = dx1, ey1 = dy1, ex2 = dx2, ey2 = dy2;
    const double yc = ToDouble(Div(ex1 * (ex2 * mbc.X + ey2 * mbc.Y - ex2 * mab.X) - ey1 * mab.Y * ex2,
                                   ex1 * ey2 - ey1 * ex2));
    const double xc = ToDouble(mab.X - Div(ey1 * yc, ex1) + Div(ey1 * mab.Y, ex1));
    const Extended ux = Extended(xc) - a.X;
    const Extended uy = Extended(yc) - a.Y;
    return {{xc, yc}, ToDouble(platform::Sqrt(ux * ux + uy * uy))};
}

void DrawCircle(const TWorldCanvas& world, platform::TColor penColor, int32_t penWidth, const TCircle& circle)
{
    platform::TCanvas& canvas = world.Canvas;
    canvas.Pen.Color = penColor;
    canvas.Pen.Width = penWidth;
    world.CircleOutline(circle.Centre.X, circle.Centre.Y, circle.Radius);
}

std::optional<TVertex> DrawCircleAtIntersection(const TWorldCanvas& world, platform::TColor penColor,
                                                int32_t penWidth, double radius, const TLine& line1,
                                                const TLine& line2)
{
    const std::optional<TVertex> centre = LineIntersection(line1, line2);
    if (centre) DrawCircle(world, penColor, penWidth, {*centre, radius});
    return centre;
}
