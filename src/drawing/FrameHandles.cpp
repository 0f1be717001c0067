// The frame handles and the pointer read-out of the drawing window: dragging
// the picture or one of its eight handles moves or resizes it, a rubber band
// showing where it will go; moving over it shows the world coordinates there.
#include "drawing/Drawing.h"
#include "drawing/Form2.h"
#include "drawing/PointerReadOut.h"
#include "drawing/WorldMapping.h"
#include "platform/ErrorBoundary.h"
#include "platform/FormCanvas.h"
#include "platform/Image.h"
#include "platform/Shape.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>

namespace {

TBounds BoundsOf(const QWidget* widget) { return {widget->x(), widget->y(), widget->width(), widget->height()}; }

}  // namespace

void TForm2::ConnectPointerHandlers()
{
    const std::array<platform::TShape*, 8> handles = Handles();
    for (size_t i = 0; i < handles.size(); ++i) {
        const auto control = static_cast<TFrameControl>(i);
        handles[i]->OnMouseDown = [this, control](Qt::MouseButton b, int x, int y) { FrameMouseDown(control, b, x, y); };
        handles[i]->OnMouseMove = [this, control](Qt::MouseButtons h, int x, int y) { FrameMouseMove(control, h, x, y); };
        handles[i]->OnMouseUp = [this, control](Qt::MouseButton b, int x, int y) { FrameMouseUp(control, b, x, y); };
    }
    const TFrameControl picture = TFrameControl::Image1;
    Image1->OnMouseDown = [this, picture](Qt::MouseButton b, int x, int y) { FrameMouseDown(picture, b, x, y); };
    Image1->OnMouseMove = [this](Qt::MouseButtons h, int x, int y) { Image1MouseMove(h, x, y); };
    Image1->OnMouseUp = [this, picture](Qt::MouseButton b, int x, int y) { FrameMouseUp(picture, b, x, y); };
}

void TForm2::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) platform::RunHandler([this] { FormActivate(); });
}

void TForm2::FormActivate()
{
    HideHandles();
    Canvas->Pen.Mode = platform::TPenMode::NotXor;
    Canvas->Brush.Style = platform::TBrushStyle::Clear;
}

void TForm2::DrawBand(TFrameControl control)
{
    // The window canvas covers the client area exactly.
    const TBounds band = LimitedBand(control, Drag, Canvas->width(), Canvas->height());
    Canvas->Rectangle(band.Left, band.Top, band.Left + band.Width, band.Top + band.Height);
}

void TForm2::FrameMouseDown(TFrameControl control, Qt::MouseButton button, int x, int y)
{
    if (button != Qt::LeftButton) return;
    HideHandles();
    DragPress(control, Drag, BoundsOf(Image1), x, y);
    DrawBand(control);
}

void TForm2::FrameMouseMove(TFrameControl control, Qt::MouseButtons held, int x, int y)
{
    if (!(held & Qt::LeftButton)) return;
    DrawBand(control);  // erases the band where it is
    DragMove(control, Drag, x, y);
    DrawBand(control);
}

void TForm2::FrameMouseUp(TFrameControl control, Qt::MouseButton button, int, int)
{
    if (button != Qt::LeftButton) return;
    // The window canvas covers the client area exactly.
    const TBounds band = LimitedBand(control, Drag, Canvas->width(), Canvas->height());
    Image1->setGeometry(band.Left, band.Top, band.Width, band.Height);
    DrawBand(control);  // erases it
    PlaceHandles();
    ShowHandles();
}

void TForm2::Image1MouseMove(Qt::MouseButtons held, int x, int y)
{
    const TWorldWindow& window = Drawing->Window;
    const double wx = PixelToWorldX(x, window, Image1->width());
    const double wy = PixelToWorldY(y, window, Image1->height());
    const bool whole = CheckBox3->isChecked();
    Edit1->setText(QString::fromStdString("x=" + ReadOutNumber(wx, whole)));
    Edit2->setText(QString::fromStdString("y=" + ReadOutNumber(wy, whole)));
    FrameMouseMove(TFrameControl::Image1, held, x, y);
}
