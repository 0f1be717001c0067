#include "FormsFixture.h"
#include "PolygonFixtures.h"
#include "platform/Memo.h"
#include "platform/UpDown.h"

#include <QPushButton>

TEST_F(FormsTest, AreaAndConvexityCommandsFillTheirFields)
{
    LoadFigure({{0, 0}, {2, 1}, {4, 0}, {2, 3}});
    Form1->N9Click();
    Form1->N10Click();
    EXPECT_EQ(Form1->Edit15->text(), "4");
    EXPECT_EQ(Form1->Edit10->text(), "Неопуклий");

    LoadFigure({{0, 0}, {0.5, 0}, {0.5, 0.25}});
    Form1->N9Click();
    Form1->N10Click();
    EXPECT_EQ(Form1->Edit15->text(), "0,06");
    EXPECT_EQ(Form1->Edit10->text(), "Опуклий");
}

TEST_F(FormsTest, SoundFigurePassesTheCheckSilently)
{
    LoadFigure({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
    Form1->ErrorClick();
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_TRUE(FigureAccepted);
    EXPECT_EQ(Form1->Memo3->Lines(), QStringList({""}));
}

TEST_F(FormsTest, FaultyFigureAsksAndYesAcceptsIt)
{
    LoadFigure({{0, 0}, {4, 4}, {4, 0}, {0, 4}});
    Form1->Memo1->Add("1      1");
    Form1->ErrorClick();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "question");
    EXPECT_EQ(dialogs.Shown[0].Caption, "Перевірка");
    EXPECT_EQ(dialogs.Shown[0].Text, "Многокутник: неопуклий  перетин сторін  Виконувати?");
    EXPECT_TRUE(FigureAccepted);
    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(Form1->Memo3->Lines(), QStringList({" перетин сторін "}));
    EXPECT_EQ(Form1->Memo1->Lines().size(), 1);
}

TEST_F(FormsTest, AnsweringNoResetsTheEntryTabs)
{
    TForm1& f = *Form1;
    f.Edit7->setText("5");
    AddVertex("1", "1");  // opens the entry: Edit7 editable, spinner off
    LoadFigure({{0, 0}, {3, 0}, {3, 0}, {0, 3}});
    EntryCursor = 2;
    f.Button1->setEnabled(false);
    f.Memo2->Add("q");
    dialogs.Answers = {platform::TAnswer::No};

    f.ErrorClick();

    EXPECT_EQ(dialogs.Shown[0].Text,
              "Многокутник:  співбадання точок  три точки розміщені на прямій  Виконувати?");
    EXPECT_FALSE(FigureAccepted);
    EXPECT_EQ(VertexCount, 0);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_EQ(f.Edit7->text(), "3");
    EXPECT_TRUE(f.Edit7->isReadOnly());
    EXPECT_TRUE(f.UpDown1->isEnabled());
    EXPECT_TRUE(f.Memo1->Lines().isEmpty());
    EXPECT_TRUE(f.Memo2->Lines().isEmpty());
    EXPECT_TRUE(f.Memo3->Lines().isEmpty());
}

TEST_F(FormsTest, EmptyStoreAsksAboutMissingVertices)
{
    Form1->ErrorClick();
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Text, "Многокутник:  не задано вершин  Виконувати?");
}
