#include "ScriptedDialogs.h"
#include "platform/Errors.h"
#include "platform/Image.h"
#include "platform/Shape.h"

#include <QTest>
#include <gtest/gtest.h>
#include <vector>

using namespace platform;

namespace {

QImage Rendered(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));  // what the control leaves unpainted keeps this colour
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

struct PointerLog {
    std::vector<QString> Events;
    void Hook(TPointerHooks& hooks)
    {
        hooks.OnMouseDown = [this](Qt::MouseButton b, int x, int y) {
            Events.push_back(QString("down %1 %2,%3").arg(int(b)).arg(x).arg(y));
        };
        hooks.OnMouseMove = [this](Qt::MouseButtons held, int x, int y) {
            Events.push_back(QString("move %1 %2,%3").arg(int(held)).arg(x).arg(y));
        };
        hooks.OnMouseUp = [this](Qt::MouseButton b, int x, int y) {
            Events.push_back(QString("up %1 %2,%3").arg(int(b)).arg(x).arg(y));
        };
    }
};

}  // namespace

TEST(Image, ShowsItsPictureOneToOneFromTheTopLeftAndKeepsItsSize)
{
    TImage image;
    image.resize(20, 10);
    EXPECT_EQ(Rendered(image).pixel(5, 5), qRgb(1, 2, 3));  // empty: nothing painted

    // A smaller bitmap: drawn at the corner, the rest of the control left alone.
    TCanvas& canvas = image.Picture().Canvas(4, 3);
    canvas.SetPixel(0, 0, clRed);
    canvas.SetPixel(3, 2, clBlack);
    EXPECT_EQ(image.size(), QSize(20, 10));
    QImage shown = Rendered(image);
    EXPECT_EQ(FromQRgb(shown.pixel(0, 0)), clRed);
    EXPECT_EQ(FromQRgb(shown.pixel(3, 2)), clBlack);
    EXPECT_EQ(FromQRgb(shown.pixel(1, 1)), clWhite);
    EXPECT_EQ(shown.pixel(4, 2), qRgb(1, 2, 3));
    EXPECT_EQ(shown.pixel(19, 9), qRgb(1, 2, 3));

    // A larger one is cut off at the control's edges, not scaled.
    image.Picture().SetWidth(50);
    image.Picture().SetHeight(40);
    image.Picture().Canvas(0, 0).SetPixel(19, 9, clBlack);
    EXPECT_EQ(image.size(), QSize(20, 10));
    shown = Rendered(image);
    EXPECT_EQ(FromQRgb(shown.pixel(0, 0)), clRed);
    EXPECT_EQ(FromQRgb(shown.pixel(19, 9)), clBlack);
    EXPECT_EQ(FromQRgb(shown.pixel(18, 9)), clWhite);
}

TEST(Image, CanvasOfAnEmptyPictureTakesTheControlsSize)
{
    TImage image;
    image.resize(30, 20);
    image.Canvas();
    EXPECT_EQ(image.Picture().Image().size(), QSize(30, 20));
    // A loaded JPEG keeps its own size when it becomes a bitmap.
    image.Picture().AssignJpeg(QByteArray("data"), QImage(5, 5, QImage::Format_RGB32));
    image.Canvas();
    EXPECT_EQ(image.Picture().GraphicKind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(image.Picture().Image().size(), QSize(5, 5));
}

TEST(Image, PointerEventsReachTheHooksInControlCoordinates)
{
    QWidget window;
    window.resize(200, 200);
    TImage image(&window);
    image.setGeometry(50, 40, 100, 100);
    TShape shape(&window);
    shape.setGeometry(10, 10, 8, 8);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const std::pair<QWidget*, TPointerHooks*> controls[] = {{&image, &image}, {&shape, &shape}};
    for (auto [control, hooks] : controls) {
        SCOPED_TRACE(control == &image ? "image" : "shape");
        PointerLog log;
        log.Hook(*hooks);
        QTest::mousePress(control, Qt::LeftButton, {}, QPoint(3, 4));
        QTest::mouseMove(control, QPoint(6, 7));
        QTest::mouseRelease(control, Qt::LeftButton, {}, QPoint(6, 7));
        const std::vector<QString> expected = {
            QString("down %1 3,4").arg(int(Qt::LeftButton)),
            QString("move %1 6,7").arg(int(Qt::LeftButton)),
            QString("up %1 6,7").arg(int(Qt::LeftButton)),
        };
        EXPECT_EQ(log.Events, expected);
    }
}

TEST(Image, AnErrorInAHookGoesToTheErrorBox)
{
    ScriptedDialogs dialogs;
    TImage image;
    image.resize(50, 50);
    image.OnMouseDown = [](Qt::MouseButton, int, int) { throw MathError("Floating point division by zero"); };
    QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(1, 1));
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Text, "Floating point division by zero.");
}

TEST(Shape, WhiteSquareWithAOnePixelBlackOutline)
{
    TShape shape;
    shape.resize(8, 8);
    const QImage shown = Rendered(shape);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool edge = x == 0 || y == 0 || x == 7 || y == 7;
            EXPECT_EQ(FromQRgb(shown.pixel(x, y)), edge ? clBlack : clWhite) << x << "," << y;
        }
}

TEST(Image, ADenserScreenShowsTheDrawingSmoothAtItsResolution)
{
    TImage control;
    control.resize(60, 40);
    TCanvas& c = control.Canvas();
    c.MoveTo(5, 5);
    c.LineTo(55, 30);
    c.TextOut(5, 20, "AB");

    // At ratio 1 the exact bitmap.
    EXPECT_EQ(Rendered(control), control.Picture().Image());

    QImage dense(120, 80, QImage::Format_RGB32);
    dense.setDevicePixelRatio(2);
    dense.fill(qRgb(1, 2, 3));
    control.render(&dense, QPoint(), QRegion(), QWidget::DrawChildren);
    // The picture's pixels keep their places: the line's ends where the bitmap has them.
    EXPECT_LT(qGray(dense.pixel(11, 11)), 128);
    EXPECT_EQ(dense.pixel(110, 10), qRgb(255, 255, 255));
    // Smooth, not pixel-doubled: shades between black and white along the slope,
    // which doubling the one-bit bitmap never gives.
    int shades = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) {
            const int g = qGray(dense.pixel(x, y));
            if (g > 40 && g < 215) ++shades;
        }
    EXPECT_GT(shades, 20);
    // A change shows at once.
    c.Pen.Color = clWhite;
    c.Brush.Color = clWhite;
    c.Rectangle(0, 0, 60, 40);
    control.render(&dense, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(dense.pixel(11, 11), qRgb(255, 255, 255));
}
