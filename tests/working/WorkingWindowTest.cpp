// The working window: sections kept while it is closed, copied as text and HTML,
// cleared, and its lattice links; and the number display the sections share.
#include "FormsFixture.h"
#include "platform/Errors.h"
#include "appearance/SkinManager.h"
#include "shell/Form1.h"
#include "working/FormWorking.h"
#include "working/WorkingSection.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextBrowser>
#include <QUrl>

#include <cmath>
#include <limits>

namespace {

TWorkingSection Sample(const std::string& caption)
{
    TWorkingSection section;
    section.Caption = caption;
    section.Figure = "A(0; 0), B(4; 0), C(0; 3)";
    section.Part("Формула Герона");
    section.Step("p = (a + b + c) / 2 = (4 + 5 + 3) / 2 = 6");
    section.Result("S", "6");
    return section;
}

class WorkingWindowTest : public FormsTest {};

TEST_F(WorkingWindowTest, TheMenuItemStandsJustBeforeTheHelpAndOpensTheWindow)
{
    const QList<QAction*> bar = Form1->menuBar()->actions();
    const qsizetype working = bar.indexOf(Form1->NWorking);
    ASSERT_GE(working, 0);
    ASSERT_LT(working + 1, bar.size());
    EXPECT_EQ(bar[working + 1], Form1->N16);
    EXPECT_EQ(Form1->NWorking->text(), "Хід розв'язання");
    EXPECT_EQ(Form1->NWorking->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));

    EXPECT_FALSE(FormWorking->isVisible());
    Form1->NWorking->trigger();
    EXPECT_TRUE(FormWorking->isVisible());
    EXPECT_FALSE(FormWorking->isModal());
    EXPECT_EQ(FormWorking->windowTitle(), "Хід розв'язання");
    EXPECT_TRUE(FormWorking->WorkingText->isReadOnly());

    // Closing only hides it: the place, the size and the sections stay.
    AppendWorking(Sample("Трикутник — Площа"));
    FormWorking->resize(520, 600);
    FormWorking->close();
    Form1->NWorking->trigger();
    EXPECT_EQ(FormWorking->size(), QSize(520, 600));
    EXPECT_EQ(FormWorking->Sections().size(), 1u);
}

TEST_F(WorkingWindowTest, SectionsAddedWhileClosedShowWhenOpened)
{
    AppendWorking(Sample("Трикутник — Площа"));
    AppendWorking(Sample("Трикутник — Довжини сторін"));
    ASSERT_FALSE(FormWorking->isVisible());
    Form1->NWorkingClick();
    const QString text = FormWorking->WorkingText->toPlainText();
    EXPECT_TRUE(text.contains("Трикутник — Площа"));
    EXPECT_TRUE(text.contains("p = (a + b + c) / 2 = (4 + 5 + 3) / 2 = 6"));
    EXPECT_TRUE(text.contains("Відповідь: S = 6"));
    EXPECT_LT(text.indexOf("Трикутник — Площа"), text.indexOf("Трикутник — Довжини сторін"));
}

TEST_F(WorkingWindowTest, TheViewScrollsToTheNewSection)
{
    FormWorking->ShowInFront();
    for (int i = 1; i <= 50; ++i) AppendWorking(Sample("Розділ " + std::to_string(i)));
    AppendWorking(Sample("Найновіший"));
    QApplication::processEvents();
    EXPECT_GT(FormWorking->WorkingText->verticalScrollBar()->value(), 0);
    const QTextCursor top = FormWorking->WorkingText->cursorForPosition(QPoint(8, 8));
    const QTextCursor bottom =
        FormWorking->WorkingText->cursorForPosition(QPoint(8, FormWorking->WorkingText->viewport()->height() - 8));
    const QString shown = FormWorking->WorkingText->document()->toPlainText().mid(top.position(), bottom.position() - top.position());
    EXPECT_TRUE(shown.contains("Найновіший")) << shown.toStdString();
}

