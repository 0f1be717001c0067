#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <climits>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace platform;

namespace {

using Pixels = std::set<std::pair<int, int>>;

QImage White(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(ToQRgb(clWhite));
    return image;
}

Pixels Coloured(const QImage& image, TColor colour)
{
    Pixels out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (FromQRgb(image.pixel(x, y)) == colour) out.insert({x, y});
    return out;
}

Pixels NotWhite(const QImage& image)
{
    Pixels out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (FromQRgb(image.pixel(x, y)) != clWhite) out.insert({x, y});
    return out;
}

// Rows of the image as text: '#' pen, 'o' brush, '.' white, '?' anything else.
std::string Art(const QImage& image, TColor pen = clBlack, TColor brush = clRed)
{
    std::string s;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const TColor c = FromQRgb(image.pixel(x, y));
            s += c == pen ? '#' : c == brush ? 'o' : c == clWhite ? '.' : '?';
        }
        s += '\n';
    }
    return s;
}

std::string Rows(std::initializer_list<const char*> rows)
{
    std::string s;
    for (const char* r : rows) (s += r) += '\n';
    return s;
}

Pixels DrawLine(int w, int h, QPoint a, QPoint b, int width = 1)
{
    QImage image = White(w, h);
    TCanvas canvas(&image);
    canvas.Pen.Width = width;
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
    return NotWhite(image);
}

}  // namespace

TEST(CanvasLine, CoversStartNotEnd)
{
    struct Case {
        QPoint from, to;
        Pixels expected;
    };
    const Case cases[] = {
        {{2, 5}, {7, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {{7, 5}, {2, 5}, {{7, 5}, {6, 5}, {5, 5}, {4, 5}, {3, 5}}},
        {{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}}},
        {{3, 4}, {3, 1}, {{3, 4}, {3, 3}, {3, 2}}},
        {{1, 1}, {5, 5}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}},
        {{5, 0}, {1, 4}, {{5, 0}, {4, 1}, {3, 2}, {2, 3}}},
        // Halfway steps go down (towards larger y), whichever way the line runs.
        {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 1}, {1, 0}}},
        {{0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}}},
        {{6, 6}, {6, 6}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.from.x() << "," << c.from.y() << ")->(" << c.to.x() << ","
                                        << c.to.y() << ")");
        QImage image = White(10, 10);
        TCanvas canvas(&image);
        canvas.MoveTo(c.from.x(), c.from.y());
        canvas.LineTo(c.to.x(), c.to.y());
        EXPECT_EQ(NotWhite(image), c.expected);
        EXPECT_EQ(canvas.PenPos(), c.to);
    }
}

TEST(CanvasLine, ReverseCoversTheSamePixelsApartFromTheEnds)
{
    QRandomGenerator rng(7);
    for (int k = 0; k < 300; ++k) {
        const QPoint a(rng.bounded(-5, 45), rng.bounded(-5, 45));
        const QPoint b(rng.bounded(-5, 45), rng.bounded(-5, 45));
        SCOPED_TRACE(testing::Message() << a.x() << "," << a.y() << " " << b.x() << "," << b.y());
        Pixels forward = DrawLine(40, 40, a, b), backward = DrawLine(40, 40, b, a);
        if (a != b) {
            auto inside = [](QPoint p) { return p.x() >= 0 && p.y() >= 0 && p.x() < 40 && p.y() < 40; };
            if (inside(b)) forward.insert({b.x(), b.y()});
            if (inside(a)) backward.insert({a.x(), a.y()});
        }
        EXPECT_EQ(forward, backward);
    }
}

TEST(CanvasLine, WidePenStampsARoundFootprint)
{
    struct Case {
        int width;
        std::string art;
    };
    const Case cases[] = {
        {2, Rows({"..........", "..........", ".######...", ".######...", "..........", ".........."})},
        {3, Rows({"..........", ".#######..", ".#######..", ".#######..", "..........", ".........."})},
        // Even widths centre on the pixel's top-left corner.
        {4, Rows({".######...", "########..", "########..", ".######...", "..........", ".........."})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width);
        QImage image = White(10, 6);
        TCanvas canvas(&image);
        canvas.Pen.Width = c.width;
        canvas.MoveTo(2, 2 + (c.width == 2));
        canvas.LineTo(7, 2 + (c.width == 2));
        EXPECT_EQ(Art(image), c.art);
    }
}

