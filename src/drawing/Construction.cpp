// The construction: the one place where the current figure is drawn, with its
// world window, the regular polygon's circles, the axes, the outline and letters.
#include "drawing/Construction.h"

#include "drawing/Form2.h"
#include "drawing/VertexLetter.h"
#include "drawing/WorldCanvas.h"
#include "platform/FloatMath.h"
#include "platform/Image.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"
#include "regular/RegularPolygon.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>
#include <limits>

using platform::Extended;

namespace {

// A pixel far outside the surface may sit at an end of the 32-bit range; an
// offset from it stays there instead of wrapping round onto the surface.
int32_t Add(int32_t a, int32_t b)
{
    const int64_t sum = int64_t(a) + b;
    return int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

double FieldNumber(const QLineEdit* edit) { return platform::StrToFloat(edit->text().toStdString()); }

// The circle of radius r about the world origin, with the canvas's present pen and brush.
void DrawOriginCircle(const TWorldCanvas& world, double r) { world.Ellipse(-r, -r, r, r); }

}  // namespace

TWorldWindow CurrentWorldWindow() { return {Form1->XMin, Form1->XMax, Form1->YMin, Form1->YMax}; }

int32_t SurfaceX(double x) { return WorldToPixelX(x, CurrentWorldWindow(), Form2->Image1->width()); }

int32_t SurfaceY(double y) { return WorldToPixelY(y, CurrentWorldWindow(), Form2->Image1->height()); }

void DrawAxes()
{
    using namespace platform;
    TImage* image = Form2->Image1;
    TCanvas& canvas = image->Canvas();
    canvas.Brush.Style = BrushStyle::Solid;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;

    const TForm1& f = *Form1;

    // Y axis with its arrowhead.
    const int32_t x0 = SurfaceX(0);
    const int32_t yBottom = SurfaceY(f.YMin);
    const int32_t yTop = SurfaceY(f.YMax);
    canvas.MoveTo(x0, yBottom);
    canvas.LineTo(x0, yTop);
    canvas.LineTo(Add(x0, 5), Add(yTop, 5));
    canvas.LineTo(Add(x0, -5), Add(yTop, 5));
    canvas.LineTo(x0, yTop);
    canvas.TextOut(Add(x0, -10), Add(yTop, 5), "Y");
    canvas.Brush.Color = clBlack;
    canvas.FloodFill(Add(x0, -1), Add(yTop, 4), clBlack);
    canvas.FloodFill(Add(x0, 1), Add(yTop, 4), clBlack);
    canvas.Brush.Color = clWhite;

    // X axis with its arrowhead.
    const int32_t xLeft = SurfaceX(f.XMin);
    const int32_t xRight = SurfaceX(f.XMax);
    const int32_t y0 = SurfaceY(0);
    canvas.MoveTo(xLeft, y0);
    canvas.LineTo(xRight, y0);
    canvas.LineTo(Add(xRight, -5), Add(y0, 5));
    canvas.LineTo(Add(xRight, -5), Add(y0, -5));
    canvas.LineTo(xRight, y0);
    canvas.Brush.Color = clBlack;
    canvas.FloodFill(Add(xRight, -4), Add(y0, 1), clBlack);
    canvas.FloodFill(Add(xRight, -4), Add(y0, -1), clBlack);
    canvas.Brush.Color = clWhite;
    canvas.TextOut(Add(xRight, -10), Add(y0, 5), "X");

    // Ticks at 1 and -1 on both axes.
    const int32_t x1 = SurfaceX(1);
    canvas.MoveTo(x1, Add(y0, -2));
    canvas.LineTo(x1, Add(y0, 2));
    canvas.TextOut(x1, Add(y0, 5), "1");

    const int32_t xMinus1 = SurfaceX(-1);
    canvas.MoveTo(xMinus1, Add(y0, -2));
    canvas.LineTo(xMinus1, Add(y0, 2));
    canvas.TextOut(xMinus1, Add(y0, 5), "-1");

    const int32_t yMinus1 = SurfaceY(-1);
    canvas.MoveTo(Add(x0, -2), yMinus1);
    canvas.LineTo(Add(x0, 2), yMinus1);
    canvas.TextOut(Add(x0, 5), yMinus1, "-1");

    const int32_t y1 = SurfaceY(1);
    canvas.MoveTo(Add(x0, -2), y1);
    canvas.LineTo(Add(x0, 2), y1);
    canvas.TextOut(Add(x0, 5), y1, "1");
}

void TForm1::N8Click()
{
    using namespace platform;

    // The check has the last word; it has already spoken to the user.
    ErrorClick();
    if (!FigureAccepted) return;

    // Blank through the clear button when asked, then show the window.
    TForm2& form2 = *Form2;
    const bool blank = form2.CheckBox2->isChecked();
    if (blank) form2.Button1Click();
    form2.ShowInFront();

    // Size the bitmap to the picture control and blank it.
    TImage* image = form2.Image1;
    const int32_t w = image->width();
    const int32_t h = image->height();
    TCanvas* canvas = &image->Canvas();
    canvas->Pen.Color = clWhite;
    canvas->Brush.Style = BrushStyle::Solid;
    canvas->Brush.Color = clWhite;
    image->Picture().SetWidth(w);
    image->Picture().SetHeight(h);
    canvas = &image->Canvas();
    if (blank) canvas->Rectangle(0, 0, w, h);
    canvas->Pen.Color = clBlack;

    // The window that fits the figure: one range for both axes, from the
    // smallest coordinate minus 1 to the largest plus 1.
    const int32_t n = VertexCount;
    double m = 2147483647.0;
    for (int32_t i = 1; i <= n; ++i)
        if (Vertices[i].X < m) m = Vertices[i].X;
    for (int32_t i = 1; i <= n; ++i)
        if (Vertices[i].Y < m) m = Vertices[i].Y;
    XMin = ToDouble(Extended(m) - 1);
    YMin = XMin;
    m = -2147483647.0;
    for (int32_t i = 1; i <= n; ++i)
        if (Vertices[i].X > m) m = Vertices[i].X;
    for (int32_t i = 1; i <= n; ++i)
        if (Vertices[i].Y > m) m = Vertices[i].Y;
    XMax = ToDouble(Extended(m) + 1);
    YMax = XMax;

    // Or the fixed window typed in the drawing window.
    if (form2.CheckBox1->isChecked()) {
        XMin = FieldNumber(form2.Edit3);
        XMax = FieldNumber(form2.Edit4);
        YMin = XMin;
        YMax = XMax;
    }

    // Show the window that is used.
    form2.Edit3->setText(QString::fromStdString(FormatTwoDecimals(XMin)));
    form2.Edit4->setText(QString::fromStdString(FormatTwoDecimals(XMax)));

    // The regular polygon's circles, for whatever figure is built; the side is
    // read afresh for each.
    const TWorldCanvas world{*canvas, CurrentWorldWindow(), w, h};
    const auto side = [this] { return FieldNumber(Edit20); };
    if (CheckBox1->isChecked()) DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Circumscribed, n, side));
    if (CheckBox2->isChecked()) DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Inscribed, n, side));

    DrawAxes();

    // The closed outline in the figure pen.
    canvas = &image->Canvas();
    canvas->Pen.Color = FigurePenColor;
    canvas->Pen.Width = FigurePenWidth;
    Vertices[n + 1] = Vertices[1];
    canvas->MoveTo(SurfaceX(Vertices[1].X), SurfaceY(Vertices[1].Y));
    for (int32_t i = 1; i <= n + 1; ++i) canvas->LineTo(SurfaceX(Vertices[i].X), SurfaceY(Vertices[i].Y));

    // A letter beside each vertex, on a white box.
    for (int32_t i = 1; i <= n; ++i)
        canvas->TextOut(Add(SurfaceX(Vertices[i].X), 10), Add(SurfaceY(Vertices[i].Y), 10), VertexLetter(i));
}