TEST_F(WorkingWindowTest, EachSectionStartsOnALineOfItsOwn)
{
    TWorkingSection pick = Sample("Трикутник — Площа");
    pick.Lattice = TLatticeTriangle{{0, 0}, {4, 0}, {0, 3}};
    AppendWorking(pick);
    AppendWorking(Sample("Трикутник — Вписане коло"));
    AppendWorking(Sample("Трикутник — Довжини сторін"));
    QStringList lines;
    for (QTextBlock b = FormWorking->WorkingText->document()->begin(); b.isValid(); b = b.next()) lines << b.text();
    for (const char* caption : {"Трикутник — Площа", "Трикутник — Вписане коло", "Трикутник — Довжини сторін"})
        EXPECT_TRUE(lines.contains(caption)) << caption << "\n" << lines.join("\n").toStdString();
    EXPECT_TRUE(lines.contains("Показати точки решітки"));
    EXPECT_TRUE(lines.contains("Відповідь: S = 6"));
}

TEST_F(WorkingWindowTest, OnlyTheNewestSectionsAreKept)
{
    std::vector<TLatticeTriangle> shown;
    FormWorking->ShowLattice = [&](const TLatticeTriangle& t) { shown.push_back(t); };
    // One past the kept and the spare: a hundred and one go at once.
    const size_t kept = TFormWorking::kKeptSections;
    for (size_t i = 1; i <= kept + TFormWorking::kDroppedAtOnce + 1; ++i) {
        TWorkingSection section = Sample("Розділ " + std::to_string(i));
        section.Lattice = TLatticeTriangle{{0, 0}, {int32_t(i), 0}, {0, 3}};
        AppendWorking(section);
    }
    ASSERT_EQ(FormWorking->Sections().size(), kept);
    EXPECT_EQ(FormWorking->Sections().front().Caption, "Розділ 102");
    EXPECT_EQ(FormWorking->Sections().back().Caption, "Розділ 401");
    QTextDocument* document = FormWorking->WorkingText->document();
    EXPECT_EQ(document->begin().text(), "Розділ 102");
    EXPECT_EQ(document->toPlainText().count("Відповідь: S = 6"), qsizetype(kept));

    // The links of the sections dropped lead nowhere; those kept still work.
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:101"));
    EXPECT_TRUE(shown.empty());
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:102"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].B.X, 102);
}

TEST_F(WorkingWindowTest, CopyPutsTheWholeTextAsPlainTextAndHtml)
{
    AppendWorking(Sample("Трикутник — Площа"));
    TWorkingSection odd = Sample("N-кутник — Площа");
    odd.Step("x < y & y > z");
    AppendWorking(odd);
    FormWorking->WorkingCopy->click();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), QString::fromStdString(SectionPlainText(Sample("Трикутник — Площа")) + "\n" +
                                                   SectionPlainText(odd)));
    EXPECT_TRUE(data->html().contains("x &lt; y &amp; y &gt; z"));
    EXPECT_TRUE(data->html().contains("Трикутник — Площа"));
}

TEST_F(WorkingWindowTest, ClearEmptiesTheViewAndLinksOfClearedSectionsDoNothing)
{
    std::vector<TLatticeTriangle> shown;
    FormWorking->ShowLattice = [&](const TLatticeTriangle& t) { shown.push_back(t); };
    TWorkingSection pick = Sample("Трикутник — Площа");
    pick.Lattice = TLatticeTriangle{{0, 0}, {4, 0}, {0, 3}};
    AppendWorking(pick);
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:1"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].B, (TLatticePoint{4, 0}));

    FormWorking->WorkingClear->click();
    EXPECT_TRUE(FormWorking->Sections().empty());
    EXPECT_TRUE(FormWorking->WorkingText->toPlainText().trimmed().isEmpty());
    // A stale link, a made-up one, and one of another kind.
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:1"));
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:x"));
    FormWorking->WorkingTextAnchorClick(QUrl("https://example.org/"));
    EXPECT_EQ(shown.size(), 1u);

    // Ids go on counting after a clear: the new section is the second.
    AppendWorking(pick);
    FormWorking->WorkingTextAnchorClick(QUrl("ortalis-lattice:2"));
    EXPECT_EQ(shown.size(), 2u);
}

