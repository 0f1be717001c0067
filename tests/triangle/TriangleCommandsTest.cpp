// The triangle menu's construction, existence, areas and side lengths, run as
// the menu runs them.
#include "drawing/Drawing.h"
#include "TriangleFixture.h"

#include <QAction>
#include <QLabel>

TEST_F(TriangleTest, ExistenceVerdicts)
{
    struct Case {
        std::array<QString, 6> fields;
        QString verdict;
    };
    const Case cases[] = {
        {{"0", "0", "4", "0", "0", "3"}, "Трикутник існує"},
        {{"0", "0", "1", "0", "2", "0"}, "Трикутник не існує"},
        {{"0", "0", "1", "1", "2", "2"}, "Трикутник не існує"},
        {{"0", "0", "1", "1", "3", "3"}, "Трикутник існує"},
        {{"-3", "8", "-3", "8", "-3", "8"}, "Трикутник не існує"},
        {{" $10", "-0", "x20", "+5", "0", "0x7"}, "Трикутник існує"},  // what the integer conversion takes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields[0].toStdString() + " " + c.fields[2].toStdString() + " " + c.fields[4].toStdString());
        Type(c.fields);
        ASSERT_EQ(Run(&TForm1::N2Click), "");
        EXPECT_EQ(Form1->Label2->text(), c.verdict);
    }
    EXPECT_EQ(VertexCount, 0);  // the store is not touched
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(TriangleTest, ABadFieldStopsEveryCommandBeforeItChangesAnything)
{
    Form1->Label2->setText("before");
    Form1->Label3->setText("before");
    Form1->Edit16->setText("a");
    Form1->Edit18->setText("b");
    Form1->Edit21->setText("c");
    StoreFigure({{9, 9}, {8, 8}, {7, 7}, {6, 6}});
    Type({"0", "0", "4", "0", "0", "3"});
    Form1->Edit4->setText("2,5");

    EXPECT_EQ(Run(&TForm1::N2Click), "'2,5' is not a valid integer value");
    EXPECT_EQ(Run(&TForm1::N5Click), "'2,5' is not a valid integer value");
    EXPECT_EQ(Run(&TForm1::N3Click), "'2,5' is not a valid integer value");
    EXPECT_EQ(Form1->Label2->text(), "before");
    EXPECT_EQ(Form1->Label3->text(), "before");
    EXPECT_EQ(Form1->Edit16->text(), "a");
    EXPECT_EQ(Form1->Edit18->text(), "b");
    EXPECT_EQ(Form1->Edit21->text(), "c");
    EXPECT_EQ(VertexCount, 4);

    // The construction has set the count already, and left the slots.
    EXPECT_EQ(Run(&TForm1::N4Click), "'2,5' is not a valid integer value");
    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(Vertices[1].X, 9.0);
    EXPECT_EQ(Vertices[3].Y, 7.0);
    EXPECT_FALSE(Form2->isVisible());
    // The rebuild button then draws what the slots held.
    Form2->Button2Click();
    EXPECT_EQ(Form2->Drawing->Window.XMin, 6.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 10.0);
}

TEST_F(TriangleTest, BuildStoresTheTriangleAndDrawsIt)
{
    Type(0, 0, 4, 0, 0, 3);
    Form1->N4->trigger();  // through the menu and the error boundary
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(Vertices[2].X, 4.0);
    EXPECT_EQ(Vertices[3].Y, 3.0);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 5.0);
    EXPECT_EQ(Pixel(417, 417), platform::clRed);  // B
}

