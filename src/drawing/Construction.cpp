// The construction: the one place where the current figure is drawn, with its
// world window, the regular polygon's circles, the axes, the outline and letters.
#include "drawing/Construction.h"

#include "drawing/Drawing.h"
#include "drawing/FigureDrawing.h"
#include "drawing/Form2.h"
#include "drawing/LatticeOverlay.h"
#include "platform/NumberFormat.h"
#include "platform/TextConversion.h"
#include "regular/RegularPolygon.h"
#include "shell/Form1.h"
#include "shell/VertexStore.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {

double FieldNumber(const QLineEdit* edit) { return platform::StrToFloat(edit->text().toStdString()); }

// The bitmap at the picture control's size, blanked white when asked; the pen
// black and the brush solid white afterwards.
platform::TCanvas& PrepareBitmap(TDrawing& drawing, bool blank)
{
    using namespace platform;
    TCanvas& first = drawing.Canvas();
    first.Pen.Color = clWhite;
    first.Brush.Style = TBrushStyle::Solid;
    first.Brush.Color = clWhite;
    TCanvas& canvas = drawing.FitBitmapToControl();
    if (blank) canvas.Rectangle(0, 0, drawing.Width(), drawing.Height());
    canvas.Pen.Color = clBlack;
    return canvas;
}

// The window typed into "min" and "max", taken for both axes. Each bound is
// written as soon as it is read, so a bad "max" leaves the typed "min" in place.
void UseTypedWindow(TWorldWindow& window, const TForm2& form2)
{
    window.XMin = FieldNumber(form2.Edit3);
    window.XMax = FieldNumber(form2.Edit4);
    window.YMin = window.XMin;
    window.YMax = window.XMax;
}

void ShowWorldWindow(TForm2& form2, const TWorldWindow& window)
{
    form2.Edit3->setText(QString::fromStdString(platform::FormatTwoDecimals(window.XMin)));
    form2.Edit4->setText(QString::fromStdString(platform::FormatTwoDecimals(window.XMax)));
}

}  // namespace

void TForm1::N8Click()
{
    // The check has the last word; it has already spoken to the user.
    ErrorClick();
    if (!FigureAccepted) return;

    TForm2& form2 = *Form2;
    TDrawing& drawing = *form2.Drawing;
    const bool blank = form2.CheckBox2->isChecked();
    const bool fixedWindow = form2.CheckBox1->isChecked();
    const bool circumscribedCircle = CheckBox1->isChecked();
    const bool inscribedCircle = CheckBox2->isChecked();
    const int32_t n = ClampedVertexCount(VertexCount);
    const std::span<const TVertex> figure = StoredFigure(n);

    // Marks over the former picture would not fit the new one.
    form2.LatticeOverlay->hide();
    // Blank through the clear button when asked, then show the window.
    if (blank) form2.Button1Click();
    form2.ShowInFront();
    PrepareBitmap(drawing, blank);

    drawing.Window = FitWorldWindow(figure);
    if (fixedWindow) UseTypedWindow(drawing.Window, form2);
    ShowWorldWindow(form2, drawing.Window);

    // The regular polygon's circles, for whatever figure is built; the side is
    // read afresh for each.
    const TWorldCanvas world = drawing.World();
    const auto side = [this] { return FieldNumber(Edit20); };
    if (circumscribedCircle) DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Circumscribed, n, side));
    if (inscribedCircle) DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Inscribed, n, side));

    DrawAxes(world);
    WriteClosingCopies(n);
    DrawOutline(world, figure, drawing.FigurePenColor, drawing.FigurePenWidth);
    DrawVertexLetters(world, figure);
}
