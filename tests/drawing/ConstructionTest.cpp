#include "drawing/Drawing.h"
#include "DrawingFixture.h"
#include "drawing/FigureDrawing.h"
#include "drawing/VertexLetter.h"
#include "platform/FloatMath.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <limits>

using platform::clBlack;
using platform::clRed;
using platform::clWhite;

namespace {

// The letter as the canvas writes it on a white surface of the same size.
QImage LetterAlone(const QSize& surface, QPoint at, const QString& letter, QRect* box)
{
    QImage image(surface, QImage::Format_RGB32);
    image.fill(platform::ToQRgb(clWhite));
    platform::TCanvas canvas(&image);
    canvas.TextOut(at.x(), at.y(), letter);
    *box = QRect(at, canvas.TextExtent(letter));
    return image;
}

void ExpectLetterAt(const QImage& surface, QPoint at, const QString& letter)
{
    QRect box;
    const QImage alone = LetterAlone(surface.size(), at, letter, &box);
    EXPECT_EQ(surface.copy(box), alone.copy(box)) << "letter " << letter.toStdString();
    bool inked = false;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) inked |= platform::FromQRgb(alone.pixel(x, y)) == clBlack;
    EXPECT_TRUE(inked) << "letter " << letter.toStdString();
}

// Black pixels anywhere but in the letter boxes at these corners: axes, arrowheads, ticks.
int BlackPixelsOutsideLetters(const QImage& surface, std::initializer_list<QPoint> letterCorners)
{
    platform::TCanvas probe;
    QRegion letters;
    for (QPoint at : letterCorners) letters += QRect(at, probe.TextExtent("W"));
    int count = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (platform::FromQRgb(surface.pixel(x, y)) == clBlack && !letters.contains(QPoint(x, y))) ++count;
    return count;
}

}  // namespace

TEST_F(DrawingTest, DefaultTriangleFitsItsWindowAndDrawsAxesOutlineAndLetters)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");

    EXPECT_TRUE(FigureAccepted);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    EXPECT_EQ(Form2->Drawing->Window.YMin, -1.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 5.0);
    EXPECT_EQ(Form2->Drawing->Window.YMax, 5.0);
    EXPECT_EQ(Form2->Edit3->text(), "-1");
    EXPECT_EQ(Form2->Edit4->text(), "5");
    EXPECT_EQ(Surface().size(), QSize(500, 500));
    EXPECT_EQ(SurfaceX(0), 83);
    EXPECT_EQ(SurfaceY(0), 417);

    // The outline in the red figure pen, from A (the origin) through B and C.
    EXPECT_EQ(Pixel(83, 417), clRed);
    EXPECT_EQ(Pixel(417, 417), clRed);  // B
    EXPECT_EQ(Pixel(83, 167), clRed);   // C
    EXPECT_EQ(Pixel(250, 292), clRed);  // halfway along B-C
    EXPECT_EQ(Pixel(83, 300), clRed);   // C-A, over the Y axis
    ExpectLetterAt(Surface(), {93, 427}, "A");
    ExpectLetterAt(Surface(), {427, 427}, "B");
    ExpectLetterAt(Surface(), {93, 177}, "C");

    // The axes through the origin, in black.
    EXPECT_EQ(Pixel(83, 450), clBlack);
    EXPECT_EQ(Pixel(83, 100), clBlack);
    EXPECT_EQ(Pixel(30, 417), clBlack);
    EXPECT_EQ(Pixel(460, 417), clBlack);
    // Both halves of each arrowhead are solid after the fills...
    const QPoint arrowheads[] = {{82, 4}, {80, 4}, {81, 3}, {82, 2}, {84, 4}, {86, 4}, {85, 3}, {84, 2},
                                 {496, 418}, {498, 418}, {497, 419}, {496, 420},
                                 {496, 416}, {498, 416}, {497, 415}, {496, 414}};
    for (QPoint p : arrowheads) EXPECT_EQ(Pixel(p.x(), p.y()), clBlack) << p.x() << "," << p.y();
    // ... and the fills stayed inside them.
    EXPECT_EQ(Pixel(83 - 6, 2), clWhite);
    EXPECT_EQ(Pixel(83 + 6, 2), clWhite);
    EXPECT_EQ(Pixel(493, 417 + 4), clWhite);
    EXPECT_EQ(Pixel(40, 40), clWhite);
    EXPECT_EQ(Pixel(300, 450), clWhite);
    ExpectLetterAt(Surface(), {73, 5}, "Y");
    ExpectLetterAt(Surface(), {490, 422}, "X");

    // Ticks at 1 and -1: a line leaves its end pixel out.
    EXPECT_EQ(Pixel(167, 415), clBlack);
    EXPECT_EQ(Pixel(167, 418), clBlack);
    EXPECT_EQ(Pixel(167, 419), clWhite);
    EXPECT_EQ(Pixel(0, 418), clBlack);  // x = -1 at the left edge
    EXPECT_EQ(Pixel(81, 333), clBlack);
    EXPECT_EQ(Pixel(84, 333), clBlack);
    EXPECT_EQ(Pixel(85, 333), clWhite);
    ExpectLetterAt(Surface(), {167, 422}, "1");
    ExpectLetterAt(Surface(), {88, 333}, "1");

    // What the construction leaves behind.
    EXPECT_EQ(Vertices[4].X, 0.0);
    EXPECT_EQ(Vertices[4].Y, 0.0);
    platform::TCanvas& canvas = Form2->Image1->Canvas();
    EXPECT_EQ(canvas.Pen.Color, clRed);
    EXPECT_EQ(canvas.Brush.Style, platform::TBrushStyle::Solid);
    EXPECT_EQ(canvas.Brush.Color, clWhite);
}

