#include "platform/Errors.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

QImage Filled(int w, int h, TColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQRgb(colour));
    return image;
}

void ExpectRefused(const std::function<void()>& action)
{
    try {
        action();
        ADD_FAILURE() << "no error";
    } catch (const PlatformError& e) {
        EXPECT_STREQ(e.what(), "Can only modify an image if it contains a bitmap");
    }
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

TEST(Picture, JpegImageRefusesToBeDrawnOn)
{
    TPicture picture;
    picture.Canvas(4, 4).Pen.Width = 3;
    const QByteArray data("\xFF\xD8 jpeg data \xFF\xD9", 15);
    picture.AssignJpeg(data, Filled(20, 10, clRed));
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Jpeg);
    EXPECT_EQ(picture.JpegData(), data);
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 10);

    ExpectRefused([&] { picture.Canvas(500, 500); });
    ExpectRefused([&] { picture.SetWidth(500); });
    ExpectRefused([&] { picture.SetHeight(500); });
    // Nothing changed.
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Jpeg);
    EXPECT_EQ(picture.Image(), Filled(20, 10, clRed));

    // A bitmap makes it drawable again, with the pen of a new bitmap.
    picture.AssignBitmap(Filled(7, 5, clBlack));
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Bitmap);
    EXPECT_TRUE(picture.JpegData().isEmpty());
    TCanvas& canvas = picture.Canvas(500, 500);
    EXPECT_EQ(canvas.Pen.Width, 1);
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(canvas.Pixel(6, 4), clBlack);
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
