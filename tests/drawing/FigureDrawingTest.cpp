// The parts of a construction drawn on a bare image, and the fitted window.
#include "DrawingFixture.h"
#include "drawing/FigureDrawing.h"
#include "drawing/WorldMapping.h"
#include "regular/RegularPolygon.h"

#include <vector>

TEST(FitWorldWindow, OneRangeForBothAxesWithAMarginOfOne)
{
    struct Case {
        const char* name;
        std::vector<TVertex> figure;
        TWorldWindow window;
    };
    const Case cases[] = {
        {"default triangle", {{0, 0}, {4, 0}, {0, 3}}, {-1, 5, -1, 5}},
        {"the smallest Y and the largest X", {{-3.5, 10}, {2, -7}}, {-8, 11, -8, 11}},
        {"one point", {{2, 2}}, {1, 3, 1, 3}},
        // The search starts at the ends of the 32-bit range.
        {"no vertices", {}, {2147483646, -2147483646, 2147483646, -2147483646}},
        {"beyond the 32-bit range", {{-3e9, 0}, {3e9, 0}}, {-3e9 - 1, 3e9 + 1, -3e9 - 1, 3e9 + 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TWorldWindow w = FitWorldWindow(c.figure);
        EXPECT_EQ(w.XMin, c.window.XMin);
        EXPECT_EQ(w.XMax, c.window.XMax);
        EXPECT_EQ(w.YMin, c.window.YMin);
        EXPECT_EQ(w.YMax, c.window.YMax);
    }
}

// Axes, circles, outline and letters drawn on an image of their own give the
// construction's picture pixel for pixel.
TEST_F(DrawingTest, EachPartDrawsOnABareImageAsTheConstructionDoes)
{
    const std::vector<TVertex> figure = {{-2, -1}, {4, 0}, {1, 3.5}, {-1, 2}};
    StoreFigure({{-2, -1}, {4, 0}, {1, 3.5}, {-1, 2}});
    Form1->CheckBox1->setChecked(true);  // the circumscribed circle of the regular polygon's side 5
    Form2->Drawing->FigurePenWidth = 3;
    ASSERT_EQ(Construct(), "");

    QImage bare(500, 500, QImage::Format_RGB32);
    bare.fill(platform::ToQRgb(platform::clWhite));
    platform::TCanvas canvas(&bare);
    canvas.Brush.Color = platform::clWhite;
    const TWorldCanvas world{canvas, FitWorldWindow(figure), 500, 500};
    DrawOriginCircle(world, RegularPolygonRadius(TRegularCircle::Circumscribed, 4, 5.0));
    DrawAxes(world);
    DrawOutline(world, figure, platform::clRed, 3);
    DrawVertexLetters(world, figure);

    EXPECT_EQ(Form2->Drawing->Window.XMin, -3.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 5.0);
    EXPECT_EQ(bare, Surface());
}
