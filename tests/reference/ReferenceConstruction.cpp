// The construction as it was before the text cache and the fast check: the
// former check behind the hidden button and every text shaped and drawn by
// QPainter. The arithmetic, the mapping and the fitted window are the program's
// own, as they were only reshaped since.
#include "Reference.h"

#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "drawing/VertexLetter.h"
#include "drawing/WorldMapping.h"
#include "platform/Dialogs.h"
#include "platform/FloatMath.h"
#include "platform/Image.h"
#include "platform/Memo.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace reference {

using platform::Div;
using platform::Extended;
using platform::Pi;
using platform::RoundTo2;
using platform::Sin;
using platform::Tan;
using platform::ToDouble;

namespace {

int32_t Add(int32_t a, int32_t b)
{
    const int64_t sum = int64_t(a) + b;
    return int32_t(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

double FieldNumber(const QLineEdit* edit) { return platform::StrToFloat(edit->text().toStdString()); }

std::string FormatTwoDecimals(double v) { return platform::FloatToStr(RoundTo2(v)); }

int32_t SurfaceX(double x) { return ::WorldToPixelX(x, Form2->Drawing->Window, Form2->Image1->width()); }
int32_t SurfaceY(double y) { return ::WorldToPixelY(y, Form2->Drawing->Window, Form2->Image1->height()); }

void DrawOriginCircle(platform::TCanvas& canvas, double r)
{
    const int32_t x1 = SurfaceX(-r);
    const int32_t y1 = SurfaceY(-r);
    const int32_t x2 = SurfaceX(r);
    const int32_t y2 = SurfaceY(r);
    canvas.Ellipse(x1, y1, x2, y2);
}

}  // namespace

void TextOut(platform::TCanvas& canvas, int x, int y, const QString& text)
{
    QImage* image = canvas.Target();
    if (!image || image->isNull()) return;
    const QFontMetrics fm(canvas.Font, image);
    const QSize ext(fm.horizontalAdvance(text), fm.height());
    if (int64_t(x) + ext.width() <= 0 || x >= image->width() || int64_t(y) + ext.height() <= 0 || y >= image->height())
        return;
    {
        QPainter painter(image);
        if (canvas.Brush.Style == platform::TBrushStyle::Solid)
            painter.fillRect(QRect(QPoint(x, y), ext), platform::ToQColor(canvas.Brush.Color));
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(canvas.Font);
        painter.setPen(platform::ToQColor(canvas.FontColor));
        painter.drawText(QPoint(x, y + QFontMetrics(canvas.Font, image).ascent()), text);
    }
    if (canvas.OnChange) canvas.OnChange();
}

void ErrorClick(TForm1& form1)
{
    const TFigureCheckResult result = RunFigureCheck();
    form1.Memo3->Add(QString::fromStdString(result.CrossingLine));
    FigureAccepted = true;
    if (!result.ProblemFound) return;
    const platform::TAnswer answer =
        platform::Dialogs().Question(&form1, "Перевірка", QString::fromStdString(result.Question));
    if (answer == platform::TAnswer::No) form1.Button3Click();
}

void DrawAxes()
{
    using namespace platform;
    TImage* image = Form2->Image1;
    TCanvas& canvas = image->Canvas();
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = clWhite;
    canvas.Pen.Color = clBlack;
    canvas.Pen.Width = 1;

    const TWorldWindow& f = Form2->Drawing->Window;

    // Y axis with its arrowhead.
    const int32_t x0 = SurfaceX(0);
    const int32_t yBottom = SurfaceY(f.YMin);
    const int32_t yTop = SurfaceY(f.YMax);
    canvas.MoveTo(x0, yBottom);
    canvas.LineTo(x0, yTop);
    canvas.LineTo(Add(x0, 5), Add(yTop, 5));
    canvas.LineTo(Add(x0, -5), Add(yTop, 5));
    canvas.LineTo(x0, yTop);
    TextOut(canvas, Add(x0, -10), Add(yTop, 5), "Y");
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
    TextOut(canvas, Add(xRight, -10), Add(y0, 5), "X");

    // Ticks at 1 and -1 on both axes.
    const int32_t x1 = SurfaceX(1);
    canvas.MoveTo(x1, Add(y0, -2));
    canvas.LineTo(x1, Add(y0, 2));
    TextOut(canvas, x1, Add(y0, 5), "1");

    const int32_t xMinus1 = SurfaceX(-1);
    canvas.MoveTo(xMinus1, Add(y0, -2));
    canvas.LineTo(xMinus1, Add(y0, 2));
    TextOut(canvas, xMinus1, Add(y0, 5), "-1");

    const int32_t yMinus1 = SurfaceY(-1);
    canvas.MoveTo(Add(x0, -2), yMinus1);
    canvas.LineTo(Add(x0, 2), yMinus1);
    TextOut(canvas, Add(x0, 5), yMinus1, "-1");

    const int32_t y1 = SurfaceY(1);
    canvas.MoveTo(Add(x0, -2), y1);
    canvas.LineTo(Add(x0, 2), y1);
    TextOut(canvas, Add(x0, 5), y1, "1");
}

void N8Click(TForm1& form1)
{
    using namespace platform;

    // The check has the last word; it has already spoken to the user.
    ErrorClick(form1);
    if (!FigureAccepted) return;

    // Blank through the clear button when asked, then show the window.
    TForm2& form2 = *Form2;
    const bool blank = form2.CheckBox2->isChecked();
    if (blank) form2.Button1Click();
    form2.setVisible(true);

    // Size the bitmap to the picture control and blank it.
    TImage* image = form2.Image1;
    const int32_t w = image->width();
    const int32_t h = image->height();
    TCanvas* canvas = &image->Canvas();
    canvas->Pen.Color = clWhite;
    canvas->Brush.Style = TBrushStyle::Solid;
    canvas->Brush.Color = clWhite;
    image->Picture().SetWidth(w);
    image->Picture().SetHeight(h);
    canvas = &image->Canvas();
    if (blank) canvas->Rectangle(0, 0, w, h);
    canvas->Pen.Color = clBlack;

    // The window that fits the figure.
    const int32_t n = VertexCount;
    Form2->Drawing->Window = FitWorldWindow(StoredFigure(n));

    // Or the fixed window typed in the drawing window.
    if (form2.CheckBox1->isChecked()) {
        Form2->Drawing->Window.XMin = FieldNumber(form2.Edit3);
        Form2->Drawing->Window.XMax = FieldNumber(form2.Edit4);
        Form2->Drawing->Window.YMin = Form2->Drawing->Window.XMin;
        Form2->Drawing->Window.YMax = Form2->Drawing->Window.XMax;
    }

    // Show the window that is used.
    form2.Edit3->setText(QString::fromStdString(FormatTwoDecimals(Form2->Drawing->Window.XMin)));
    form2.Edit4->setText(QString::fromStdString(FormatTwoDecimals(Form2->Drawing->Window.XMax)));

    // The regular polygon's circles, for whatever figure is built.
    if (form1.CheckBox1->isChecked()) {
        const double a = FieldNumber(form1.Edit20);
        const double r = ToDouble(Div(a, 2 * Sin(Div(Pi, Extended(n)))));
        DrawOriginCircle(*canvas, r);
    }
    if (form1.CheckBox2->isChecked()) {
        const double a = FieldNumber(form1.Edit20);
        const double r = ToDouble(Div(a, 2 * Tan(Div(Pi, Extended(n)))));
        DrawOriginCircle(*canvas, r);
    }


    DrawAxes();

    // The closed outline in the figure pen.
    canvas = &image->Canvas();
    canvas->Pen.Color = Form2->Drawing->FigurePenColor;
    canvas->Pen.Width = Form2->Drawing->FigurePenWidth;
    Vertices[n + 1] = Vertices[1];
    canvas->MoveTo(SurfaceX(Vertices[1].X), SurfaceY(Vertices[1].Y));
    for (int32_t i = 1; i <= n + 1; ++i) canvas->LineTo(SurfaceX(Vertices[i].X), SurfaceY(Vertices[i].Y));

    // A letter beside each vertex, on a white box.
    for (int32_t i = 1; i <= n; ++i)
        TextOut(*canvas, Add(SurfaceX(Vertices[i].X), 10), Add(SurfaceY(Vertices[i].Y), 10), VertexLetter(i));
}

}  // namespace reference
