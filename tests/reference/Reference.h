#pragma once
// The arithmetic, rules, figure check, world mapping and lattice count as they
// stood before they were made fast, kept word for word as the measure of the
// fast code: the tests compare both on random and edge figures (same verdicts,
// same values, the same fault at the same step) and the benchmarks time both
// in one run.
#include <cstdint>

#include "drawing/WorldMapping.h"
#include "polygon/FigureCheck.h"
#include "triangle/PickCount.h"

class QString;
class TForm1;
namespace platform {
class TCanvas;
}

namespace reference {

using Extended = long double;

Extended Div(Extended a, Extended b);
Extended Sqrt(Extended x);
double ToDouble(Extended x);
int64_t RoundToInt64(Extended x);
double RoundTo(double value, double factor);
inline double RoundTo2(double value) { return RoundTo(value, 0.01); }

double PolygonArea(int32_t n);
double PolygonPerimeter(int32_t n);
bool IsConvexPolygon(int32_t n);
FigureCheckResult RunFigureCheck();

int32_t WorldToPixelX(double x, const TWorldWindow& window, int32_t width);
int32_t WorldToPixelY(double y, const TWorldWindow& window, int32_t height);

// The construction, with the former check, mapping and text drawing.
void N8Click(TForm1& form1);
void DrawAxes();
void TextOut(platform::TCanvas& canvas, int x, int y, const QString& text);

// Pick's lattice count, one run per line of the bounding box's shorter side.
TPickCount CountLatticePoints(const TLatticeTriangle& t);

}  // namespace reference
