#include "platform/Picture.h"
#include "platform/Scene.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <functional>

using namespace platform;

namespace {

// Every kind of primitive, with pens wide and thin, a fill, a text and an
// inverting stroke, drawn on any canvas.
void DrawEverything(TCanvas& c)
{
    c.Pen.Color = clRed;
    c.Pen.Width = 3;
    c.MoveTo(10, 10);
    c.LineTo(180, 60, QPointF(179.6, 60.3));
    c.LineTo(40, 150);
    c.Pen.Width = 2;
    c.Brush.Color = 0x00FF00;
    c.Ellipse(50, 40, 150, 130, QRectF(QPointF(49.7, 40.2), QPointF(150.4, 129.9)));
    c.Pen.Width = 1;
    c.Pen.Color = clBlack;
    c.Arc(20, 20, 120, 90, 120, 20, 20, 90);
    c.Arc(60, 60, 160, 160, 0, 0, 0, 0, QRectF(QPointF(60.3, 60.2), QPointF(159.8, 160.4)));
    c.Brush.Style = TBrushStyle::Clear;
    c.Rectangle(5, 170, 90, 195);
    c.Brush.Style = TBrushStyle::Solid;
    c.Brush.Color = 0xFF0000;
    c.FloodFill(100, 185, clBlack);
    c.Brush.Color = clWhite;
    c.TextOut(120, 170, "ABC -1");
    c.SetPixel(199, 199, clRed);
    c.Pen.Mode = TPenMode::NotXor;
    c.MoveTo(0, 199);
    c.LineTo(199, 0);
    c.Pen.Mode = TPenMode::Copy;
    c.MoveTo(0, 0);
    c.LineTo(30, 5);
}

// The scene drawn on a white image of the picture's size times scale.
QImage Replay(const TScene& scene, double scale)
{
    QImage image(scene.Size() * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.Render(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    return image;
}

// The box of the pixels that are not (nearly) white.
QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

TEST(Scene, RecordingLeavesTheBitmapPixelForPixel)
{
    QImage plain(200, 200, QImage::Format_RGB32);
    plain.fill(Qt::white);
    TCanvas bare(&plain);
    DrawEverything(bare);

    TPicture picture;
    DrawEverything(picture.Canvas(200, 200));
    EXPECT_EQ(picture.Image(), plain);
    // The inverting stroke could not be replayed: the drawing up to it is the base.
    EXPECT_FALSE(picture.Scene().Base().isNull());
    EXPECT_TRUE(picture.Scene().HasOperations());
}

TEST(Scene, BlankingLoadingAndResizingSetWhatReplays)
{
    TPicture picture;
    TCanvas& c = picture.Canvas(100, 80);
    EXPECT_EQ(picture.Scene().Size(), QSize(100, 80));
    EXPECT_TRUE(picture.Scene().Base().isNull());
    c.MoveTo(0, 0);
    c.LineTo(50, 50);
    EXPECT_TRUE(picture.Scene().HasOperations());

    // A box of one colour over everything starts the scene again.
    c.Pen.Color = 0x123456;
    c.Brush.Color = 0x123456;
    c.Rectangle(0, 0, 100, 80);
    EXPECT_FALSE(picture.Scene().HasOperations());
    EXPECT_EQ(picture.Scene().Background(), 0x123456u);

    // A box that leaves an edge is a drawing.
    c.Rectangle(0, 0, 99, 80);
    EXPECT_TRUE(picture.Scene().HasOperations());

    picture.SetWidth(120);
    EXPECT_FALSE(picture.Scene().HasOperations());
    EXPECT_EQ(picture.Scene().Base(), picture.Image());

    QImage loaded(30, 20, QImage::Format_RGB32);
    loaded.fill(Qt::blue);
    picture.AssignBitmap(loaded);
    EXPECT_EQ(picture.Scene().Base(), loaded);
    EXPECT_EQ(picture.Scene().Size(), QSize(30, 20));

    picture.Clear();
    EXPECT_TRUE(picture.Scene().Size().isEmpty());
}

TEST(Scene, ManyDrawingsFoldIntoTheBaseImage)
{
    TPicture picture;
    TCanvas& c = picture.Canvas(300, 300);
    // Lines that cannot join one polyline: each is an operation of its own.
    for (int i = 0; i < 3 * int(TScene::kMaxElements); ++i) {
        c.Pen.Color = TColor(i & 0xFFFFFF);
        c.MoveTo(i % 300, 0);
        c.LineTo(299 - i % 300, 299);
        ASSERT_LE(picture.Scene().Elements(), TScene::kMaxElements) << i;
    }
    EXPECT_FALSE(picture.Scene().Base().isNull());
    // What folded is exactly what the bitmap showed then; at scale 1 the base
    // under the later lines is the bitmap again.
    c.Pen.Color = clWhite;
    c.Brush.Color = clWhite;
    c.Rectangle(0, 0, 300, 300);
    EXPECT_EQ(picture.Scene().Elements(), 0u);
    EXPECT_TRUE(picture.Scene().Base().isNull());
}

TEST(Scene, ReplayCoversWhatTheBitmapCoversAtAnyScale)
{
    TPicture picture;
    TCanvas& c = picture.Canvas(200, 200);
    c.Pen.Color = clBlack;
    c.MoveTo(20, 30, QPointF(20.2, 29.7));
    c.LineTo(170, 40, QPointF(170.4, 40.1));
    c.LineTo(100, 180);
    c.LineTo(20, 30, QPointF(20.2, 29.7));
    c.Arc(40, 40, 160, 160, 0, 0, 0, 0);
    const QRect bitmapInk = InkBox(picture.Image());
    for (double scale : {1.0, 2.0, 3.5}) {
        const QImage replay = Replay(picture.Scene(), scale);
        const QRect ink = InkBox(replay);
        SCOPED_TRACE(scale);
        EXPECT_NEAR(ink.left() / scale, bitmapInk.left(), 1.0);
        EXPECT_NEAR(ink.top() / scale, bitmapInk.top(), 1.0);
        EXPECT_NEAR((ink.right() + 1) / scale, bitmapInk.right() + 1, 1.0);
        EXPECT_NEAR((ink.bottom() + 1) / scale, bitmapInk.bottom() + 1, 1.0);
    }
}

TEST(Scene, FillsReplayFilledWithoutFolding)
{
    // An arrowhead as the axes draw it: a closed outline, then fills of its colour
    // either side of the axis; and a fill of a box's inside in another colour.
    TPicture picture;
    TCanvas& c = picture.Canvas(60, 40);
    c.MoveTo(20, 35);
    c.LineTo(20, 10);
    c.LineTo(25, 15);
    c.LineTo(15, 15);
    c.LineTo(20, 10);
    c.Brush.Color = clBlack;
    c.FloodFill(19, 14, clBlack);
    c.FloodFill(21, 14, clBlack);
    c.Brush.Style = TBrushStyle::Clear;
    c.Rectangle(35, 5, 55, 25);
    c.Brush.Style = TBrushStyle::Solid;
    c.Brush.Color = clRed;
    c.FloodFill(45, 15, clBlack);
    EXPECT_TRUE(picture.Scene().Base().isNull());

    const QImage replay = Replay(picture.Scene(), 4);
    EXPECT_LT(qGray(replay.pixel(4 * 18, 4 * 14)), 40);  // the head's left half
    EXPECT_LT(qGray(replay.pixel(4 * 22, 4 * 14)), 40);  // and its right half
    EXPECT_EQ(replay.pixel(4 * 28, 4 * 14), qRgb(255, 255, 255));
    EXPECT_EQ(replay.pixel(4 * 45, 4 * 15), qRgb(255, 0, 0));
}
