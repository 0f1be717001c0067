#include "drawing/WorldCanvas.h"
#include "platform/FloatMath.h"
#include "regular/RegularPolygon.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QImage WhiteImage(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(platform::ToQRgb(platform::clWhite));
    return image;
}

}  // namespace

// The ellipse drawn in world units covers exactly the pixels of the ellipse over the
// mapped box, whatever the surface.
TEST(WorldCanvas, EllipseOverTheMappedCorners)
{
    // The square of side 5 in its fitted window: the smallest coordinate, -R, minus 1.
    const double bigR = RegularPolygonRadius(TRegularCircle::Circumscribed, 4, 5);
    const double smallR = RegularPolygonRadius(TRegularCircle::Inscribed, 4, 5);
    const double lo = platform::ToDouble(platform::Extended(-bigR) - 1);
    const TWorldWindow fitted{lo, -lo, lo, -lo};
    struct Case {
        const char* name;
        TWorldWindow window;
        int w, h;
        double x1, y1, x2, y2;
        int px1, py1, px2, py2;  // the corners in pixels
    };
    const Case cases[] = {
        {"circumscribed circle of the square", fitted, 500, 500, -bigR, -bigR, bigR, bigR, 55, 445, 445, 55},
        {"inscribed circle of the square", fitted, 500, 500, -smallR, -smallR, smallR, smallR,
         112, 388, 388, 112},
        {"off the origin on a wide surface", {0, 10, 0, 10}, 300, 200, 1, 2, 4, 8, 30, 160, 120, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QImage drawn = WhiteImage(c.w, c.h);
        platform::TCanvas canvas(&drawn);
        const TWorldCanvas world{canvas, c.window, c.w, c.h};
        world.Ellipse(c.x1, c.y1, c.x2, c.y2);

        QImage expected = WhiteImage(c.w, c.h);
        platform::TCanvas plain(&expected);
        plain.Ellipse(c.px1, c.py1, c.px2, c.py2);
        EXPECT_EQ(drawn, expected);
    }
}
