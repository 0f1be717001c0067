// The circumscribed and inscribed circles: centres, radii and pixel boxes from
// the routines, then the pictures the three menu commands leave.
#include "drawing/Drawing.h"
#include "TriangleFixture.h"
#include "drawing/WorldCanvas.h"
#include "triangle/TriangleCircles.h"

#include <QAction>
#include <optional>
#include <sstream>

using platform::clRed;
using platform::clWhite;

namespace {

struct Expected {
    double x, y, radius;
    TPixelBox box;
};

struct CircleCase {
    const char* name;
    TTrianglePoints points;
    double min, max;                        // the window the construction fits
    std::optional<Expected> firstMethod;    // the circumscribed circle of "Вписане коло"
    std::optional<Expected> circumscribed;  // what "Описане коло" draws, by either method
    std::optional<Expected> inscribed;
};

const CircleCase kCases[] = {
    {"start triangle", {{{0, 0}, {4, 0}, {0, 3}}}, -1, 5,
     std::nullopt, Expected{2, 1.5, 2.5, {42, 500, 458, 83}}, Expected{1, 1, 1, {83, 417, 250, 250}}},
    {"no level side", {{{1, 0}, {5, 1}, {2, 4}}}, -1, 6,
     Expected{2.7, 1.7, 2.4042, {93, 479, 436, 135}}, Expected{2.7, 1.7, 2.4042, {93, 479, 436, 135}},
     Expected{2.6507, 1.6507, 1.2011, {175, 396, 347, 225}}},
    {"level top side", {{{0, 0}, {4, 3}, {0, 3}}}, -1, 5,
     std::nullopt, Expected{2, 1.5, 2.5, {42, 500, 458, 83}}, Expected{1, 2, 1, {83, 333, 250, 167}}},
    {"level lowest side given last", {{{4, 0}, {0, 3}, {0, 0}}}, -1, 5,
     std::nullopt, Expected{2, 1.5, 2.5, {42, 500, 458, 83}}, Expected{1, 1, 1, {83, 417, 250, 250}}},
    // The level side's midpoint on the Y axis: its bisector comes out very steep, not upright.
    {"level side about the Y axis", {{{-2, 0}, {2, 0}, {1, 3}}}, -3, 4,
     Expected{0, 1, 2.2361, {55, 374, 374, 55}}, Expected{0, 1, 2.2361, {55, 374, 374, 55}},
     Expected{0.5402, 1.0522, 1.0522, {178, 286, 328, 135}}},
    {"the same moved right", {{{-1, 0}, {3, 0}, {2, 3}}}, -2, 4,
     std::nullopt, Expected{1, 1, 2.2361, {64, 436, 436, 64}},
     Expected{1.5402, 1.0522, 1.0522, {207, 333, 383, 158}}},
};

std::string Describe(const std::optional<TCircle>& c)
{
    if (!c) return "none";
    std::ostringstream s;
    s << "(" << c->Centre.X << ", " << c->Centre.Y << ") r " << c->Radius;
    return s.str();
}

void ExpectCircle(const std::optional<TCircle>& got, const std::optional<Expected>& want, double min, double max,
                  const char* what)
{
    SCOPED_TRACE(what);
    ASSERT_EQ(got.has_value(), want.has_value()) << Describe(got);
    if (!want) return;
    EXPECT_NEAR(got->Centre.X, want->x, 5e-5);
    EXPECT_NEAR(got->Centre.Y, want->y, 5e-5);
    EXPECT_NEAR(got->Radius, want->radius, 5e-5);
    platform::TCanvas nowhere;
    const TWorldCanvas world{nowhere, {min, max, min, max}, 500, 500};
    EXPECT_EQ(world.CircleBox(got->Centre.X, got->Centre.Y, got->Radius), want->box);
}

std::optional<TCircle> FirstMethod(const TTrianglePoints& points)
{
    const TTrianglePoints sorted = SortByY(points);
    const TTriangleMeasures m = MeasureTriangle(sorted, false);
    const auto [line1, line2] = CircumcentreLines(sorted);
    const std::optional<TVertex> centre = LineIntersection(line1, line2);
    if (!centre) return std::nullopt;
    return TCircle{*centre, m.CircumRadius};
}

std::optional<TCircle> Inscribed(const TTrianglePoints& points)
{
    const TTrianglePoints sorted = SortByY(points);
    const TTriangleMeasures m = MeasureTriangle(sorted, true);
    const auto [line1, line2] = IncentreLines(sorted, m.Alpha, m.Gamma);
    const std::optional<TVertex> centre = LineIntersection(line1, line2);
    if (!centre) return std::nullopt;
    return TCircle{*centre, m.InRadius};
}

std::array<QString, 6> Fields(const TTrianglePoints& p)
{
    std::array<QString, 6> texts;
    for (int i = 0; i < 3; ++i) {
        texts[2 * i] = QString::number(p[i].X);
        texts[2 * i + 1] = QString::number(p[i].Y);
    }
    return texts;
}

}  // namespace

