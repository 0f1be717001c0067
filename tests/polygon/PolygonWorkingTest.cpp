// The working of the polygon measures and of the figure check: the steps as
// written, the summaries of long figures, the findings naming their vertices
// and sides, and the sections of commands that stop with a fault.
#include "FormsFixture.h"
#include "PolygonFixtures.h"
#include "platform/Errors.h"
#include "polygon/FigureCheck.h"
#include "polygon/PolygonRules.h"
#include "polygon/PolygonWorking.h"
#include "working/FormWorking.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> StepTexts(const TWorkingSection& section)
{
    std::vector<std::string> texts;
    for (const TWorkingStep& step : section.Steps) texts.push_back(step.Text);
    return texts;
}

bool HasStep(const TWorkingSection& section, const std::string& text)
{
    const auto texts = StepTexts(section);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// y = x * x for x = 1 .. n: convex, whole, and every term exact.
std::vector<TVertex> Parabola(int n)
{
    std::vector<TVertex> figure;
    for (int x = 1; x <= n; ++x) figure.push_back({double(x), double(x) * x});
    return figure;
}

const std::vector<TVertex> kTriangle = {{0, 0}, {4, 0}, {0, 3}};
const std::vector<TVertex> kSquare = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
const std::vector<TVertex> kArrow = {{0, 0}, {2, 1}, {4, 0}, {2, 3}};
const std::vector<TVertex> kBowTie = {{0, 0}, {4, 4}, {4, 0}, {0, 4}};

TEST(PolygonWorking, ShoelaceTermsAsWritten)
{
    TShoelace shoelace;
    ShoelaceArea(kTriangle, shoelace);
    TWorkingSection section;
    AddAreaSteps(section, shoelace);
    const std::vector<std::string> expected = {
        "Формула Гаусса (шнурування)",
        "S = ½·|Σ|, Σ = x₁·y₂ − x₂·y₁ + x₂·y₃ − x₃·y₂ + … + xₙ·y₁ − x₁·yₙ: після останньої вершини знову йде перша",
        "x₁·y₂ − x₂·y₁ = 0·0 − 4·0 = 0",
        "x₂·y₃ − x₃·y₂ = 4·3 − 0·0 = 12",
        "x₃·y₁ − x₁·y₃ = 0·0 − 0·3 = 0",
        "Σ = 0 + 12 + 0 = 12",
        "S = ½·|Σ| = ½·|12| = 6",
    };
    EXPECT_EQ(StepTexts(section), expected);
    EXPECT_EQ(PolygonFigureText(kTriangle), "A(0; 0), B(4; 0), C(0; 3)");

    // Fractions go the extended way; a clockwise figure has a negative sum, in parentheses as a term.
    ShoelaceArea(std::vector<TVertex>{{0, 0}, {0, 1.5}, {3, 0}}, shoelace);
    section = {};
    AddAreaSteps(section, shoelace);
    const auto texts = StepTexts(section);
    EXPECT_EQ(texts[3], "x₂·y₃ − x₃·y₂ = 0·0 − 3·1,5 = -4,5");
    EXPECT_EQ(texts[5], "Σ = 0 + (-4,5) + 0 = -4,5");
    EXPECT_EQ(texts[6], "S = ½·|Σ| = ½·|-4,5| = 2,25");
}

TEST(PolygonWorking, PerimeterSidesAsWritten)
{
    TPerimeterSides sides;
    const double p = SidesPerimeter(kTriangle, sides);
    EXPECT_EQ(p, PolygonPerimeter(kTriangle));
    TWorkingSection section;
    AddPerimeterSteps(section, sides);
    const std::vector<std::string> expected = {
        "Периметр: сума довжин сторін",
        "AB = √((4 − 0)² + (0 − 0)²) = 4",
        "BC = √((0 − 4)² + (3 − 0)²) = 5",
        "CA = √((0 − 0)² + (0 − 3)²) = 3",
        "P = AB + BC + CA = 4 + 5 + 3 = 12",
    };
    EXPECT_EQ(StepTexts(section), expected);

    // The first side is longer than a double holds: the sum stops there, and says so.
    const std::vector<TVertex> huge = {{-1e308, 0}, {1e308, 0}};
    EXPECT_THROW(SidesPerimeter(huge, sides), platform::MathError);
    section = {};
    AddPerimeterSteps(section, sides);
    const std::vector<std::string> stopped = {
        "Периметр: сума довжин сторін",
        "AB = √((1E308 − (-1E308))² + (0 − 0)²) = число поза межами",
        "Зупинено на стороні AB: її довжина чи сума з нею завелика для числа, яке зберігає програма",
    };
    EXPECT_EQ(StepTexts(section), stopped);
}

// A figure of 25 vertices: 20 steps one by one, then a summary line, and the
// value objects keep no more than they show.
TEST(PolygonWorking, LongFiguresAreSummed)
{
    const auto figure = Parabola(25);
    EXPECT_EQ(PolygonFigureText(figure),
              "A(1; 1), B(2; 4), C(3; 9), D(4; 16), E(5; 25), F(6; 36), … (усього 25 вершин)");

    TShoelace shoelace;
    EXPECT_EQ(ShoelaceArea(figure, shoelace), PolygonArea(figure));
    ASSERT_EQ(shoelace.Terms.size(), kWorkingStepsShown);
    TWorkingSection area;
    AddAreaSteps(area, shoelace);
    auto texts = StepTexts(area);
    ASSERT_EQ(texts.size(), 2 + 20 + 1 + 2u);
    EXPECT_EQ(texts[2], "x₁·y₂ − x₂·y₁ = 1·4 − 2·1 = 2");
    EXPECT_EQ(area.Steps[22].Kind, TWorkingStepKind::Summary);
    EXPECT_EQ(texts[22], "… ще 5 кроків");
    EXPECT_EQ(texts[23], "Σ = 2 + 6 + 12 + … = " + WorkingNumber(shoelace.Sum));

    TPerimeterSides sides;
    SidesPerimeter(figure, sides);
    TWorkingSection perimeter;
    AddPerimeterSteps(perimeter, sides);
    texts = StepTexts(perimeter);
    ASSERT_EQ(texts.size(), 1 + 20 + 1 + 1u);
    EXPECT_EQ(texts[21], "… ще 5 кроків");
    EXPECT_EQ(texts[22], "P = AB + BC + CD + … + YA = " + WorkingNumber(sides.Perimeter));

    TConvexity convexity;
    EXPECT_TRUE(TurnsConvexity(figure, convexity));
    TWorkingSection turns;
    AddConvexitySteps(turns, convexity);
    texts = StepTexts(turns);
    EXPECT_EQ(texts[3], "у вершині B: (1; 3) × (1; 5) = 1·5 − 1·3 = 2 ≥ 0");
    EXPECT_EQ(texts[23], "… ще 5 кроків");
    EXPECT_EQ(texts.back(), "Усі 25 поворотів ≥ 0: знак один");
}

TEST(PolygonWorking, ConvexityNamesTheFirstDifferingTurn)
{
    struct Case {
        const char* name;
        std::vector<TVertex> figure;
        std::string verdict;  // the last step
    };
    // Vertex 23 (W) of the parabola pushed up turns the other way; its turn is
    // past the twentieth, so it gets a line of its own after the summary.
    auto dented = Parabola(25);
    dented[22].Y = 560;
    const Case cases[] = {
        {"arrow", kArrow, "Перший поворот, у вершині B, < 0, а у вершині C ≥ 0: знаки різні"},
        {"bow-tie", kBowTie, "Перший поворот, у вершині B, < 0, а у вершині D ≥ 0: знаки різні"},
        {"dented parabola", dented, "Перший поворот, у вершині B, ≥ 0, а у вершині W < 0: знаки різні"},
        {"square", kSquare, "Усі 4 повороти ≥ 0: знак один"},
        // A zero turn counts with the non-negative ones.
        {"collinear clockwise", {{0, 0}, {0, 2}, {2, 2}, {2, 0}, {1, 0}},
         "Перший поворот, у вершині B, < 0, а у вершині E ≥ 0: знаки різні"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConvexity convexity;
        EXPECT_EQ(TurnsConvexity(c.figure, convexity), IsConvexPolygon(c.figure));
        TWorkingSection section;
        AddConvexitySteps(section, convexity);
        EXPECT_EQ(StepTexts(section).back(), c.verdict);
    }

    TConvexity convexity;
    TurnsConvexity(kArrow, convexity);
    TWorkingSection section;
    AddConvexitySteps(section, convexity);
    EXPECT_TRUE(HasStep(section, "у вершині B: (2; 1) × (2; -1) = 2·(-1) − 2·1 = -4 < 0"));

    TurnsConvexity(dented, convexity);
    section = {};
    AddConvexitySteps(section, convexity);
    EXPECT_TRUE(HasStep(section, "у вершині W: (1; 76) × (1; 16) = 1·16 − 1·76 = -60 < 0"));
}

TEST(PolygonWorking, CheckFindingsNameTheirVerticesAndSides)
{
    struct Case {
        const char* name;
        std::vector<TVertex> figure;
        std::vector<std::string> findings;
    };
    const Case cases[] = {
        {"repeated vertex", {{0, 0}, {3, 0}, {3, 0}, {0, 3}},
         {"Вершини B і C збігаються: B(3; 0), C(3; 0)", "Три вершини поспіль A, B, C лежать на одній прямій"}},
        {"bow-tie", kBowTie,
         {"Многокутник неопуклий: у вершині D поворот іншого знаку, ніж у вершині B",
          "Сторони AB і CD перетинаються: пряма через сторону CD перетинає сторону AB"}},
        // The line through CD cuts AB although the sides themselves do not meet.
        {"inward corner", {{0, 0}, {4, 0}, {4, 4}, {2, 1}, {0, 4}},
         {"Многокутник неопуклий: у вершині D поворот іншого знаку, ніж у вершині B",
          "Сторони AB і CD перетинаються: пряма через сторону CD перетинає сторону AB"}},
        {"collinear at the closing vertices", {{2, 0}, {4, 4}, {0, 0}, {1, 0}},
         {"Три вершини поспіль C, D, A лежать на одній прямій"}},
        {"two vertices", {{0, 0}, {3, 1}},
         {"Три вершини поспіль A, B, A лежать на одній прямій (так буває завжди, коли вершин менше трьох)",
          "Задано менше трьох вершин: 2"}},
        {"empty", {}, {"Вершин не задано"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TFigureCheckResult result = RunFigureCheck(c.figure);
        const TWorkingSection section = FigureCheckSection(c.figure, result);
        EXPECT_EQ(section.Caption, "Перевірка фігури");
        std::vector<std::string> expected = {"Знайдено"};
        expected.insert(expected.end(), c.findings.begin(), c.findings.end());
        EXPECT_EQ(StepTexts(section), expected);
        ASSERT_EQ(section.Results.size(), 1u);
        EXPECT_EQ(section.Results[0].Text, "запитано «" + result.Question + "»");
    }
}

// From 32 vertices on, equal vertices are found by sorting; the pair named is
// still the first by number, as the pair by pair walk finds it.
TEST(PolygonWorking, CoincidingPairIsTheFirstByNumber)
{
    auto figure = Parabola(40);
    figure[8] = figure[14] = {-5, 0};              // vertices 9 and 15: they sort first
    figure[6] = figure[19] = figure[32] = {1e3, 0};  // vertices 7, 20, 33: the first pair by number
    const TFigureCheckResult sorted = RunFigureCheck(figure);
    EXPECT_EQ(sorted.CoincidingVertices, (std::array<int32_t, 2>{7, 20}));
    EXPECT_TRUE(HasStep(FigureCheckSection(figure, sorted), "Вершини G і T збігаються: G(1000; 0), T(1000; 0)"));

    figure.resize(31);  // pair by pair
    EXPECT_EQ(RunFigureCheck(figure).CoincidingVertices, (std::array<int32_t, 2>{7, 20}));
}

class PolygonWorkingCommands : public FormsTest {
protected:
    const TWorkingSection& Last() const { return FormWorking->Sections().back(); }
    size_t Count() const { return FormWorking->Sections().size(); }
};

// Each command adds one section whose result is its field's text.
TEST_F(PolygonWorkingCommands, ResultsAreTheFieldsTexts)
{
    const std::vector<std::pair<const char*, std::vector<TVertex>>> figures = {
        {"triangle", kTriangle}, {"square", kSquare},         {"arrow", kArrow},
        {"bow-tie", kBowTie},    {"25 vertices", Parabola(25)}, {"fractions", {{0, 0}, {0.5, 0}, {0.5, 0.25}}},
    };
    for (const auto& [name, figure] : figures) {
        SCOPED_TRACE(name);
        LoadFigure(figure);
        const size_t before = Count();
        Form1->N9->trigger();
        ASSERT_EQ(Count(), before + 1);
        EXPECT_EQ(Last().Caption, "N-кутник — Площа");
        EXPECT_EQ(Last().Figure, PolygonFigureText(figure));
        ASSERT_EQ(Last().Results.size(), 1u);
        EXPECT_EQ(Last().Results[0], (TWorkingResult{"S", Form1->Edit15->text().toStdString()}));

        Form1->N10->trigger();
        ASSERT_EQ(Count(), before + 2);
        EXPECT_EQ(Last().Caption, "N-кутник — Опуклість");
        ASSERT_EQ(Last().Results.size(), 1u);
        EXPECT_EQ(Last().Results[0], (TWorkingResult{"", Form1->Edit10->text().toStdString()}));
    }
    EXPECT_TRUE(dialogs.Shown.empty());
}

// The construction runs the check on every build: a sound figure adds nothing,
// a faulty one its findings before the question is asked.
TEST_F(PolygonWorkingCommands, CheckAddsASectionOnlyForProblems)
{
    LoadFigure(kSquare);
    Form1->ErrorClick();
    EXPECT_EQ(Count(), 0u);

    LoadFigure(kBowTie);
    Form1->ErrorClick();
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(Last().Caption, "Перевірка фігури");
    EXPECT_EQ(Last().Results[0].Text, "запитано «Многокутник: неопуклий  перетин сторін  Виконувати?»");
    ASSERT_EQ(dialogs.Shown.size(), 1u);
}

TEST_F(PolygonWorkingCommands, FaultingCommandsKeepWhatTheyReached)
{
    struct Case {
        const char* name;
        std::vector<TVertex> figure;
        QAction* TForm1::*item;
        std::string caption;
        std::string stop;     // the step that says where and why
        const char* message;  // the fault
    };
    const Case cases[] = {
        // The second term, 1e200 · 1e200, is beyond what the sum can store.
        {"area sum", {{0, 0}, {1e200, 0}, {1e200, 1e200}}, &TForm1::N9, "N-кутник — Площа",
         "Зупинено на доданку x₂·y₃ − x₃·y₂ (вершини B і C): сума з ним завелика для числа, яке зберігає програма",
         platform::kOverflow},
        // The sum is fine; its two-decimal rounding for the field is not.
        {"area field", {{0, 0}, {1e9, 0}, {0, 1e9}}, &TForm1::N9, "N-кутник — Площа",
         "S не вдалося округлити до двох знаків для поля: число завелике", platform::kInvalidOperation},
        {"convexity", {{-1e308, 0}, {1e308, 0}, {0, 1}}, &TForm1::N10, "N-кутник — Опуклість",
         "Зупинено на повороті у вершині B: сторона чи добуток завеликі для числа, яке зберігає програма",
         platform::kOverflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoadFigure(c.figure);
        Form1->Edit15->setText("was");
        Form1->Edit10->setText("was");
        const size_t before = Count();
        (Form1->*c.item)->trigger();
        ASSERT_EQ(Count(), before + 1);
        EXPECT_EQ(Last().Caption, c.caption);
        EXPECT_EQ(StepTexts(Last()).back(), c.stop);
        EXPECT_EQ(Last().Failure, FailureInWords(c.message));
        EXPECT_TRUE(Last().Results.empty());
        EXPECT_EQ(Form1->Edit15->text(), "was");
        EXPECT_EQ(Form1->Edit10->text(), "was");
        ASSERT_FALSE(dialogs.Shown.empty());
        EXPECT_EQ(dialogs.Shown.back().Kind, "error");
    }

    // The steps before the fault are there: the first term and the one that overflowed.
    LoadFigure({{0, 0}, {1e200, 0}, {1e200, 1e200}});
    Form1->N9->trigger();
    EXPECT_TRUE(HasStep(Last(), "x₁·y₂ − x₂·y₁ = 0·0 − 1E200·0 = 0"));
    EXPECT_TRUE(HasStep(Last(), "x₂·y₃ − x₃·y₂ = 1E200·1E200 − 1E200·0 = число поза межами"));
}

// The check stops at the crossing test (1e17 cannot be rounded to two decimals):
// its section shows what the tests before found.
TEST_F(PolygonWorkingCommands, FaultingCheckShowsWhatWasFound)
{
    LoadFigure({{0, 0}, {1e17, 0}, {0, 1e17}, {0, 0}});
    Form1->Error->click();
    ASSERT_EQ(Count(), 1u);
    const std::vector<std::string> expected = {
        "Знайдено",
        "Вершини A і D збігаються: A(0; 0), D(0; 0)",
        "Перевірку зупинено на тесті перетину сторін",
    };
    EXPECT_EQ(StepTexts(Last()), expected);
    EXPECT_EQ(Last().Failure, FailureInWords(platform::kInvalidOperation));
    EXPECT_TRUE(Last().Results.empty());
}

}  // namespace
