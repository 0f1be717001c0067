#include "FormsFixture.h"
#include "drawing/Form2.h"
#include "platform/ErrorBoundary.h"
#include "platform/Memo.h"
#include "working/FormWorking.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

namespace {

class QuadrilateralTest : public FormsTest {
protected:
    // Types a vertex on the quadrilateral tab and clicks its button as the user does.
    void Add(const QString& x, const QString& y)
    {
        Form1->Edit11->setText(x);
        Form1->Edit12->setText(y);
        QTest::mouseClick(Form1->Button2, Qt::LeftButton);
    }
    void AddAll(const std::vector<std::pair<QString, QString>>& vertices)
    {
        for (const auto& [x, y] : vertices) Add(x, y);
    }
    static QStringList Memo2() { return Form1->Memo2->Lines(); }
};

}  // namespace

TEST_F(QuadrilateralTest, EntryCycleOfFourVerticesThenAreaAndConvexity)
{
    TForm1& f = *Form1;
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    f.show();
    AddAll({{"0", "0"}, {"4", "0"}, {"4", "3"}});
    EXPECT_EQ(EntryCursor, 3);
    EXPECT_TRUE(f.Button2->isEnabled());
    Add("0", "3");

    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(f.Button2->isEnabled());
    EXPECT_EQ(Memo2(), QStringList({"0  0", "4  0", "4  3", "0  3"}));
    EXPECT_EQ(Vertices[3].X, 4.0);
    EXPECT_EQ(Vertices[3].Y, 3.0);
    EXPECT_EQ(f.Edit11->text(), "0");  // the texts stay as typed

    f.N13->trigger();
    EXPECT_EQ(f.Edit14->text(), "12");
    f.N12->trigger();
    EXPECT_EQ(f.Edit13->text(), "Опуклий");
    EXPECT_TRUE(dialogs.Shown.empty());  // the check found nothing to ask about
}

TEST_F(QuadrilateralTest, IntegerTextsAndTheirLines)
{
    struct Case { const char *x, *y, *line; double storedX, storedY; };
    const Case cases[] = {
        {"3", "-2", "3  -2", 3, -2},
        {" +7", "$10", "7  16", 7, 16},
        {"0x7FFFFFFF", "-2147483648", "2147483647  -2147483648", 2147483647.0, -2147483648.0},
        {"$FFFFFFFF", "x0", "-1  0", -1, 0},
    };
    int32_t slot = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Add(c.x, c.y);
        ++slot;
        EXPECT_EQ(Vertices[slot].X, c.storedX);
        EXPECT_EQ(Vertices[slot].Y, c.storedY);
        EXPECT_EQ(Memo2().back(), c.line);
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(QuadrilateralTest, RefusedTextLeavesTheCursorAdvanced)
{
    TForm1& f = *Form1;
    Vertices[1] = {9, 9};
    Vertices[2] = {9, 9};
    Add("1,5", "2");  // through the error box
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "error");
    EXPECT_EQ(dialogs.Shown[0].Text, "'1,5' is not a valid integer value.");
    EXPECT_EQ(EntryCursor, 1);
    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(Vertices[1].X, 9.0);  // the slot keeps what it held
    EXPECT_TRUE(Memo2().isEmpty());

    Add("5", "");
    EXPECT_EQ(dialogs.Shown.back().Text, "'' is not a valid integer value.");
    EXPECT_EQ(EntryCursor, 2);
    EXPECT_EQ(Vertices[2].X, 5.0);  // the new X with the slot's old Y
    EXPECT_EQ(Vertices[2].Y, 9.0);
    EXPECT_TRUE(Memo2().isEmpty());

    // Two more good clicks end the entry at the fourth slot.
    AddAll({{"1", "1"}, {"2", "2"}});
    EXPECT_EQ(Memo2(), QStringList({"1  1", "2  2"}));
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(f.Button2->isEnabled());
}

TEST_F(QuadrilateralTest, CursorIsSharedWithTheOtherTabs)
{
    // Two vertices here, then one on the polygon tab: it goes into slot 3.
    AddAll({{"1", "1"}, {"2", "2"}});
    Form1->Edit7->setText("5");
    AddVertex("7", "8");
    EXPECT_EQ(EntryCursor, 3);
    EXPECT_EQ(Vertices[3].X, 7.0);
    // The next quadrilateral vertex is the fourth and closes the entry.
    Add("3", "3");
    EXPECT_EQ(Vertices[4].X, 3.0);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(Form1->Button2->isEnabled());

    // A regular polygon leaves the cursor at 1.
    Form1->Button2->setEnabled(true);
    Form1->N19Click();
    Add("6", "6");
    EXPECT_EQ(Vertices[2].X, 6.0);
    EXPECT_EQ(VertexCount, 4);
}

TEST_F(QuadrilateralTest, ClickBeyondTheFourthSlotStoresNothingButSetsTheCount)
{
    EntryCursor = 5;  // a polygon entry half way through
    VertexCount = 7;
    Add("1", "1");
    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(EntryCursor, 5);
    EXPECT_TRUE(Memo2().isEmpty());
    EXPECT_TRUE(Form1->Button2->isEnabled());
}