TEST_F(DrawingTest, FixedWindows)
{
    struct Case {
        const char* name;
        const char* min;
        const char* max;
        double xMin;
        double xMax;
        QPoint vertexB;  // (4, 0)
        const char* minShown;
        const char* maxShown;
    };
    const Case cases[] = {
        {"the square -20 to 20", "-20", "20", -20, 20, {300, 250}, "-20", "20"},
        {"mirrored, min above max", "5", "-5", 5, -5, {50, 250}, "5", "-5"},
        {"shown with two decimals", "-2,005", "10,126", -2.005, 10.126, {248, 417}, "-2", "10,13"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StoreDefaultTriangle();
        UseFixedWindow(c.min, c.max);
        ASSERT_EQ(Construct(), "");
        EXPECT_EQ(Form2->Drawing->Window.XMin, c.xMin);
        EXPECT_EQ(Form2->Drawing->Window.YMin, c.xMin);
        EXPECT_EQ(Form2->Drawing->Window.XMax, c.xMax);
        EXPECT_EQ(Form2->Drawing->Window.YMax, c.xMax);
        EXPECT_EQ(Form2->Edit3->text(), c.minShown);
        EXPECT_EQ(Form2->Edit4->text(), c.maxShown);
        EXPECT_EQ(Pixel(c.vertexB.x(), c.vertexB.y()), clRed);
    }
}

TEST_F(DrawingTest, FirstFixedConstructionKeepsTheFittedWindow)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    Form2->CheckBox1->setChecked(true);
    StoreFigure({{0, 0}, {40, 0}, {0, 30}});
    ASSERT_EQ(Construct(), "");
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 5.0);
}