TEST(CanvasRectangle, RightAndBottomEdgesAreExclusive)
{
    QImage image = White(10, 8);
    TCanvas canvas(&image);
    canvas.Brush.Color = clRed;
    canvas.Rectangle(2, 1, 8, 6);
    const std::string expected = Rows({"..........", "..######..", "..#oooo#..", "..#oooo#..", "..#oooo#..",
                                       "..######..", "..........", ".........."});
    EXPECT_EQ(Art(image), expected);

    // Corners in the other order give the same rectangle.
    QImage swapped = White(10, 8);
    TCanvas other(&swapped);
    other.Brush.Color = clRed;
    other.Rectangle(8, 6, 2, 1);
    EXPECT_EQ(Art(swapped), expected);
}

TEST(CanvasRectangle, ClearBrushAndEmptyBoxes)
{
    QImage image = White(6, 5);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Rectangle(1, 1, 5, 4);
    EXPECT_EQ(Art(image), Rows({"......", ".####.", ".#..#.", ".####.", "......"}));

    QImage empty = White(6, 5);
    TCanvas none(&empty);
    none.Rectangle(2, 1, 2, 4);
    none.Rectangle(1, 3, 5, 3);
    none.Ellipse(1, 3, 5, 3);
    EXPECT_TRUE(NotWhite(empty).empty());
}

TEST(CanvasEllipse, SmallBoxes)
{
    struct Case {
        QRect box;  // left, top, right (exclusive), bottom (exclusive) via coords
        std::string art;
    };
    const Case cases[] = {
        {QRect(QPoint(1, 1), QPoint(5, 5)), Rows({".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..",
                                                  "......."})},
        {QRect(QPoint(1, 1), QPoint(1, 1)), Rows({".......", ".#.....", ".......", ".......", ".......",
                                                  ".......", "......."})},
        {QRect(QPoint(1, 1), QPoint(2, 2)), Rows({".......", ".##....", ".##....", ".......", ".......",
                                                  ".......", "......."})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.width());
        QImage image = White(7, 7);
        TCanvas canvas(&image);
        canvas.Brush.Color = clRed;
        canvas.Ellipse(c.box.left(), c.box.top(), c.box.right() + 1, c.box.bottom() + 1);
        EXPECT_EQ(Art(image), c.art);
    }
}

