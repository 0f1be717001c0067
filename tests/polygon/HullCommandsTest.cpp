#include "FormsFixture.h"
#include "PolygonFixtures.h"
#include "drawing/Form2.h"
#include "platform/Memo.h"

#include <QAction>
#include <QPushButton>

namespace {

struct HullCommandCase {
    const char* name;
    void (TForm1::*command)();
    std::vector<TVertex> figure;
    QStringList memo1;
    QString area;
    QString perimeter;
};

TEST_F(FormsTest, HullCommandsReplaceListMeasureAndBuildTheFigure)
{
    const std::vector<TVertex> squareWithInside = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {1, 3}, {3, 1}};
    const std::vector<HullCommandCase> cases = {
        {"scans, square", &TForm1::N20Click, squareWithInside,
         {"0      0", "4      0", "4      4", "0      4"}, "16", "16"},
        {"march, square", &TForm1::N24Click, squareWithInside,
         {"4", "4      0", "4      4", "0      4", "0      0"}, "16", "16"},
        {"scans, repeated point", &TForm1::N20Click, {{0, 0}, {4, 0}, {4, 0}, {2, 3}},
         {"0      0", "4      0", "4      0", "2      3"}, "6", "11,21"},
        {"march, repeated point", &TForm1::N24Click, {{0, 0}, {4, 0}, {4, 0}, {2, 3}},
         {"3", "4      0", "2      3", "0      0"}, "6", "11,21"},
        {"scans, line", &TForm1::N20Click, {{0, 0}, {1, 1}, {2, 2}},
         {"0      0", "1      1", "2      2"}, "0", "5,66"},
        {"march, line", &TForm1::N24Click, {{0, 0}, {1, 1}, {2, 2}}, {"2", "0      0", "2      2"}, "0", "5,66"},
        {"march, one place", &TForm1::N24Click, {{1, 1}, {1, 1}, {1, 1}}, {"1", "1      1"}, "0", "0"},
        {"scans, one point", &TForm1::N20Click, {{2.5, -1}}, {"2,5      -1"}, "0", "0"},
        {"march, one point", &TForm1::N24Click, {{2.5, -1}}, {"1", "2,5      -1"}, "0", "0"},
        // An empty store gives an empty figure; the check then says so.
        {"scans, empty", &TForm1::N20Click, {}, {}, "0", "0"},
        {"march, empty", &TForm1::N24Click, {}, {"0"}, "0", "0"},
    };
    for (const HullCommandCase& c : cases) {
        SCOPED_TRACE(c.name);
        LoadFigure(c.figure);
        Vertices[c.figure.size() + 3] = {55, 66};
        EntryCursor = 2;
        Form1->Button1->setEnabled(false);
        Form1->Memo1->Clear();
        Form1->Memo1->Add("old line");
        Form1->Memo3->Clear();
        Form2->hide();
        dialogs.Shown.clear();

        (Form1->*c.command)();

        const int32_t hullCount = int32_t(c.memo1.size()) - (c.command == &TForm1::N24Click ? 1 : 0);
        EXPECT_EQ(VertexCount, hullCount);
        EXPECT_EQ(Form1->Memo1->Lines(), c.memo1);
        EXPECT_EQ(Form1->Edit15->text(), c.area);
        EXPECT_EQ(Form1->Edit23->text(), c.perimeter);
        if (hullCount > 0) {
            EXPECT_EQ(Vertices[hullCount + 1].X, Vertices[1].X);
            EXPECT_EQ(Vertices[hullCount + 1].Y, Vertices[1].Y);
        }
        // Past the closing copies nothing is touched; the entry keeps its place.
        EXPECT_EQ(Vertices[c.figure.size() + 3].X, 55);
        EXPECT_EQ(EntryCursor, 2);
        EXPECT_FALSE(Form1->Button1->isEnabled());
        // The construction ran: the check wrote its line and the picture is shown.
        EXPECT_EQ(Form1->Memo3->Lines().size(), 1);
        EXPECT_TRUE(Form2->isVisible());
    }
}

TEST_F(FormsTest, HullOfAnEmptyStoreIsQuestionedByTheCheck)
{
    for (QAction* item : {Form1->N20, Form1->N24}) {
        SCOPED_TRACE(item->objectName().toStdString());
        dialogs.Shown.clear();
        item->trigger();
        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Text, "Многокутник:  не задано вершин  Виконувати?");
        EXPECT_EQ(VertexCount, 0);
    }
}

TEST_F(FormsTest, HullCommandsRunFromTheMenuOnTheirOwnOutput)
{
    LoadFigure({{0, 4}, {3, 1}, {0, 0}, {5, 5}, {2, 3}});
    Form1->N20->trigger();
    const QStringList scanned = {"0      4", "0      0", "3      1", "5      5"};
    EXPECT_EQ(Form1->Memo1->Lines(), scanned);
    EXPECT_EQ(Form1->Edit15->text(), "15");
    Form1->N20->trigger();
    EXPECT_EQ(Form1->Memo1->Lines(), scanned);

    Form1->N24->trigger();
    const QStringList marched = {"4", "0      0", "3      1", "5      5", "0      4"};
    EXPECT_EQ(Form1->Memo1->Lines(), marched);
    Form1->N24->trigger();
    EXPECT_EQ(Form1->Memo1->Lines(), marched);
    EXPECT_TRUE(dialogs.Shown.empty());
}

}  // namespace
