#include "platform/Picture.h"

#include <gtest/gtest.h>
#include <functional>

using namespace platform;

namespace {

QImage Filled(int w, int h, TColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQRgb(colour));
    return image;
}

}  // namespace

TEST(Picture, FirstCanvasAccessMakesAWhiteBitmap)
{
    TPicture picture;
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Empty);
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_TRUE(picture.Image().isNull());

    TCanvas& canvas = picture.Canvas(500, 400);
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Bitmap);
    EXPECT_EQ(picture.Image().size(), QSize(500, 400));
    EXPECT_EQ(canvas.Pixel(0, 0), clWhite);
    EXPECT_EQ(canvas.Pixel(499, 399), clWhite);

    // The same canvas, with its pen, on every later access.
    canvas.Pen.Width = 4;
    EXPECT_EQ(&picture.Canvas(10, 10), &canvas);
    EXPECT_EQ(picture.Canvas(10, 10).Pen.Width, 4);
    EXPECT_EQ(picture.Width(), 500);
}

TEST(Picture, ResizeKeepsTheTopLeftContent)
{
    TPicture picture;
    TCanvas& canvas = picture.Canvas(6, 4);
    canvas.SetPixel(0, 0, clRed);
    canvas.SetPixel(5, 3, clBlack);
    canvas.SetPixel(2, 1, clBlack);

    picture.SetWidth(3);
    EXPECT_EQ(picture.Image().size(), QSize(3, 4));
    EXPECT_EQ(canvas.Pixel(0, 0), clRed);
    EXPECT_EQ(canvas.Pixel(2, 1), clBlack);

    picture.SetWidth(8);
    picture.SetHeight(5);
    EXPECT_EQ(picture.Image().size(), QSize(8, 5));
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 5);
    EXPECT_EQ(canvas.Pixel(0, 0), clRed);
    EXPECT_EQ(canvas.Pixel(2, 1), clBlack);
    // What was cut off does not come back; the new area is white.
    EXPECT_EQ(canvas.Pixel(5, 3), clWhite);
    EXPECT_EQ(canvas.Pixel(7, 4), clWhite);

    // Drawing goes on at the new size.
    canvas.Rectangle(0, 0, 8, 5);
    EXPECT_EQ(canvas.Pixel(7, 4), clBlack);

    // A zero side leaves nothing to show, and the size is kept for the next resize.
    picture.SetHeight(0);
    EXPECT_TRUE(picture.Image().isNull());
    EXPECT_EQ(picture.Width(), 8);
    picture.SetHeight(2);
    EXPECT_EQ(picture.Image().size(), QSize(8, 2));
}

TEST(Picture, JpegImageBecomesABitmapAtTheFirstDrawing)
{
    const QByteArray data("\xFF\xD8 jpeg data \xFF\xD9", 15);
    struct Case {
        const char* name;
        std::function<void(TPicture&)> draw;
        QSize size;
    };
    const Case cases[] = {
        {"canvas", [](TPicture& p) { p.Canvas(500, 500); }, QSize(20, 10)},
        {"width", [](TPicture& p) { p.SetWidth(30); }, QSize(30, 10)},
        {"height", [](TPicture& p) { p.SetHeight(12); }, QSize(20, 12)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPicture picture;
        picture.Canvas(4, 4).Pen.Width = 3;
        picture.AssignJpeg(data, Filled(20, 10, clRed));
        EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Jpeg);
        EXPECT_EQ(picture.JpegData(), data);
        EXPECT_EQ(picture.Width(), 20);
        EXPECT_EQ(picture.Height(), 10);

        c.draw(picture);
        EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Bitmap);
        EXPECT_TRUE(picture.JpegData().isEmpty());
        ASSERT_EQ(picture.Image().size(), c.size);
        EXPECT_EQ(picture.Width(), c.size.width());
        EXPECT_EQ(picture.Height(), c.size.height());
        // The photo's pixels stay under the drawing; a larger side grows white.
        EXPECT_EQ(picture.Image().pixel(19, 9), ToQRgb(clRed));
        EXPECT_EQ(picture.Image().pixel(c.size.width() - 1, c.size.height() - 1),
                  c.size == QSize(20, 10) ? ToQRgb(clRed) : ToQRgb(clWhite));

        // With the canvas of a new bitmap.
        TCanvas& canvas = picture.Canvas(500, 500);
        EXPECT_EQ(canvas.Pen.Width, 1);
        canvas.Pen.Color = clBlack;
        canvas.MoveTo(0, 0);
        canvas.LineTo(5, 0);
        EXPECT_EQ(canvas.Pixel(4, 0), clBlack);
        EXPECT_EQ(picture.Image().pixel(4, 0), ToQRgb(clBlack));
    }
}

TEST(Picture, AssignedBitmapIsConvertedForDrawing)
{
    QImage indexed(3, 2, QImage::Format_Indexed8);
    indexed.setColorTable({ToQRgb(clRed)});
    indexed.fill(0);
    TPicture picture;
    picture.AssignBitmap(indexed);
    TCanvas& canvas = picture.Canvas(1, 1);
    EXPECT_EQ(picture.Image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas.Pixel(2, 1), clRed);
    canvas.SetPixel(2, 1, clBlack);
    EXPECT_EQ(canvas.Pixel(2, 1), clBlack);
}

TEST(Picture, ReportsEveryChange)
{
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    TCanvas& canvas = picture.Canvas(10, 10);
    EXPECT_EQ(changes, 1);
    canvas.MoveTo(0, 0);
    canvas.LineTo(5, 5);
    canvas.Ellipse(0, 0, 4, 4);
    EXPECT_EQ(changes, 3);
    picture.SetWidth(12);
    picture.SetWidth(12);  // no change
    EXPECT_EQ(changes, 4);
    picture.AssignJpeg(QByteArray("x"), Filled(2, 2, clRed));
    picture.Clear();
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Empty);
}