TEST_F(QuadrilateralTest, ArrowIsAskedAboutThenJudged)
{
    struct Case { platform::TAnswer answer; int32_t vertexCount; const char* verdict; };
    for (const Case c : {Case{platform::TAnswer::Yes, 4, "Неопуклий"}, Case{platform::TAnswer::No, 0, "Опуклий"}}) {
        SCOPED_TRACE(c.verdict);
        Form1->Button3Click();
        dialogs.Shown.clear();
        AddAll({{"0", "0"}, {"2", "1"}, {"4", "0"}, {"2", "3"}});
        Form1->N13->trigger();
        EXPECT_EQ(Form1->Edit14->text(), "4");

        dialogs.Answers = {c.answer};
        Form1->N12->trigger();
        ASSERT_EQ(dialogs.Shown.size(), 1u);
        EXPECT_EQ(dialogs.Shown[0].Kind, "question");
        EXPECT_TRUE(dialogs.Shown[0].Text.contains("неопуклий "));
        EXPECT_EQ(VertexCount, c.vertexCount);
        EXPECT_EQ(Form1->Edit13->text(), c.verdict);  // on No the figure has no vertices left
        EXPECT_FALSE(Form2->isVisible());             // the check draws nothing
    }
    // The reset after No opened the entry again: the next click starts at slot 1.
    EXPECT_TRUE(Form1->Button2->isEnabled());
    EXPECT_TRUE(Memo2().isEmpty());
    Add("8", "8");
    EXPECT_EQ(VertexCount, 4);
    EXPECT_EQ(Vertices[1].X, 8.0);
}

TEST_F(QuadrilateralTest, AreaAndConvexityOfWhateverFigureIsStored)
{
    // The hexagon of the regular polygon tab, not four vertices.
    Form1->Edit19->setText("6");
    Form1->N19Click();
    Form1->N13Click();
    EXPECT_EQ(Form1->Edit14->text(), "64,95");
    Form1->N12Click();
    EXPECT_EQ(Form1->Edit13->text(), "Опуклий");
    EXPECT_TRUE(dialogs.Shown.empty());
}

TEST_F(QuadrilateralTest, EnterInTheYFieldAddsTheVertexWhileTheButtonIsOn)
{
    TForm1& f = *Form1;
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    f.show();
    const std::pair<const char*, const char*> typed[] = {{"0", "0"}, {"4", "0"}, {"4", "3"}, {"0", "3"}};
    for (const auto& [x, y] : typed) {
        f.Edit11->setText(x);
        f.Edit12->setText(y);
        f.Edit12->setFocus();
        QTest::keyClick(f.Edit12, Qt::Key_Return);
    }
    EXPECT_EQ(Memo2(), QStringList({"0  0", "4  0", "4  3", "0  3"}));
    EXPECT_EQ(VertexCount, 4);
    ASSERT_FALSE(f.Button2->isEnabled());

    QTest::keyClick(f.Edit12, Qt::Key_Return);  // the entry is closed: nothing happens
    EXPECT_EQ(Memo2().size(), 4);
    EXPECT_TRUE(dialogs.Shown.empty());
}

namespace {

std::vector<std::string> Captions()
{
    std::vector<std::string> captions;
    for (const TWorkingSection& s : FormWorking->Sections()) captions.push_back(s.Caption);
    return captions;
}

}  // namespace

// Area and convexity each add a section whose result is the field's text; the
// convexity runs the check first, whose findings come before its own section.
TEST_F(QuadrilateralTest, SectionsOfAreaAndConvexity)
{
    struct Case {
        const char* name;
        std::vector<std::pair<QString, QString>> vertices;
        platform::TAnswer answer;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"rectangle", {{"0", "0"}, {"4", "0"}, {"4", "3"}, {"0", "3"}}, platform::TAnswer::Yes,
         {"Чотирикутник — Плоша", "Чотирикутник — Опуклість"}},
        {"arrow", {{"0", "0"}, {"2", "1"}, {"4", "0"}, {"2", "3"}}, platform::TAnswer::Yes,
         {"Чотирикутник — Плоша", "Перевірка фігури", "Чотирикутник — Опуклість"}},
        {"bow-tie given up", {{"0", "0"}, {"4", "4"}, {"4", "0"}, {"0", "4"}}, platform::TAnswer::No,
         {"Чотирикутник — Плоша", "Перевірка фігури", "Чотирикутник — Опуклість"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form1->Button3Click();
        FormWorking->WorkingClearClick();
        AddAll(c.vertices);
        dialogs.Answers = {c.answer};
        Form1->N13->trigger();
        Form1->N12->trigger();
        ASSERT_EQ(Captions(), c.captions);
        const auto& sections = FormWorking->Sections();
        EXPECT_EQ(sections.front().Results, (std::vector<TWorkingResult>{{"S", Form1->Edit14->text().toStdString()}}));
        EXPECT_EQ(sections.back().Results, (std::vector<TWorkingResult>{{"", Form1->Edit13->text().toStdString()}}));
    }
    // After No the tabs were reset: the verdict is the empty figure's, and says so.
    EXPECT_EQ(FormWorking->Sections().back().Figure, "вершин не задано");
    EXPECT_EQ(FormWorking->Sections().back().Steps.back().Text,
              "Вершин не задано: поворотів немає, тож різних знаків теж немає");
}