TEST(TriangleCircles, SortByYIsStable)
{
    const TTrianglePoints sorted = SortByY({{{5, 2}, {1, 0}, {3, 2}}});
    EXPECT_EQ(sorted[0].X, 1.0);
    EXPECT_EQ(sorted[1].X, 5.0);
    EXPECT_EQ(sorted[2].X, 3.0);
    const TTrianglePoints level = SortByY({{{0, 1}, {4, 1}, {2, 1}}});
    EXPECT_EQ(level[0].X, 0.0);
    EXPECT_EQ(level[1].X, 4.0);
    EXPECT_EQ(level[2].X, 2.0);
    const TTrianglePoints reversed = SortByY({{{0, 3}, {1, 2}, {2, 1}}});
    EXPECT_EQ(reversed[0].Y, 1.0);
    EXPECT_EQ(reversed[2].Y, 3.0);
}

TEST(TriangleCircles, CentresRadiiAndBoxes)
{
    for (const CircleCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ExpectCircle(FirstMethod(c.points), c.firstMethod, c.min, c.max, "first method");
        ExpectCircle(Inscribed(c.points), c.inscribed, c.min, c.max, "inscribed");
        if (!c.firstMethod && c.circumscribed)
            ExpectCircle(CircumcircleByEquations(c.points[0], c.points[1], c.points[2]), c.circumscribed, c.min,
                         c.max, "second method");
    }
}

