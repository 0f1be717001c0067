// The triangle menu's circles, drawn over the construction of the triangle.
#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "drawing/WorldCanvas.h"
#include "platform/Image.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"
#include "triangle/RecordTriangleWorking.h"
#include "triangle/TriangleCircles.h"
#include "triangle/TriangleFields.h"
#include "triangle/TriangleWorking.h"

namespace {

// Draws the circles of w.Which about w.Points, noting in w what it computed.
void DrawTriangleCircles(TCirclesWorking& w, int32_t width, int32_t height)
{
    const TTrianglePoints& input = *w.Points;
    const bool inscribed = w.Which != TTriangleCircles::Circumscribed;
    w.Sorted = SortByY(input);
    const TTrianglePoints& sorted = w.Sorted;
    MeasureTriangle(sorted, inscribed, w.Measures);
    const TTriangleMeasures& m = w.Measures;

    // The boxes map Y with the X range as well; the construction has just made
    // both ranges equal.
    TDrawing& drawing = *Form2->Drawing;
    const TWorldWindow window{drawing.Window.XMin, drawing.Window.XMax, drawing.Window.XMin, drawing.Window.XMax};
    const TWorldCanvas world{drawing.Canvas(), window, width, height};
    const platform::TColor color = drawing.FigurePenColor;
    const int32_t penWidth = drawing.FigurePenWidth;

    const auto [bisector01, bisector12] = CircumcentreLines(sorted);
    w.CircumcentreSought = true;
    w.Circumcentre = DrawCircleAtIntersection(world, color, penWidth, m.CircumRadius, bisector01, bisector12);
    if (!inscribed) {
        if (w.Circumcentre) return;
        // A level side left the first method without a centre.
        w.EquationsSought = true;
        w.ByEquations = CircumcircleByEquations(input[0], input[1], input[2]);
        const TCircle& circle = *w.ByEquations;
        CircumRadius = circle.Radius;
        DrawCircle(world, color, penWidth, circle);
        return;
    }
    const auto [atP2, atP0] = IncentreLines(sorted, m.Alpha, m.Gamma);
    w.IncentreSought = true;
    w.Incentre = DrawCircleAtIntersection(world, color, penWidth, m.InRadius, atP2, atP0);
}

}  // namespace

void TForm1::N21Click()
{
    TCirclesWorking w;
    w.Which = TTriangleCircles::Inscribed;
    RecordTriangleWorking(w, CirclesWorking, [&] {
        VertexCount = 3;
        w.Points = AsPoints(ReadTriangle(*this));
        StoreTriangle(*w.Points);
        N8Click();
        const TForm2& form2 = *Form2;
        DrawTriangleCircles(w, form2.Image1->width(), form2.Image1->height());
    });
}

namespace {

// The start of the two commands that read the fields as floating-point numbers:
// store the triangle, take the picture's size, build, then draw the circles.
void CirclesFromFloatFields(TForm1& form, TTriangleCircles which)
{
    TCirclesWorking w;
    w.Which = which;
    RecordTriangleWorking(w, CirclesWorking, [&] {
        VertexCount = 3;
        w.Points = ReadTrianglePoints(form);
        StoreTriangle(*w.Points);
        const TForm2& form2 = *Form2;
        const int32_t width = form2.Image1->width();
        const int32_t height = form2.Image1->height();
        form.N8Click();
        DrawTriangleCircles(w, width, height);
    });
}

}  // namespace

void TForm1::N22Click() { CirclesFromFloatFields(*this, TTriangleCircles::Circumscribed); }

void TForm1::N23Click() { CirclesFromFloatFields(*this, TTriangleCircles::Both); }