TEST_F(DrawingTest, FailuresLeaveWhatWasDoneBefore)
{
    struct Case {
        const char* name;
        const char* min;  // nullptr: the fitted window
        const char* max;
        bool circle;
        const char* side;
        int32_t vertexCount;  // 3: the default triangle
        const char* message;
        double xMin, xMax, yMin, yMax;
        const char* minShown;
        const char* maxShown;
    };
    const double big = 2147483646.0;
    const Case cases[] = {
        {"bad min text", "abc", "20", false, "5", 3, "'abc' is not a valid floating point value",
         -1, 5, -1, 5, "abc", "20"},
        {"bad max text", "-20", "2 0", false, "5", 3, "'2 0' is not a valid floating point value",
         -20, 5, -1, 5, "-20", "2 0"},
        {"equal min and max", "3", "3", false, "5", 3, "Floating point division by zero", 3, 3, 3, 3, "3", "3"},
        {"equal min and max at the origin (0 / 0)", "0", "0", false, "5", 3, "Invalid floating point operation",
         0, 0, 0, 0, "0", "0"},
        {"bad side length with a circle box ticked", nullptr, nullptr, true, "п'ять", 3,
         "'п'ять' is not a valid floating point value", -1, 5, -1, 5, "-1", "5"},
        {"circle box ticked for an empty figure", nullptr, nullptr, true, "5", 0, "Floating point division by zero",
         big, -big, big, -big, "2147483646", "-2147483646"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // An earlier drawing that the failed construction blanks.
        Form2->CheckBox1->setChecked(false);
        Form1->CheckBox1->setChecked(false);
        StoreDefaultTriangle();
        ASSERT_EQ(Construct(), "");
        Form2->hide();

        if (c.min) UseFixedWindow(c.min, c.max);
        Form1->CheckBox1->setChecked(c.circle);
        Form1->Edit20->setText(c.side);
        if (c.vertexCount == 0) VertexCount = 0;
        EXPECT_EQ(Construct(), c.message);
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_TRUE(AllWhite());
        EXPECT_EQ(Form2->Drawing->Window.XMin, c.xMin);
        EXPECT_EQ(Form2->Drawing->Window.XMax, c.xMax);
        EXPECT_EQ(Form2->Drawing->Window.YMin, c.yMin);
        EXPECT_EQ(Form2->Drawing->Window.YMax, c.yMax);
        EXPECT_EQ(Form2->Edit3->text(), c.minShown);
        EXPECT_EQ(Form2->Edit4->text(), c.maxShown);
    }
}

TEST_F(DrawingTest, RebuildButtonReportsAnErrorThroughTheErrorBox)
{
    StoreDefaultTriangle();
    UseFixedWindow("min", "5");
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    ASSERT_FALSE(dialogs.Shown.empty());
    EXPECT_EQ(dialogs.Shown.back().Kind, "error");
    EXPECT_EQ(dialogs.Shown.back().Text, "'min' is not a valid floating point value.");
    EXPECT_TRUE(Form2->isVisible());
}

TEST_F(DrawingTest, DeclinedCheckDrawsNothing)
{
    StoreFigure({{0, 0}, {1, 1}});  // too few vertices, three on a line
    dialogs.Answers = {platform::TAnswer::No};
    ASSERT_EQ(Construct(), "");
    EXPECT_FALSE(FigureAccepted);
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Empty);
    EXPECT_EQ(Form2->Drawing->Window.XMin, 0.0);
}

TEST_F(DrawingTest, EmptyFigureDrawsOnlyTheAxesThroughTheCentre)
{
    VertexCount = 0;  // the user chose to build it in the check (scripted Yes)
    Form1->N8->trigger();
    EXPECT_EQ(dialogs.Shown.front().Kind, "question");
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Drawing->Window.XMin, 2147483646.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, -2147483646.0);
    EXPECT_EQ(Form2->Edit3->text(), "2147483646");
    EXPECT_EQ(Form2->Edit4->text(), "-2147483646");
    EXPECT_EQ(SurfaceX(0), 250);
    EXPECT_EQ(SurfaceY(0), 250);
    EXPECT_EQ(Pixel(250, 100), clBlack);
    EXPECT_EQ(Pixel(100, 250), clBlack);
    EXPECT_EQ(CountPixels(clRed), 0);  // no outline, no letter
}

TEST_F(DrawingTest, FigureFarFromTheOriginLeavesTheAxesOffTheSurface)
{
    struct Case {
        bool blank;
        platform::TColor oldVertexA;
    };
    for (const Case c : {Case{false, clRed}, Case{true, clWhite}}) {
        SCOPED_TRACE(c.blank);
        // A first drawing, then the far figure over it, blanked or not.
        Form2->CheckBox2->setChecked(true);
        StoreDefaultTriangle();
        ASSERT_EQ(Construct(), "");
        Form2->CheckBox2->setChecked(c.blank);
        StoreFigure({{10, 10}, {12, 10}, {10, 11}});
        ASSERT_EQ(Construct(), "");
        EXPECT_EQ(Form2->Drawing->Window.XMin, 9.0);
        EXPECT_EQ(Form2->Drawing->Window.XMax, 13.0);
        EXPECT_EQ(Pixel(83, 417), c.oldVertexA);
        EXPECT_EQ(Pixel(125, 375), clRed);
        EXPECT_EQ(Pixel(375, 375), clRed);
        EXPECT_EQ(Pixel(125, 250), clRed);
        ExpectLetterAt(Surface(), {135, 385}, "A");
        ExpectLetterAt(Surface(), {385, 385}, "B");
        ExpectLetterAt(Surface(), {135, 260}, "C");
    }
    // Blanked: the outline and its letters only; no axis, arrowhead or tick anywhere.
    EXPECT_EQ(BlackPixelsOutsideLetters(Surface(), {{135, 385}, {385, 385}, {135, 260}}), 0);
}