// The foreground of the text at the lattice link.
QColor LinkColour()
{
    QTextDocument* document = FormWorking->WorkingText->document();
    const int at = document->toPlainText().indexOf("Показати точки решітки");
    if (at < 0) return {};
    QTextCursor cursor(document);
    cursor.setPosition(at + 1);
    return cursor.charFormat().foreground().color();
}

TEST_F(WorkingWindowTest, ASkinChangeWritesTheTextAgainInItsColours)
{
    TWorkingSection pick = Sample("Трикутник — Площа");
    pick.Lattice = TLatticeTriangle{{0, 0}, {4, 0}, {0, 3}};
    AppendWorking(pick);
    AppendWorking(Sample("Трикутник — Довжини сторін"));
    Form1->SkinManager1->SetSkinName("Graphite");
    ASSERT_TRUE(Form1->SkinManager1->SkinApplied());
    EXPECT_EQ(LinkColour(), QColor("#8cb8f0"));
    EXPECT_EQ(FormWorking->Sections().size(), 2u);
    EXPECT_EQ(FormWorking->WorkingText->toPlainText().count("Трикутник — Площа"), 1);
}

TEST_F(WorkingWindowTest, AFaultStillAddsTheSectionWithItsCauseAndGoesOn)
{
    TWorkingSection section = Sample("Трикутник — Описане коло");
    EXPECT_THROW(RecordWorking(section, [&] {
                     section.Step("S = 0");
                     platform::RaiseDivisionByZero();
                 }),
                 platform::MathError);
    ASSERT_EQ(FormWorking->Sections().size(), 1u);
    EXPECT_EQ(FormWorking->Sections()[0].Failure, "ділення на нуль");
    EXPECT_EQ(FormWorking->Sections()[0].Steps.back().Text, "S = 0");
    EXPECT_TRUE(FormWorking->WorkingText->toPlainText().contains("Зупинено: ділення на нуль"));
}

TEST(WorkingNumbers, AsTheFieldsShowThem)
{
    platform::SetDecimalSeparator(',');
    struct Case {
        double value;
        const char* text;
        const char* operand;
    };
    const Case cases[] = {
        {6, "6", "6"},
        {2.5, "2,5", "2,5"},
        {-3, "-3", "(-3)"},
        {1.0 / 3, "0,33", "0,33"},
        {-0.004, "0", "0"},
        {1e30, "1E30", "1E30"},  // too large to round: shown as it is
        {std::numeric_limits<double>::quiet_NaN(), "NAN", "NAN"},
        {-std::numeric_limits<double>::infinity(), "-INF", "(-INF)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WorkingNumber(c.value), c.text);
        EXPECT_EQ(WorkingOperand(c.value), c.operand);
    }
    EXPECT_EQ(WorkingInteger(-(static_cast<__int128>(1) << 100)), "-1267650600228229401496703205376");
    EXPECT_EQ(WorkingOperandInteger(-12), "(-12)");
    EXPECT_EQ(WorkingPoint("A", 0, -1.5), "A(0; -1,5)");
    EXPECT_EQ(VertexName(1), "A");
    EXPECT_EQ(VertexName(26), "Z");
    EXPECT_EQ(VertexName(27), "P27");
}

TEST(WorkingNumbers, TheStepsLeftOutAgreeWithTheirNumber)
{
    const std::pair<long long, const char*> cases[] = {
        {1, "… ще 1 крок"},    {2, "… ще 2 кроки"},     {4, "… ще 4 кроки"},     {5, "… ще 5 кроків"},
        {11, "… ще 11 кроків"}, {12, "… ще 12 кроків"}, {21, "… ще 21 крок"},    {22, "… ще 22 кроки"},
        {111, "… ще 111 кроків"}, {950, "… ще 950 кроків"},
    };
    for (const auto& [count, text] : cases) EXPECT_EQ(MoreStepsText(count), text);
    EXPECT_EQ(CountedText(1, "точка", "точки", "точок"), "1 точка");
    EXPECT_EQ(CountedText(23, "вершина", "вершини", "вершин"), "23 вершини");
    EXPECT_EQ(CountedText(114, "вершина", "вершини", "вершин"), "114 вершин");
}

}  // namespace
