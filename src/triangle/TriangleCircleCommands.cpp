// The triangle menu's circles, drawn over the construction of the triangle.
#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "drawing/WorldCanvas.h"
#include "platform/Image.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "triangle/TriangleCircles.h"
#include "triangle/TriangleFields.h"

namespace {

enum class Circles { Circumscribed, Both };

void DrawTriangleCircles(const TTrianglePoints& input, int32_t width, int32_t height, Circles which)
{
    const bool inscribed = which == Circles::Both;
    const TTrianglePoints sorted = SortByY(input);
    const TTriangleMeasures m = MeasureTriangle(sorted, inscribed);

    // The boxes map Y with the X range as well; the construction has just made
    // both ranges equal.
    TDrawing& drawing = *Form2->Drawing;
    const TWorldWindow window{drawing.Window.XMin, drawing.Window.XMax, drawing.Window.XMin, drawing.Window.XMax};
    const TWorldCanvas world{drawing.Canvas(), window, width, height};
    const platform::TColor color = drawing.FigurePenColor;
    const int32_t penWidth = drawing.FigurePenWidth;

    const auto [bisector01, bisector12] = CircumcentreLines(sorted);
    const bool drawn = DrawCircleAtIntersection(world, color, penWidth, m.CircumRadius, bisector01, bisector12);
    if (!inscribed) {
        if (drawn) return;
        // A level side left the first method without a centre.
        const TCircle circle = CircumcircleByEquations(input[0], input[1], input[2]);
        CircumRadius = circle.Radius;
        DrawCircle(world, color, penWidth, circle);
        return;
    }
    const auto [atP2, atP0] = IncentreLines(sorted, m.Alpha, m.Gamma);
    DrawCircleAtIntersection(world, color, penWidth, m.InRadius, atP2, atP0);
}

}  // namespace

void TForm1::N21Click()
{
    VertexCount = 3;
    const TTrianglePoints points = AsPoints(ReadTriangle(*this));
    StoreTriangle(points);
    N8Click();
    const TForm2& form2 = *Form2;
    DrawTriangleCircles(points, form2.Image1->width(), form2.Image1->height(), Circles::Both);
}

namespace {

// The start of the two commands that read the fields as floating-point numbers:
// store the triangle, take the picture's size, then build.
TTrianglePoints BuildFromFloatFields(TForm1& form, int32_t& width, int32_t& height)
{
    VertexCount = 3;
    const TTrianglePoints points = ReadTrianglePoints(form);
    StoreTriangle(points);
    const TForm2& form2 = *Form2;
    width = form2.Image1->width();
    height = form2.Image1->height();
    form.N8Click();
    return points;
}

}  // namespace

void TForm1::N22Click()
{
    int32_t width = 0, height = 0;
    const TTrianglePoints points = BuildFromFloatFields(*this, width, height);
    DrawTriangleCircles(points, width, height, Circles::Circumscribed);
}

void TForm1::N23Click()
{
    int32_t width = 0, height = 0;
    const TTrianglePoints points = BuildFromFloatFields(*this, width, height);
    DrawTriangleCircles(points, width, height, Circles::Both);
}