// So far away that the origin's pixel lies beyond 32 bits: the axes sit at the end of
// the pixel range, and their arrowheads and ticks must not wrap round onto the surface.
TEST_F(DrawingTest, FigureBeyondThePixelRangeDrawsNoStrayAxis)
{
    StoreFigure({{3e7, 3e7}, {3e7 + 4, 3e7}, {3e7, 3e7 + 3}});
    ASSERT_EQ(Construct(), "");
    EXPECT_EQ(SurfaceX(0), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(SurfaceY(0), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Pixel(83, 417), clRed);
    EXPECT_EQ(BlackPixelsOutsideLetters(Surface(), {{93, 427}, {427, 427}, {93, 177}}), 0);
}

TEST_F(DrawingTest, LettersBeyondZFollowTheCodePage)
{
    // A convex 30-gon on the circle of radius 100, its last vertices on the upper
    // left where their letters fit on the surface. The angles are jittered so that
    // no two sides are parallel: the check's crossing test would meet a near-zero
    // determinant on the opposite sides of a regular one.
    Vertices = {};
    for (int i = 1; i <= 30; ++i) {
        const long double angle = platform::Pi + 2 * platform::Pi * (i - 1) / 30 + 0.05L * std::sin(1.3L * i);
        Vertices[i].X = double(100 * std::cos(angle));
        Vertices[i].Y = double(100 * std::sin(angle));
    }
    VertexCount = 30;
    ASSERT_EQ(Construct(), "");
    ASSERT_TRUE(dialogs.Shown.empty());  // a convex polygon passes the check
    const char* const letters[] = {"[", "\\", "]", "^"};
    for (int i = 27; i <= 30; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(VertexLetter(i), letters[i - 27]);
        ExpectLetterAt(Surface(), {SurfaceX(Vertices[i].X) + 10, SurfaceY(Vertices[i].Y) + 10}, letters[i - 27]);
    }
}

TEST_F(DrawingTest, RegularPolygonCirclesAboutTheOrigin)
{
    // Whatever triangle is typed, the circles are those of the regular triangle of side 5.
    StoreDefaultTriangle();
    Form1->CheckBox1->setChecked(true);
    Form1->CheckBox2->setChecked(true);
    ASSERT_EQ(Construct(), "");

    const double bigR = double(5 / (2 * std::sin(platform::Pi / 3)));
    const double smallR = double(5 / (2 * std::tan(platform::Pi / 3)));
    for (double r : {bigR, smallR}) {
        SCOPED_TRACE(r);
        QImage alone(500, 500, QImage::Format_RGB32);
        alone.fill(platform::ToQRgb(clWhite));
        platform::TCanvas canvas(&alone);
        canvas.Ellipse(SurfaceX(-r), SurfaceY(-r), SurfaceX(r), SurfaceY(r));
        // Around the outline's top on the column x = 0.3, clear of the axes and the outline.
        const int column = SurfaceX(0.3);
        int top = 0;
        while (platform::FromQRgb(alone.pixel(column, top)) != clBlack) ++top;
        for (int y = top - 2; y <= top + 2; ++y)
            EXPECT_EQ(Pixel(column, y), platform::FromQRgb(alone.pixel(column, y))) << y;
        EXPECT_EQ(Pixel(column, top + 3), clWhite);  // the brush painted the inside white
    }
}

TEST_F(DrawingTest, ConstructionFollowsThePicturesNewSize)
{
    StoreDefaultTriangle();
    Form2->Image1->resize(300, 200);
    ASSERT_EQ(Construct(), "");
    EXPECT_EQ(Surface().size(), QSize(300, 200));
    EXPECT_EQ(SurfaceX(0), 50);
    EXPECT_EQ(SurfaceY(0), 167);
    EXPECT_EQ(Pixel(50, 167), clRed);
    EXPECT_EQ(Pixel(50, 190), clBlack);
}