TEST(CanvasEllipse, SymmetricInsideItsBoxAndTouchingEveryEdge)
{
    const QRect boxes[] = {QRect(3, 4, 30, 20), QRect(2, 2, 31, 31), QRect(5, 1, 8, 36), QRect(1, 10, 37, 3),
                           QRect(4, 4, 2, 9)};
    for (const QRect& box : boxes) {
        for (int width : {1, 3}) {
            SCOPED_TRACE(testing::Message() << box.width() << "x" << box.height() << " pen " << width);
            QImage image = White(40, 40);
            TCanvas canvas(&image);
            canvas.Pen.Width = width;
            canvas.Brush.Color = clRed;
            canvas.Ellipse(box.left(), box.top(), box.left() + box.width(), box.top() + box.height());
            const QRect reach = box.adjusted(-(width / 2), -(width / 2), width / 2, width / 2);
            const Pixels drawn = NotWhite(image);
            int left = 40, right = -1, top = 40, bottom = -1;
            for (auto [x, y] : drawn) {
                EXPECT_TRUE(reach.contains(x, y)) << x << "," << y;
                const int mx = box.left() + box.right() - x, my = box.top() + box.bottom() - y;
                EXPECT_EQ(image.pixel(x, y), image.pixel(mx, y)) << x << "," << y;
                EXPECT_EQ(image.pixel(x, y), image.pixel(x, my)) << x << "," << y;
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
            EXPECT_EQ(QRect(QPoint(left, top), QPoint(right, bottom)), reach);
            if (width == 1) {
                // Thin outline: every pen pixel has a 4-neighbour that is not inside.
                for (auto [x, y] : Coloured(image, clBlack)) {
                    bool edge = false;
                    for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                        edge = edge || FromQRgb(image.pixel(x + dx, y + dy)) == clWhite;
                    EXPECT_TRUE(edge) << x << "," << y;
                }
            }
        }
    }
}

TEST(CanvasEllipse, FullArcIsTheUnfilledOutline)
{
    QImage filled = White(40, 40), arc = White(40, 40);
    TCanvas a(&filled), b(&arc);
    a.Brush.Color = clRed;
    a.Pen.Width = b.Pen.Width = 2;
    a.Ellipse(3, 5, 36, 30);
    b.Brush.Color = clRed;  // the arc never fills
    // The box in the other corner order, as the circle commands pass it.
    b.Arc(3, 30, 36, 5, 0, 0, 0, 0);
    EXPECT_EQ(Coloured(arc, clBlack), Coloured(filled, clBlack));
    EXPECT_TRUE(Coloured(arc, clRed).empty());
    EXPECT_FALSE(Coloured(filled, clRed).empty());
}

TEST(CanvasEllipse, PartialArcRunsCounterClockwise)
{
    QImage full = White(40, 40), upper = White(40, 40);
    TCanvas a(&full), b(&upper);
    a.Arc(4, 4, 36, 36, 0, 0, 0, 0);
    // From the ray to the right round over the top to the ray to the left.
    b.Arc(4, 4, 36, 36, 39, 20, 0, 20);
    const Pixels whole = NotWhite(full), part = NotWhite(upper);
    Pixels expected;
    for (auto [x, y] : whole)
        if (y < 20) expected.insert({x, y});
    for (auto [x, y] : part) EXPECT_TRUE(whole.count({x, y}));
    for (auto p : expected) EXPECT_TRUE(part.count(p)) << p.first << "," << p.second;
    for (auto [x, y] : part) EXPECT_LE(y, 20);
}

TEST(CanvasNotXor, DrawingTwiceRestoresThePixels)
{
    const std::vector<std::pair<const char*, std::function<void(TCanvas&)>>> figures = {
        {"line", [](TCanvas& c) { c.MoveTo(-3, 2), c.LineTo(37, 29); }},
        {"polyline", [](TCanvas& c) { c.MoveTo(5, 5), c.LineTo(30, 5), c.LineTo(30, 30), c.LineTo(5, 5); }},
        {"band", [](TCanvas& c) { c.Brush.Style = TBrushStyle::Clear, c.Rectangle(3, 4, 33, 21); }},
        {"thin band", [](TCanvas& c) { c.Brush.Style = TBrushStyle::Clear, c.Rectangle(3, 4, 4, 21); }},
        {"wide line", [](TCanvas& c) { c.Pen.Width = 5, c.MoveTo(2, 30), c.LineTo(35, 3); }},
        {"arc", [](TCanvas& c) { c.Pen.Width = 4, c.Arc(2, 3, 37, 33, 0, 0, 0, 0); }},
    };
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        for (const auto& [name, draw] : figures) {
            SCOPED_TRACE(testing::Message() << name << " format " << format);
            QImage image(40, 40, format);
            QRandomGenerator rng(11);
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    image.setPixel(x, y, format == QImage::Format_ARGB32 ? rng.generate() : rng.generate() | 0xFF000000u);
            const QImage before = image.copy();
            TCanvas canvas(&image);
            canvas.Pen.Mode = TPenMode::NotXor;
            draw(canvas);
            EXPECT_NE(image, before);
            canvas.Brush = TBrush{};
            canvas.Pen.Width = 1;
            draw(canvas);
            EXPECT_EQ(image, before);
        }
    }
}