TEST(TriangleCircles, SecondMethodDividesByZeroOnAnUprightFirstSide)
{
    try {
        CircumcircleByEquations({0, 3}, {0, 0}, {4, 0});
        FAIL() << "no fault";
    } catch (const platform::Error& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
}

TEST(TriangleCircles, DrawCircleAtIntersectionOnABareImage)
{
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(platform::ToQRgb(clWhite));
    platform::TCanvas canvas(&image);
    const TWorldCanvas world{canvas, {0, 10, 0, 10}, 100, 100};
    // y = x and y = 10 - x cross at (5, 5).
    const TLine rising{{0, 0}, {1, 1}}, falling{{0, 10}, {2, -2}};
    EXPECT_TRUE(DrawCircleAtIntersection(world, clRed, 3, 2, rising, falling));
    EXPECT_EQ(canvas.Pen.Color, clRed);
    EXPECT_EQ(canvas.Pen.Width, 3);

    QImage expected(100, 100, QImage::Format_RGB32);
    expected.fill(platform::ToQRgb(clWhite));
    platform::TCanvas reference(&expected);
    reference.Pen.Color = clRed;
    reference.Pen.Width = 3;
    reference.Arc(30, 70, 70, 30, 0, 0, 0, 0);
    EXPECT_EQ(image, expected);

    // No crossing: an upright direction, or equal slopes.
    const QImage before = image;
    canvas.Pen.Color = platform::clBlack;
    EXPECT_FALSE(DrawCircleAtIntersection(world, clRed, 1, 2, {{1, 1}, {0, 1}}, falling));
    EXPECT_FALSE(DrawCircleAtIntersection(world, clRed, 1, 2, rising, {{0, 10}, {0, -1}}));
    EXPECT_FALSE(DrawCircleAtIntersection(world, clRed, 1, 2, rising, {{0, 3}, {-2, -2}}));
    EXPECT_EQ(image, before);
    EXPECT_EQ(canvas.Pen.Color, platform::clBlack);  // the pen is set only for a circle
}

// The construction of the same store on a fresh surface, with these circles drawn in red.
class TriangleCircleCommands : public TriangleTest {
protected:
    QImage Reference(std::initializer_list<TPixelBox> boxes)
    {
        EXPECT_EQ(Construct(), "");
        platform::TCanvas& canvas = Form2->Image1->Canvas();
        canvas.Pen.Color = clRed;
        canvas.Pen.Width = 1;
        for (const TPixelBox& b : boxes) canvas.Arc(b.X1, b.Y1, b.X2, b.Y2, 0, 0, 0, 0);
        return Surface().copy();
    }
};

TEST_F(TriangleCircleCommands, EachCommandDrawsItsCirclesOverTheConstruction)
{
    for (const CircleCase& c : kCases) {
        SCOPED_TRACE(c.name);
        struct Command {
            const char* name;
            void (TForm1::*handler)();
            const std::optional<Expected>& circumscribed;
            bool inscribed;
        };
        const Command commands[] = {
            {"N22", &TForm1::N22Click, c.circumscribed, false},
            {"N21", &TForm1::N21Click, c.firstMethod, true},
            {"N23", &TForm1::N23Click, c.firstMethod, true},
        };
        for (const Command& command : commands) {
            SCOPED_TRACE(command.name);
            Type(Fields(c.points));
            ASSERT_EQ(Run(command.handler), "");
            EXPECT_EQ(VertexCount, 3);
            EXPECT_EQ(Vertices[3].X, c.points[2].X);
            EXPECT_EQ(Form2->Drawing->Window.XMin, c.min);
            EXPECT_EQ(Form2->Drawing->Window.XMax, c.max);
            const QImage drawn = Surface().copy();
            std::vector<TPixelBox> boxes;
            if (command.circumscribed) boxes.push_back(command.circumscribed->box);
            if (command.inscribed && c.inscribed) boxes.push_back(c.inscribed->box);
            QImage expected;
            if (boxes.size() == 2)
                expected = Reference({boxes[0], boxes[1]});
            else if (boxes.size() == 1)
                expected = Reference({boxes[0]});
            else
                expected = Reference({});
            EXPECT_TRUE(drawn == expected);
        }
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(TriangleCircleCommands, SecondMethodKeepsItsRadius)
{
    Type(0, 0, 4, 3, 0, 3);
    ASSERT_EQ(Run(&TForm1::N22Click), "");
    EXPECT_EQ(CircumRadius, 2.5);
}

TEST_F(TriangleCircleCommands, CirclesTakeTheFigurePen)
{
    Form2->Drawing->FigurePenColor = 0x00FF00;
    Form2->Drawing->FigurePenWidth = 3;
    Type(1, 0, 5, 1, 2, 4);
    ASSERT_EQ(Run(&TForm1::N21Click), "");
    const QImage drawn = Surface().copy();
    ASSERT_EQ(Construct(), "");
    platform::TCanvas& canvas = Form2->Image1->Canvas();
    canvas.Arc(93, 479, 436, 135, 0, 0, 0, 0);
    canvas.Arc(175, 396, 347, 225, 0, 0, 0, 0);
    EXPECT_TRUE(drawn == Surface());
}

TEST_F(TriangleCircleCommands, AFractionalFieldIsRefusedOnlyByTheIntegerCommand)
{
    StoreFigure({{9, 9}, {8, 8}, {7, 7}, {6, 6}});
    Type({"2,5", "0", "4", "0", "0", "3"});
    EXPECT_EQ(Run(&TForm1::N21Click), "'2,5' is not a valid integer value");
    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(Vertices[1].X, 9.0);
    EXPECT_FALSE(Form2->isVisible());

    EXPECT_EQ(Run(&TForm1::N22Click), "");
    EXPECT_EQ(Vertices[1].X, 2.5);
    EXPECT_EQ(Run(&TForm1::N23Click), "");

    Form1->Edit6->setText("3.");
    EXPECT_EQ(Run(&TForm1::N23Click), "'3.' is not a valid floating point value");
}

TEST_F(TriangleCircleCommands, FlatAndPointlikeTrianglesFailWhereTheRadiiDivide)
{
    struct Case {
        std::array<int, 6> xy;
        void (TForm1::*handler)();
        std::string message;
    };
    const Case cases[] = {
        {{0, 0, 1, 1, 2, 2}, &TForm1::N22Click, "Floating point division by zero"},
        {{0, 0, 1, 1, 2, 2}, &TForm1::N21Click, "Floating point division by zero"},
        {{0, 0, 0, 0, 4, 3}, &TForm1::N22Click, "Invalid floating point operation"},
        {{5, 5, 5, 5, 5, 5}, &TForm1::N21Click, "Invalid floating point operation"},
        {{5, 5, 5, 5, 5, 5}, &TForm1::N22Click, "Invalid floating point operation"},
    };
    for (const Case& c : cases) {
        Type(c.xy[0], c.xy[1], c.xy[2], c.xy[3], c.xy[4], c.xy[5]);
        const size_t asked = dialogs.Shown.size();
        EXPECT_EQ(Run(c.handler), c.message);
        EXPECT_EQ(dialogs.Shown.size(), asked + 1);  // the check questioned it, the answer was Yes
        EXPECT_EQ(VertexCount, 3);
    }
}

TEST_F(TriangleCircleCommands, AnUprightFirstSideEndsTheSecondMethodWithTheTriangleDrawn)
{
    Type(0, 3, 0, 0, 4, 0);
    EXPECT_EQ(Run(&TForm1::N22Click), "Floating point division by zero");
    const QImage drawn = Surface().copy();
    EXPECT_TRUE(drawn == Reference({}));
}

TEST_F(TriangleCircleCommands, ALargeCircleIsClippedByThePicture)
{
    Type(0, 0, 4, 1, 1, 3);
    Form1->N22->trigger();
    EXPECT_TRUE(dialogs.Shown.empty());
    const std::optional<TCircle> circle = FirstMethod({{{0, 0}, {4, 1}, {1, 3}}});
    ASSERT_TRUE(circle.has_value());
    platform::TCanvas nowhere;
    const TWorldCanvas world{nowhere, {-1, 5, -1, 5}, 500, 500};
    EXPECT_EQ(world.CircleBox(circle->Centre.X, circle->Centre.Y, circle->Radius).Y1, 508);
    EXPECT_TRUE(Surface().copy() == Reference({world.CircleBox(circle->Centre.X, circle->Centre.Y, circle->Radius)}));
}

TEST_F(TriangleCircleCommands, WithoutClearingEarlierCirclesStay)
{
    Form2->CheckBox2->setChecked(false);
    Type(0, 0, 4, 0, 0, 3);
    ASSERT_EQ(Run(&TForm1::N21Click), "");  // the inscribed circle only
    Type(0, 0, 4, 3, 0, 3);
    ASSERT_EQ(Run(&TForm1::N22Click), "");  // in the same window
    // The first command's circle, drawn alone, is still there.
    QImage alone(500, 500, QImage::Format_RGB32);
    alone.fill(platform::ToQRgb(clWhite));
    platform::TCanvas canvas(&alone);
    canvas.Pen.Color = clRed;
    canvas.Arc(83, 417, 250, 250, 0, 0, 0, 0);
    int outline = 0, kept = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x)
            if (platform::FromQRgb(alone.pixel(x, y)) == clRed) {
                ++outline;
                kept += Pixel(x, y) == clRed;
            }
    ASSERT_GT(outline, 100);
    EXPECT_GT(kept, outline * 9 / 10);  // but where the later axes cross it
}