TEST_F(TriangleTest, ThreeAreasAndTheCountedPoints)
{
    struct Case {
        std::array<int, 6> xy;
        QString heron, vector, pick, tip;
    };
    const Case cases[] = {
        {{0, 0, 4, 0, 0, 3}, "6", "6", "6", "Внутрішніх точок: 3, граничних: 8"},
        {{0, 0, 1, 0, 2, 0}, "0", "0", "0", "Внутрішніх точок: 0, граничних: 3"},
        {{0, 0, 1, 1, 0, 2}, "1", "1", "1", "Внутрішніх точок: 0, граничних: 4"},
        {{0, 0, 3, 1, 1, 2}, "2,5", "2,5", "2,5", "Внутрішніх точок: 2, граничних: 3"},
        // Past the 32-bit squares and determinants, exactly.
        {{0, 0, 70000, 0, 0, 70000}, "2450000000", "2450000000", "2450000000",
         "Внутрішніх точок: 2449895001, граничних: 210000"},
        // Areas past what two-decimal rounding holds are whole numbers and show as they are.
        {{-2147483647 - 1, 0, 2147483647, 0, 0, 50000000}, "1,07374182375002E17", "1,07374182375E17", "1,07374182375E17",
         "Внутрішніх точок: 107374180227516289, граничних: 4294967424"},
        {{-1000000, -1000000, 1000000, -300000, -400000, 1000000}, "1790000000000", "1790000000000", "1790000000000",
         "Внутрішніх точок: 1789999800001, граничних: 400000"},
        // The whole 32-bit box, counted at once.
        {{-2147483647 - 1, -2147483647 - 1, 2147483647, -2147483647 - 1, 2147483647, 2147483647},
         "9,22337203255981E18", "9,22337203255981E18", "9,22337203255981E18",
         "Внутрішніх точок: 9223372026117357571, граничних: 12884901885"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tip.toStdString());
        Type(c.xy[0], c.xy[1], c.xy[2], c.xy[3], c.xy[4], c.xy[5]);
        ASSERT_EQ(Run(&TForm1::N3Click), "");
        EXPECT_EQ(Form1->Edit16->text(), c.heron);
        EXPECT_EQ(Form1->Edit18->text(), c.vector);
        EXPECT_EQ(Form1->Edit21->text(), c.pick);
        EXPECT_EQ(Form1->Edit21->toolTip(), c.tip);
        EXPECT_EQ(VertexCount, 3);
        EXPECT_EQ(Vertices[2].X, double(c.xy[2]));
    }
    // The flat one was questioned by the check and went on.
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Caption, "Перевірка");
}

TEST_F(TriangleTest, HeronsNegativeProductStopsTheAreasAfterTheCheck)
{
    Form1->Edit16->setText("a");
    Form1->Edit18->setText("b");
    Form1->Edit21->setText("c");
    Type(0, 0, 3, 24, 15, 120);
    dialogs.Answers = {platform::TAnswer::No};  // the check's No does not stop the areas
    EXPECT_EQ(Run(&TForm1::N3Click), "Invalid floating point operation");
    EXPECT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(Form1->Edit16->text(), "a");
    EXPECT_EQ(Form1->Edit18->text(), "b");
    EXPECT_EQ(Form1->Edit21->text(), "c");
    EXPECT_EQ(VertexCount, 0);  // the reset of the No answer
    EXPECT_EQ(Vertices[3].X, 15.0);
}

TEST_F(TriangleTest, SideLengthCaption)
{
    struct Case {
        std::array<int, 6> xy;
        QString caption;
    };
    const Case cases[] = {
        {{0, 0, 4, 0, 0, 3}, "AB=4  BC=5   AC=3"},
        {{0, 0, 1, 1, 0, 2}, "AB=1,41  BC=1,41   AC=2"},
        {{0, 0, 70000, 0, 0, 70000}, "AB=70000  BC=98994,95   AC=70000"},
    };
    for (const Case& c : cases) {
        Type(c.xy[0], c.xy[1], c.xy[2], c.xy[3], c.xy[4], c.xy[5]);
        Form1->N5->trigger();
        EXPECT_EQ(Form1->Label3->text(), c.caption);
    }
    EXPECT_EQ(VertexCount, 0);
    EXPECT_TRUE(dialogs.Shown.empty());
}