TEST(CanvasNotXor, BlackPenInvertsExactlyTheStroke)
{
    QImage copy = White(20, 20), xored(20, 20, QImage::Format_RGB32);
    xored.fill(ToQRgb(0x123456));
    TCanvas a(&copy), b(&xored);
    b.Pen.Mode = TPenMode::NotXor;
    for (TCanvas* c : {&a, &b}) {
        c->Pen.Width = 3;
        c->MoveTo(2, 3);
        c->LineTo(17, 5);
        c->Pen.Width = 1;
        c->Arc(2, 8, 18, 19, 0, 0, 0, 0);
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            EXPECT_EQ(FromQRgb(xored.pixel(x, y)), FromQRgb(copy.pixel(x, y)) == clBlack ? 0xEDCBA9u : 0x123456u);
    // A coloured pen: NOT(pixel XOR pen).
    QImage one(1, 1, QImage::Format_RGB32);
    one.fill(ToQRgb(0x00F0F0F0));
    TCanvas c(&one);
    c.Pen = TPen{0x000F00FF, 1, TPenMode::NotXor};
    c.MoveTo(0, 0);
    c.LineTo(1, 0);
    EXPECT_EQ(c.Pixel(0, 0), 0x00000FF0u);
}

TEST(CanvasFloodFill, ArrowheadBecomesSolidBesideTheYLabel)
{
    // The Y axis and its arrowhead, the label, then both halves filled, as the axes
    // are drawn.
    QImage image = White(40, 40);
    TCanvas canvas(&image);
    const int x0 = 20, yTop = 3;
    canvas.MoveTo(x0, 39);
    canvas.LineTo(x0, yTop);
    canvas.LineTo(x0 + 5, yTop + 5);
    canvas.LineTo(x0 - 5, yTop + 5);
    canvas.LineTo(x0, yTop);
    canvas.TextOut(x0 - 10, yTop + 5, QStringLiteral("Y"));
    canvas.Brush.Color = clBlack;
    canvas.FloodFill(x0 - 1, yTop + 4, clBlack);
    canvas.FloodFill(x0 + 1, yTop + 4, clBlack);

    for (int k = 0; k <= 4; ++k) {
        SCOPED_TRACE(k);
        for (int x = x0 - k; x <= x0 + k; ++x) EXPECT_EQ(canvas.Pixel(x, yTop + k), clBlack) << x;
        EXPECT_EQ(canvas.Pixel(x0 - k - 1, yTop + k), clWhite);
        EXPECT_EQ(canvas.Pixel(x0 + k + 1, yTop + k), clWhite);
    }
    for (int x = x0 - 3; x <= x0 + 5; ++x) EXPECT_EQ(canvas.Pixel(x, yTop + 5), clBlack) << x;
    for (int y = 0; y < yTop; ++y)
        for (int x = 0; x < 40; ++x) EXPECT_EQ(canvas.Pixel(x, y), clWhite);
}

TEST(CanvasFloodFill, StopsAtTheBorderColourOnly)
{
    QImage image = White(12, 8);
    TCanvas canvas(&image);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.Rectangle(1, 1, 9, 7);
    // Other colours than the border's are filled over.
    canvas.SetPixel(4, 3, clRed);
    canvas.Pen.Color = 0x00FF00;
    canvas.MoveTo(6, 2);
    canvas.LineTo(6, 6);
    canvas.Brush = TBrush{0xFF0000, TBrushStyle::Solid};
    canvas.FloodFill(2, 2, clBlack);
    EXPECT_EQ(Art(image, clBlack, 0xFF0000),
              Rows({"............", ".########...", ".#oooooo#...", ".#oooooo#...", ".#oooooo#...",
                    ".#oooooo#...", ".########...", "............"}));

    // Starting on the border colour, outside the image, or with a clear brush: nothing.
    const QImage before = image.copy();
    canvas.FloodFill(1, 1, clBlack);
    canvas.FloodFill(-1, 3, clWhite);
    canvas.FloodFill(12, 3, clWhite);
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.FloodFill(11, 0, clBlack);
    EXPECT_EQ(image, before);
}

TEST(CanvasFloodFill, FillsAnOpenImageWhole)
{
    QImage image = White(64, 48);
    TCanvas canvas(&image);
    // A wall with a gap lets the fill through to the other side.
    canvas.MoveTo(30, 0);
    canvas.LineTo(30, 47);
    canvas.Brush.Color = clRed;
    canvas.FloodFill(0, 0, clBlack);
    EXPECT_EQ(Coloured(image, clRed).size(), size_t(64 * 48 - 47));
}

namespace {

// The same figure on a small image and on a big one that shows it unclipped: the
// small image must match the big one's window onto it.
void ExpectClippedMatchesUnclipped(const std::function<void(TCanvas&, int dx, int dy)>& draw)
{
    const int off = 1200;
    QImage small = White(40, 30), big = White(2500, 2500);
    TCanvas s(&small), b(&big);
    draw(s, 0, 0);
    draw(b, off, off);
    EXPECT_EQ(small, big.copy(off, off, 40, 30));
}

}  // namespace

TEST(CanvasClipping, FarEndsSetTheSamePixelsAsTheWholeFigure)
{
    struct Case {
        const char* name;
        QPoint a, b;
    };
    const Case lines[] = {
        {"shallow", {-1100, -37}, {1180, 55}}, {"steep", {-20, -1150}, {61, 1190}},
        {"corner", {-1000, 1100}, {1150, -1031}}, {"in to out", {17, 12}, {-1199, 1003}},
        {"out to in", {1199, -1003}, {23, 9}}, {"passing by", {-1000, -500}, {500, -1}},
    };
    for (const Case& c : lines) {
        for (int width : {1, 2, 5}) {
            SCOPED_TRACE(testing::Message() << c.name << " pen " << width);
            ExpectClippedMatchesUnclipped([&](TCanvas& cv, int dx, int dy) {
                cv.Pen.Width = width;
                cv.MoveTo(c.a.x() + dx, c.a.y() + dy);
                cv.LineTo(c.b.x() + dx, c.b.y() + dy);
            });
        }
    }
    const QRect boxes[] = {QRect(QPoint(-1100, -900), QPoint(40, 28)), QRect(QPoint(-600, -1000), QPoint(1190, 1000)),
                           QRect(QPoint(25, -1100), QPoint(1000, 1100)), QRect(QPoint(-1000, -1000), QPoint(1100, 10))};
    for (const QRect& box : boxes) {
        for (int width : {1, 4}) {
            SCOPED_TRACE(testing::Message() << "ellipse " << box.left() << "," << box.top() << " pen " << width);
            ExpectClippedMatchesUnclipped([&](TCanvas& cv, int dx, int dy) {
                cv.Pen.Width = width;
                cv.Brush.Color = clRed;
                cv.Ellipse(box.left() + dx, box.top() + dy, box.right() + dx, box.bottom() + dy);
                cv.Arc(box.left() + 3 + dx, box.top() + dy, box.right() + dx, box.bottom() + dy, 0, 0, 0, 0);
                cv.Brush.Color = 0x00FF00;
                cv.Rectangle(box.left() - 7 + dx, box.top() + 5 + dy, box.right() + 9 + dx, box.bottom() - 3 + dy);
            });
        }
    }
}

TEST(CanvasClipping, EndsNearTheInt32Limits)
{
    struct Case {
        const char* name;
        QPoint a, b;
        std::function<bool(int x, int y)> expected;
    };
    const Case cases[] = {
        {"diagonal", {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, [](int x, int y) { return x == y; }},
        {"row", {INT_MAX, 5}, {INT_MIN, 5}, [](int, int y) { return y == 5; }},
        {"column", {7, INT_MIN}, {7, INT_MAX}, [](int x, int) { return x == 7; }},
        // y = 10 + 20 (x - INT_MIN) / (2^32 - 1) stays 20 across the image.
        {"shallow", {INT_MIN, 10}, {INT_MAX, 30}, [](int, int y) { return y == 20; }},
        {"outside", {INT_MIN, -1}, {INT_MAX, -1}, [](int, int) { return false; }},
    };
    for (const Case& c : cases) {
        for (TPenMode mode : {TPenMode::Copy, TPenMode::NotXor}) {
            SCOPED_TRACE(c.name);
            QImage image = White(40, 30);
            TCanvas canvas(&image);
            canvas.Pen.Mode = mode;
            canvas.MoveTo(c.a.x(), c.a.y());
            canvas.LineTo(c.b.x(), c.b.y());
            for (int y = 0; y < 30; ++y)
                for (int x = 0; x < 40; ++x)
                    EXPECT_EQ(canvas.Pixel(x, y), c.expected(x, y) ? clBlack : clWhite) << x << "," << y;
        }
    }
}

TEST(CanvasClipping, HugeEllipsesFollowThePixelRule)
{
    // Inside: the pixel centre lies in the ellipse touching the box's outer edges, or
    // in the box's middle row or column; outline: inside with a 4-neighbour outside.
    // Checked pixel by pixel here.
    using u128 = unsigned __int128;
    struct Box {
        int64_t x1, y1, x2, y2;
    };
    const Box boxes[] = {
        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},  // the image sits near the centre
        {-2147483000LL, -1000, 36, 1040},     // the right end in view: only its middle rows
        // A circle of radius 10^9 through (20, 15), at 45 degrees from its centre.
        {-1707106761LL, -1707106766LL, 292893239, 292893234},
        {-7, INT_MIN, 33, INT_MAX},     // a tall thin ellipse
        {INT_MIN + 5, 0, INT_MAX, 25},  // a wide flat one
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(testing::Message() << b.x1 << "," << b.y1 << "," << b.x2 << "," << b.y2);
        const int64_t xa = b.x1, xb = b.x2 - 1, ya = b.y1, yb = b.y2 - 1, bw = xb - xa + 1, bh = yb - ya + 1;
        auto sq = [](int64_t v) { return u128(v < 0 ? -v : v) * u128(v < 0 ? -v : v); };
        auto inside = [&](int64_t x, int64_t y) {
            if (x < xa || x > xb || y < ya || y > yb) return false;
            const int64_t u = 2 * x - xa - xb, v = 2 * y - ya - yb;
            return (u >= -1 && u <= 1) || (v >= -1 && v <= 1) || sq(u) * sq(bh) <= sq(bw) * (sq(bh) - sq(v));
        };
        QImage image = White(40, 30);
        TCanvas canvas(&image);
        canvas.Brush.Color = clRed;
        canvas.Ellipse(int(b.x1), int(b.y1), int(b.x2), int(b.y2));
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 40; ++x) {
                TColor expected = clWhite;
                if (inside(x, y)) {
                    const bool edge = !inside(x + 1, y) || !inside(x - 1, y) || !inside(x, y + 1) || !inside(x, y - 1);
                    expected = edge ? clBlack : clRed;
                }
                ASSERT_EQ(canvas.Pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(CanvasText, LabelBoxesAreNarrowAndOpaque)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(ToQRgb(clRed));
    TCanvas canvas(&image);
    // The Y label starts 10 pixels left of the axis and must end before the arrowhead
    // base, 3 pixels left of it.
    const QSize y = canvas.TextExtent(QStringLiteral("Y"));
    EXPECT_LE(y.width(), 7);
    EXPECT_GE(y.width(), 4);
    EXPECT_GE(y.height(), 8);
    EXPECT_LE(y.height(), 16);
    EXPECT_GT(canvas.TextExtent(QStringLiteral("-1")).width(), canvas.TextExtent(QStringLiteral("1")).width());

    canvas.TextOut(3, 2, QStringLiteral("Y"));
    int ink = 0;
    for (int py = 0; py < 20; ++py) {
        for (int px = 0; px < 30; ++px) {
            const TColor c = canvas.Pixel(px, py);
            const bool inBox = px >= 3 && px < 3 + y.width() && py >= 2 && py < 2 + y.height();
            if (!inBox) EXPECT_EQ(c, clRed) << px << "," << py;
            else EXPECT_TRUE(c == clWhite || c == clBlack) << px << "," << py;
            ink += c == clBlack;
        }
    }
    EXPECT_GT(ink, 4);

    // A clear brush leaves the background; FontColor colours the glyph.
    QImage clear(30, 20, QImage::Format_RGB32);
    clear.fill(ToQRgb(clRed));
    TCanvas other(&clear);
    other.Brush.Style = TBrushStyle::Clear;
    other.FontColor = 0x00FF00;
    other.TextOut(3, 2, QStringLiteral("Y"));
    EXPECT_EQ(Coloured(clear, 0x00FF00), Coloured(image, clBlack));
    EXPECT_EQ(Coloured(clear, clRed).size(), size_t(30 * 20) - Coloured(image, clBlack).size());

    // Off the image: nothing, whatever the coordinates.
    const QImage before = image.copy();
    canvas.TextOut(INT_MIN, INT_MAX, QStringLiteral("X"));
    canvas.TextOut(INT_MAX, 3, QStringLiteral("X"));
    canvas.TextOut(-y.width(), 3, QStringLiteral("Y"));
    EXPECT_EQ(image, before);
}

TEST(CanvasTarget, NoImageDrawsNothing)
{
    TCanvas canvas;
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 10);
    canvas.Rectangle(0, 0, 5, 5);
    canvas.Ellipse(0, 0, 5, 5);
    canvas.FloodFill(1, 1, clBlack);
    canvas.TextOut(0, 0, QStringLiteral("A"));
    EXPECT_EQ(canvas.Pixel(0, 0), clInvalid);
    EXPECT_EQ(canvas.PenPos(), QPoint(10, 10));

    int changes = 0;
    QImage image = White(5, 5);
    canvas.SetTarget(&image);
    canvas.OnChange = [&] { ++changes; };
    canvas.LineTo(0, 0);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(canvas.Pixel(4, 4), clBlack);
    EXPECT_EQ(canvas.Pixel(5, 0), clInvalid);
}

TEST(CanvasColour, ConversionsKeepTheChannels)
{
    EXPECT_EQ(ToQRgb(0x00332211), 0xFF112233u);
    EXPECT_EQ(FromQRgb(0xFF112233u), 0x00332211u);
    EXPECT_EQ(FromQColor(QColor(0x11, 0x22, 0x33)), 0x00332211u);
    EXPECT_EQ(ToQColor(clRed), QColor(Qt::red));
}
