#include "FormsFixture.h"
#include "SurfaceMapping.h"
#include "drawing/Form2.h"
#include "platform/Canvas.h"
#include "platform/ErrorBoundary.h"
#include "platform/Errors.h"
#include "platform/Image.h"
#include "platform/Memo.h"
#include "regular/RegularPolygon.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegion>
#include <vector>

using platform::clBlack;
using platform::clRed;
using platform::clWhite;

namespace {

class RegularTest : public FormsTest {
protected:
    static void Fields(const QString& n, const QString& side, const QString& degrees)
    {
        Form1->Edit19->setText(n);
        Form1->Edit20->setText(side);
        Form1->Edit22->setText(degrees);
    }
    // Runs a command; the message of the error that ended it, or "".
    static std::string Run(void (TForm1::*command)())
    {
        try {
            (Form1->*command)();
        } catch (const platform::Error& e) {
            return e.what();
        }
        return {};
    }
    static QStringList Memo3() { return Form1->Memo3->Lines(); }
    static const QImage& Surface() { return Form2->Image1->Picture().Image(); }
    static platform::TColor Pixel(int x, int y) { return platform::FromQRgb(Surface().pixel(x, y)); }

    // A first picture to tell whether a command blanked it: the default triangle.
    void DrawEarlierPicture()
    {
        Vertices[1] = {0, 0};
        Vertices[2] = {4, 0};
        Vertices[3] = {0, 3};
        VertexCount = 3;
        Form1->N8Click();
        ASSERT_EQ(Pixel(83, 417), clRed);
        Form1->Memo3->Clear();
    }

    // Every pixel of the circle's outline over this box is black on the surface, or red
    // where the polygon's outline runs over it, or under a vertex letter's white box.
    // The inside is filled white, so a box one pixel off puts outline pixels where the
    // surface is white.
    static void ExpectCircle(int x1, int y1, int x2, int y2)
    {
        QRegion letters;
        const platform::TCanvas probe;
        for (int32_t i = 1; i <= VertexCount; ++i)
            letters += QRect(QPoint(SurfaceX(Vertices[i].X) + 10, SurfaceY(Vertices[i].Y) + 10), probe.TextExtent("W"));
        QImage alone(Surface().size(), QImage::Format_RGB32);
        alone.fill(platform::ToQRgb(clWhite));
        platform::TCanvas canvas(&alone);
        canvas.Ellipse(x1, y1, x2, y2);
        int outline = 0;
        int misses = 0;
        for (int y = 0; y < alone.height(); ++y)
            for (int x = 0; x < alone.width(); ++x) {
                if (platform::FromQRgb(alone.pixel(x, y)) != clBlack) continue;
                ++outline;
                const platform::TColor seen = Pixel(x, y);
                misses += seen != clBlack && seen != clRed && !letters.contains(QPoint(x, y));
            }
        EXPECT_GT(outline, 100);
        EXPECT_EQ(misses, 0) << "box " << x1 << "," << y1 << " - " << x2 << "," << y2;
    }
};

}  // namespace

TEST_F(RegularTest, BuildStoresListsAndDrawsTheDefaultTriangle)
{
    Form1->Memo3->Add("earlier");
    Form1->N18->trigger();
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(EntryCursor, 1);
    EXPECT_EQ(Vertices[1].X, RegularPolygonRadius(TRegularCircle::Circumscribed, 3, 5));
    EXPECT_EQ(Vertices[1].Y, 0.0);
    // The vertex lines, then the check's line.
    EXPECT_EQ(Memo3(), QStringList({"earlier", "2,89      0", "-1,44      2,5", "-1,44      -2,5", ""}));
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Edit3->text(), "-3,5");  // the smallest coordinate, -2.5, minus 1
    EXPECT_EQ(Pixel(SurfaceX(Vertices[1].X), SurfaceY(Vertices[1].Y)), clRed);  // the outline starts at A
}

