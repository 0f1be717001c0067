#include "FormsFixture.h"
#include "platform/ErrorBoundary.h"
#include "platform/Memo.h"
#include "platform/UpDown.h"
#include "polygon/VertexText.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <utility>

TEST(VertexText, FormatsTwoDecimalsWithSixSpaces)
{
    struct Case { char separator; double x, y; const char* line; };
    const Case cases[] = {
        {',', 3.14159, -2, "3,14      -2"}, {',', 0.5, 10, "0,5      10"},
        {'.', 3.14159, -2, "3.14      -2"}, {',', -1.005, 2.675, "-1      2,67"},
        {',', 0, 1e14, "0      100000000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        platform::SetDecimalSeparator(c.separator);
        EXPECT_EQ(FormatVertexLine(c.x, c.y), c.line);
    }
    platform::SetDecimalSeparator(',');
}

TEST(VertexText, CoordinateTestAdmitsTheUsersSeparatorOnly)
{
    struct Case { const char* text; char separator; bool accepted; };
    const Case cases[] = {
        {"-12,5", ',', true}, {"+3", ',', true},    {" 7", ',', true},     {",5", ',', true},
        {"1.5", ',', false},  {"1,2,3", ',', false}, {"3-", ',', false},   {"1e3", ',', false},
        {"", ',', false},     {"-", ',', true},     {"7 ", ',', false},    {"1.5", '.', true},
        {"1,5", '.', false},  {".5", '.', true},    {"1.2.3", '.', false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with " + c.separator);
        EXPECT_EQ(IsCoordinateText(c.text, c.separator), c.accepted);
    }
}

TEST_F(FormsTest, EntryCycleStoresListsAndClosesTheEntry)
{
    TForm1& f = *Form1;
    AddVertex("-1,5", "2");
    EXPECT_FALSE(f.Edit7->isReadOnly());
    EXPECT_FALSE(f.UpDown1->isEnabled());
    AddVertex("3,14159", "0");
    EXPECT_EQ(EntryCursor, 2);
    EXPECT_TRUE(f.Button1->isEnabled());
    AddVertex("5", "6");

    EXPECT_EQ(VertexCount, 3);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_EQ(Vertices[1].X, -1.5);
    EXPECT_EQ(Vertices[1].Y, 2.0);
    EXPECT_EQ(Vertices[2].X, 3.14159);
    EXPECT_EQ(f.Memo1->Lines(), QStringList({"-1,5      2", "3,14      0", "5      6"}));
    EXPECT_EQ(f.Edit8->text(), "5");  // the texts stay as typed
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(FormsTest, InvalidPairIsRefusedWithTheMessageAndNothingStored)
{
    TForm1& f = *Form1;
    const std::pair<QString, QString> pairs[] = {{"1.5", "2"}, {"1", ""}, {"1,2,3", "0"}};
    for (const auto& [x, y] : pairs) {
        SCOPED_TRACE(x.toStdString() + " / " + y.toStdString());
        dialogs.Shown.clear();
        AddVertex(x, y);
        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Kind, "message");
        EXPECT_EQ(dialogs.Shown[0].Caption, "Помилка");
        EXPECT_EQ(dialogs.Shown[0].Text, "Не правильно введені координати");
        EXPECT_EQ(EntryCursor, 0);
        EXPECT_TRUE(f.Memo1->Lines().isEmpty());
        EXPECT_EQ(Vertices[1].X, 0.0);
    }
    EXPECT_TRUE(f.Button1->isEnabled());
}

TEST_F(FormsTest, PointSeparatorLocaleAdmitsFractionalCoordinates)
{
    platform::SetDecimalSeparator('.');
    AddVertex("1.25", "-0.5");
    EXPECT_EQ(Vertices[1].X, 1.25);
    EXPECT_EQ(Vertices[1].Y, -0.5);
    EXPECT_EQ(Form1->Memo1->Lines(), QStringList({"1.25      -0.5"}));
    AddVertex("1,5", "2");
    EXPECT_EQ(dialogs.Shown.size(), 1u);
}

TEST_F(FormsTest, EntryCursorIsSharedWithTheOtherTab)
{
    EntryCursor = 2;  // two vertices entered on the quadrilateral tab
    Form1->Edit7->setText("5");
    AddVertex("7", "8");
    EXPECT_EQ(EntryCursor, 3);
    EXPECT_EQ(Vertices[3].X, 7.0);
}

TEST_F(FormsTest, ChangingNMidEntryTakesEffectOnTheNextClick)
{
    TForm1& f = *Form1;
    f.Edit7->setText("5");
    AddVertex("1", "1");
    AddVertex("2", "2");
    AddVertex("3", "3");

    f.Edit7->setText("2");
    AddVertex("4", "4");
    EXPECT_EQ(EntryCursor, 3);
    EXPECT_EQ(f.Memo1->Lines().size(), 3);
    EXPECT_TRUE(f.Button1->isEnabled());

    f.Edit7->setText("3");
    AddVertex("4", "4");
    EXPECT_EQ(f.Memo1->Lines().size(), 3);
    EXPECT_FALSE(f.Button1->isEnabled());
    EXPECT_EQ(EntryCursor, 0);
}

TEST_F(FormsTest, ZeroVerticesClosesTheEntryAtOnce)
{
    Form1->Edit7->setText("0");
    AddVertex("1", "1");
    EXPECT_EQ(VertexCount, 0);
    EXPECT_FALSE(Form1->Button1->isEnabled());
    EXPECT_TRUE(Form1->Memo1->Lines().isEmpty());
}

TEST_F(FormsTest, RejectedFloatAfterThePassedTestLeavesTheCursorAdvanced)
{
    Vertices[1] = {9, 9};
    Form1->Edit8->setText("-");
    Form1->Edit9->setText("1");
    platform::RunHandler([] { Form1->Button1Click(); });
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Text, "'-' is not a valid floating point value.");
    EXPECT_EQ(EntryCursor, 1);
    EXPECT_EQ(Vertices[1].X, 9.0);
    EXPECT_TRUE(Form1->Memo1->Lines().isEmpty());

    Form1->Edit8->setText("2");
    Form1->Edit9->setText(",");
    platform::RunHandler([] { Form1->Button1Click(); });
    EXPECT_EQ(EntryCursor, 2);
    EXPECT_EQ(Vertices[2].X, 2.0);  // the new X with the slot's old Y
    EXPECT_EQ(Vertices[2].Y, 0.0);
}

TEST_F(FormsTest, BadVertexCountTextFailsBeforeAnythingChanges)
{
    Form1->Edit7->setText("три");
    platform::RunHandler([] { Form1->Button1Click(); });
    platform::RunHandler([] { Form1->Button4Click(); });
    ASSERT_EQ(dialogs.Shown.size(), 2u);
    EXPECT_EQ(dialogs.Shown[1].Text, "'три' is not a valid integer value.");
    EXPECT_EQ(VertexCount, 0);
    EXPECT_TRUE(Form1->UpDown1->isEnabled());
}

TEST_F(FormsTest, CountsTheStoreCannotHoldAreRefusedByBothCommands)
{
    TForm1& f = *Form1;
    AddVertex("1", "1");
    for (const char* count : {"-1", "1001", "$7FFFFFFF"}) {
        for (bool random : {false, true}) {
            SCOPED_TRACE(std::string(count) + (random ? " random" : " typed"));
            dialogs.Shown.clear();
            f.Edit7->setText(count);
            random ? f.Button4Click() : f.Button1Click();
            ASSERT_EQ(dialogs.Shown.size(), 1u);
            EXPECT_EQ(dialogs.Shown[0].Caption, "Помилка");
            EXPECT_TRUE(dialogs.Shown[0].Text.contains("1000"));
            EXPECT_EQ(VertexCount, 3);
            EXPECT_EQ(EntryCursor, 1);
            EXPECT_EQ(f.Memo1->Lines().size(), 1);
        }
    }
    f.Edit7->setText("1000");
    f.Button4Click();
    EXPECT_EQ(VertexCount, 1000);
    EXPECT_EQ(f.Memo1->Lines().size(), 1001);
}

TEST_F(FormsTest, RandomPointsAppendWholeCoordinatesInRange)
{
    TForm1& f = *Form1;
    f.Memo1->Add("earlier");
    EntryCursor = 1;
    f.Edit7->setText("4");
    f.Button4Click();
    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(EntryCursor, 1);  // left as it was
    ASSERT_EQ(f.Memo1->Lines().size(), 5);
    EXPECT_EQ(f.Memo1->Lines()[0], "earlier");
    for (int i = 1; i <= 4; ++i) {
        for (double v : {Vertices[i].X, Vertices[i].Y}) {
            EXPECT_EQ(v, double(int(v)));
            EXPECT_GE(v, -49.0);
            EXPECT_LE(v, 50.0);
        }
        EXPECT_EQ(f.Memo1->Lines()[i], QString::fromStdString(FormatVertexLine(Vertices[i].X, Vertices[i].Y)));
    }
    EXPECT_TRUE(f.Edit7->isReadOnly() == false);
}

TEST_F(FormsTest, RandomPointsDifferFromClickToClick)
{
    Form1->Edit7->setText("20");
    Form1->Button4Click();
    const auto first = Vertices;
    Form1->Button4Click();
    bool differs = false;
    for (int i = 1; i <= 20; ++i) differs |= first[i].X != Vertices[i].X || first[i].Y != Vertices[i].Y;
    EXPECT_TRUE(differs);
}

TEST_F(FormsTest, EnterInTheYFieldAddsTheVertexWhileTheButtonIsOn)
{
    TForm1& f = *Form1;
    f.PageControl1->setCurrentWidget(f.TabSheet3);
    f.show();
    f.Edit7->setText("2");
    const std::pair<const char*, const char*> typed[] = {{"1", "2"}, {"3,5", "-4"}};
    int added = 0;
    for (const auto& [x, y] : typed) {
        f.Edit8->setText(x);
        f.Edit9->setText(y);
        f.Edit9->setFocus();
        QTest::keyClick(f.Edit9, added == 0 ? Qt::Key_Return : Qt::Key_Enter);
        ++added;
        EXPECT_EQ(f.Memo1->Lines().size(), added);
    }
    EXPECT_EQ(f.Memo1->Lines(), QStringList({"1      2", "3,5      -4"}));
    EXPECT_EQ(VertexCount, 2);
    ASSERT_FALSE(f.Button1->isEnabled());

    // The entry is closed: Enter does nothing, and no other button takes it.
    QTest::keyClick(f.Edit9, Qt::Key_Return);
    QTest::keyClick(f.Edit8, Qt::Key_Return);
    EXPECT_EQ(f.Memo1->Lines().size(), 2);
    EXPECT_EQ(VertexCount, 2);
    EXPECT_TRUE(dialogs.Shown.empty());
}