TEST_F(RegularTest, BuiltSquaresWithTheirWindowsAndCircles)
{
    struct Case {
        const char* degrees;
        bool circumscribed, inscribed;
        QStringList lines;
        const char* minShown;
        std::vector<std::array<int, 4>> boxes;
    };
    const Case cases[] = {
        {"0", true, false, {"3,54      0", "0      3,54", "-3,54      0", "0      -3,54", ""}, "-4,54",
         {{55, 445, 445, 55}}},
        {"0", false, true, {"3,54      0", "0      3,54", "-3,54      0", "0      -3,54", ""}, "-4,54",
         {{112, 388, 388, 112}}},
        {"0", true, true, {"3,54      0", "0      3,54", "-3,54      0", "0      -3,54", ""}, "-4,54",
         {{55, 445, 445, 55}, {112, 388, 388, 112}}},
        // Turned by 45 degrees the window is tighter and the circle through the
        // vertices runs beyond the picture.
        {"45", true, false, {"2,5      2,5", "-2,5      2,5", "-2,5      -2,5", "2,5      -2,5", ""}, "-3,5",
         {{-3, 503, 503, -3}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.degrees) + (c.circumscribed ? " circumscribed" : "") +
                     (c.inscribed ? " inscribed" : ""));
        Form1->Memo3->Clear();
        Fields("4", "5", c.degrees);
        Form1->CheckBox1->setChecked(c.circumscribed);
        Form1->CheckBox2->setChecked(c.inscribed);
        ASSERT_EQ(Run(&TForm1::N18Click), "");
        EXPECT_EQ(Memo3(), c.lines);
        EXPECT_EQ(Form2->Edit3->text(), c.minShown);
        for (const auto& box : c.boxes) ExpectCircle(box[0], box[1], box[2], box[3]);
        EXPECT_EQ(Pixel(250 + 3, 250 - 3), clWhite);  // the brush filled the insides
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(RegularTest, HexagonHasTheSideAsItsRadius)
{
    Fields("6", "5", "0");
    ASSERT_EQ(Run(&TForm1::N18Click), "");
    EXPECT_EQ(Vertices[1].X, 5.0);
    EXPECT_EQ(Memo3().first(), "5      0");
    EXPECT_EQ(Memo3().size(), 7);
    EXPECT_TRUE(dialogs.Shown.empty());  // its parallel sides pass the check
}

TEST_F(RegularTest, ListGrowsOverBuildsUntilTheAreaEmptiesIt)
{
    ASSERT_EQ(Run(&TForm1::N18Click), "");
    Fields("4", "5", "45");
    ASSERT_EQ(Run(&TForm1::N18Click), "");
    EXPECT_EQ(Memo3(), QStringList({"2,89      0", "-1,44      2,5", "-1,44      -2,5", "", "2,5      2,5",
                                    "-2,5      2,5", "-2,5      -2,5", "2,5      -2,5", ""}));
    Fields("3", "5", "0");
    ASSERT_EQ(Run(&TForm1::N19Click), "");
    EXPECT_EQ(Memo3(), QStringList({"2,89      0", "-1,44      2,5", "-1,44      -2,5"}));
}

TEST_F(RegularTest, BuildBlanksThePictureFirstOnlyWhenAskedTo)
{
    for (bool clearFirst : {false, true}) {
        SCOPED_TRACE(clearFirst);
        Form2->CheckBox2->setChecked(true);
        DrawEarlierPicture();
        Form2->CheckBox2->setChecked(clearFirst);
        // The count fails to convert after the blanking, so nothing else is drawn.
        Fields("три", "5", "0");
        EXPECT_EQ(Run(&TForm1::N18Click), "'три' is not a valid integer value");
        EXPECT_EQ(Pixel(83, 417), clearFirst ? clWhite : clRed);
        EXPECT_EQ(VertexCount, 3);
        EXPECT_TRUE(Memo3().isEmpty());
    }
}

TEST_F(RegularTest, BuildFailuresLeaveWhatWasDoneBefore)
{
    struct Case {
        const char *n, *side, *degrees, *message;
        int32_t vertexCount;
    };
    const Case cases[] = {
        {"abc", "5", "0", "'abc' is not a valid integer value", 7},
        {"4", "5 см", "0", "'5 см' is not a valid floating point value", 4},
        {"4", "5", "45°", "'45°' is not a valid floating point value", 4},
        {"0", "5", "0", "Floating point division by zero", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Vertices[1] = {9, 9};
        VertexCount = 7;
        EntryCursor = 2;
        Fields(c.n, c.side, c.degrees);
        EXPECT_EQ(Run(&TForm1::N18Click), c.message);
        EXPECT_EQ(VertexCount, c.vertexCount);
        EXPECT_EQ(EntryCursor, c.vertexCount == 7 ? 2 : 1);
        EXPECT_EQ(Vertices[1].X, 9.0);  // no vertex written
        EXPECT_TRUE(Memo3().isEmpty());
        EXPECT_FALSE(Form2->isVisible());
    }
}

TEST_F(RegularTest, CountsBelowThreeAreBuiltAndLeftToTheCheck)
{
    // Two vertices: the check names the fault and asks; No resets the tabs.
    dialogs.Answers = {platform::TAnswer::No};
    Fields("2", "5", "0");
    ASSERT_EQ(Run(&TForm1::N18Click), "");
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "question");
    EXPECT_EQ(VertexCount, 0);
    EXPECT_FALSE(Form2->isVisible());

    // One vertex: sin π is not quite 0 in extended precision, so the radius is some
    // 5E19 and its two-decimal line is beyond the rounding's range.
    Fields("1", "5", "0");
    EXPECT_EQ(Run(&TForm1::N18Click), "Invalid floating point operation");
    EXPECT_EQ(VertexCount, 1);
    EXPECT_GT(std::abs(Vertices[1].X), 1e19);
}

TEST_F(RegularTest, CountsTheStoreCannotHoldAreRefusedBeforeAnythingChanges)
{
    Form2->CheckBox2->setChecked(true);
    DrawEarlierPicture();
    Form1->Memo3->Add("earlier");
    Form1->Edit17->setText("1");
    EntryCursor = 2;
    for (const char* count : {"-1", "1001", "$80000000", "2147483647"}) {
        for (auto command : {&TForm1::N18Click, &TForm1::N19Click}) {
            SCOPED_TRACE(std::string(count) + (command == &TForm1::N18Click ? " build" : " area"));
            dialogs.Shown.clear();
            Fields(count, "5", "0");
            ASSERT_EQ(Run(command), "");
            ASSERT_EQ(dialogs.Shown.size(), 1u);
            EXPECT_EQ(dialogs.Shown[0].Kind, "message");
            EXPECT_EQ(dialogs.Shown[0].Caption, "Помилка");
            EXPECT_TRUE(dialogs.Shown[0].Text.contains("1000"));
            EXPECT_EQ(VertexCount, 3);
            EXPECT_EQ(EntryCursor, 2);
            EXPECT_EQ(Memo3(), QStringList({"earlier"}));
            EXPECT_EQ(Form1->Edit17->text(), "1");
            EXPECT_EQ(Pixel(83, 417), clRed);  // not blanked
        }
    }
}

TEST_F(RegularTest, FullStoreIsBuilt)
{
    Fields("1000", "1", "0");
    ASSERT_EQ(Run(&TForm1::N18Click), "");
    EXPECT_EQ(VertexCount, 1000);
    EXPECT_EQ(Memo3().size(), 1001);
    EXPECT_EQ(Vertices[1001].X, Vertices[1].X);  // the construction's closing copy
    ASSERT_EQ(Run(&TForm1::N19Click), "");
    EXPECT_EQ(Memo3().size(), 1000);
    EXPECT_EQ(Form1->Edit17->text(), "79577,21");  // 1000 / (4 tan(π / 1000)) for the side 1
}

TEST_F(RegularTest, AreaIsThatOfThePolygonTheBuildMakesFromTheSameFields)
{
    struct Case {
        const char *n, *degrees, *area;
        QStringList lines;
    };
    const Case cases[] = {
        {"3", "0", "10,83", {"2,89      0", "-1,44      2,5", "-1,44      -2,5"}},
        {"4", "0", "25", {"3,54      0", "0      3,54", "-3,54      0", "0      -3,54"}},
        {"4", "45", "25", {"2,5      2,5", "-2,5      2,5", "-2,5      -2,5", "2,5      -2,5"}},
        {"4", "17,5", "25", {"3,37      1,06", "-1,06      3,37", "-3,37      -1,06", "1,06      -3,37"}},
        {"5", "0", "43,01", {"4,25      0", "1,31      4,05", "-3,44      2,5", "-3,44      -2,5", "1,31      -4,05"}},
        {"6", "0", "64,95",
         {"5      0", "2,5      4,33", "-2,5      4,33", "-5      0", "-2,5      -4,33", "2,5      -4,33"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.n) + " " + c.degrees);
        Form1->Memo3->Add("earlier");
        Fields(c.n, "5", c.degrees);
        ASSERT_EQ(Run(&TForm1::N19Click), "");
        EXPECT_EQ(Form1->Edit17->text(), c.area);
        EXPECT_EQ(Memo3(), c.lines);
        EXPECT_EQ(VertexCount, c.lines.size());
        EXPECT_EQ(EntryCursor, 1);
        EXPECT_EQ(Vertices[VertexCount + 1].X, Vertices[1].X);  // the closing copy
        EXPECT_EQ(Vertices[VertexCount + 1].Y, Vertices[1].Y);
        EXPECT_FALSE(Form2->isVisible());  // nothing drawn

        // The build computes the very same vertices, bit for bit.
        std::vector<TVertex> listed(Vertices.begin() + 1, Vertices.begin() + 1 + VertexCount);
        Form1->Memo3->Clear();
        ASSERT_EQ(Run(&TForm1::N18Click), "");
        EXPECT_EQ(Memo3().mid(0, VertexCount), c.lines);
        for (int32_t i = 1; i <= VertexCount; ++i) {
            EXPECT_EQ(Vertices[i].X, listed[i - 1].X) << i;
            EXPECT_EQ(Vertices[i].Y, listed[i - 1].Y) << i;
        }
        Form2->hide();
        Form1->Memo3->Clear();
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(RegularTest, AreaFailuresLeaveWhatWasDoneBefore)
{
    struct Case {
        const char *n, *side, *degrees, *message;
        int32_t vertexCount;
    };
    const Case cases[] = {
        {"abc", "5", "0", "'abc' is not a valid integer value", 7},
        {"4", "", "0", "'' is not a valid floating point value", 4},
        {"4", "5", "45°", "'45°' is not a valid floating point value", 4},
        // π / 0 for the radius, before any vertex.
        {"0", "5", "0", "Floating point division by zero", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Vertices[1] = {9, 9};
        VertexCount = 7;
        Form1->Memo3->Add("earlier");
        Form1->Edit17->setText("1");
        Fields(c.n, c.side, c.degrees);
        EXPECT_EQ(Run(&TForm1::N19Click), c.message);
        EXPECT_EQ(VertexCount, c.vertexCount);
        EXPECT_TRUE(Memo3().isEmpty());
        EXPECT_EQ(Vertices[1].X, 9.0);
        EXPECT_EQ(Form1->Edit17->text(), "1");
    }
}

TEST_F(RegularTest, NextVertexTypedOnThePolygonTabGoesIntoSlotTwo)
{
    ASSERT_EQ(Run(&TForm1::N19Click), "");
    Form1->Edit7->setText("5");
    AddVertex("7", "8");
    EXPECT_EQ(EntryCursor, 2);
    EXPECT_EQ(Vertices[2].X, 7.0);
}

TEST_F(RegularTest, MenuItemsReachTheCommandsThroughTheErrorBox)
{
    Form1->N19->trigger();
    EXPECT_EQ(Form1->Edit17->text(), "10,83");
    Fields("0", "5", "0");
    Form1->N18->trigger();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Text, "Floating point division by zero.");
}
