#include "FormsFixture.h"
#include "PolygonFixtures.h"
#include "platform/Errors.h"
#include "polygon/ConvexHull.h"
#include "polygon/HullWorking.h"
#include "working/FormWorking.h"

#include <QLineEdit>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace {

std::vector<std::string> StepTexts(const TWorkingSection& section)
{
    std::vector<std::string> texts;
    for (const TWorkingStep& step : section.Steps) texts.push_back(step.Text);
    return texts;
}

// (0, 0), (1, 1), (2, 4) ... on y = x * x: every point a corner of the hull.
std::vector<TVertex> Parabola(int count)
{
    std::vector<TVertex> points;
    for (int x = 0; x < count; ++x) points.push_back({double(x), double(x) * x});
    return points;
}

// The newest section of the command: the construction that follows a hull may
// add the figure check's after it.
const TWorkingSection& Newest(const std::string& caption)
{
    const std::vector<TWorkingSection>& sections = FormWorking->Sections();
    const auto it = std::find_if(sections.rbegin(), sections.rend(),
                                 [&](const TWorkingSection& s) { return s.Caption == caption; });
    if (it == sections.rend()) throw std::runtime_error("no section " + caption);
    return *it;
}
const char* const kMarch = "N-кутник — Побудова опуклої оболонки (Джарвіса)";
const char* const kScans = "N-кутник — Побудова опуклої оболонки (Авт.)";
const char* Caption(void (TForm1::*command)()) { return command == &TForm1::N24Click ? kMarch : kScans; }

// The steps up to the hull's corners; the area and perimeter steps that follow
// are the polygon measures' own.
std::vector<std::string> HullSteps(const TWorkingSection& section)
{
    std::vector<std::string> texts = StepTexts(section);
    const auto corners = std::find_if(texts.begin(), texts.end(),
                                      [](const std::string& t) { return t.starts_with("Вершини по порядку: "); });
    if (corners != texts.end()) texts.erase(corners + 1, texts.end());
    return texts;
}

bool HasStep(const TWorkingSection& section, const std::string& text)
{
    const std::vector<std::string> texts = StepTexts(section);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Runs a hull command; the message of the error that ended it, or "".
std::string RunCommand(void (TForm1::*command)())
{
    try {
        (Form1->*command)();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return {};
}

TEST_F(FormsTest, MarchWorkingNamesTheStartAndEveryStepWithItsReason)
{
    // Three points at the lowest height, one of them inside the bottom side.
    LoadFigure({{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {2, 0}});
    ASSERT_EQ(RunCommand(&TForm1::N24Click), "");

    ASSERT_EQ(FormWorking->Sections().size(), 1u);
    const TWorkingSection& section = Newest(kMarch);
    EXPECT_EQ(section.Figure, "A(0; 0), B(4; 0), C(4; 4), D(0; 4), E(2; 2), F(2; 0)");
    const std::vector<std::string> expected = {
        "Початкова точка",
        "B(4; 0) — найнижча точка (найменше y = 0); з 3 найнижчих точок — найправіша",
        "Обхід: кожна наступна вершина лишає всі точки ліворуч від сторони",
        "Крок 1: з B(4; 0) до C(4; 4) — праворуч від прямої BC не лишається жодної точки",
        "Крок 2: з C(4; 4) до D(0; 4) — праворуч від прямої CD не лишається жодної точки",
        "Крок 3: з D(0; 4) до A(0; 0) — праворуч від прямої DA не лишається жодної точки",
        "Крок 4: з A(0; 0) до B(4; 0) — праворуч від прямої AB не лишається жодної точки; ближче на цій прямій "
        "ще 1 точка — береться найдальша; це початкова точка — оболонку замкнено",
        "Оболонка стає фігурою",
        "Вершини по порядку: A(4; 0), B(4; 4), C(0; 4), D(0; 0)",
    };
    EXPECT_EQ(HullSteps(section), expected);
    EXPECT_TRUE(HasStep(section, "S = ½·|Σ| = ½·|32| = 16"));
    EXPECT_TRUE(HasStep(section, "P = AB + BC + CD + DA = 4 + 4 + 4 + 4 = 16"));
    EXPECT_EQ(section.Results, (std::vector<TWorkingResult>{{"S", "16"}, {"P", "16"}}));
    EXPECT_TRUE(section.Failure.empty());
}

TEST_F(FormsTest, AutomaticHullWorkingListsTheCornersInTheOrderFound)
{
    // The repeated point is taken again from the corner it coincides with.
    LoadFigure({{0, 0}, {4, 0}, {4, 0}, {2, 3}, {0, 3}, {1, 1}, {0, 1}});
    ASSERT_EQ(RunCommand(&TForm1::N20Click), "");

    const TWorkingSection& section = Newest(kScans);
    const std::vector<std::string> expected = {
        "Початкова точка",
        "A(0; 0) — найлівіша точка (найменше x = 0); з 3 таких точок — перша за номером",
        "Вершини в порядку знаходження: від останньої знайденої вершини праворуч не лишається жодної точки",
        "Вершина 2: B(4; 0) — праворуч від прямої AB не лишається жодної точки",
        "Вершина 3: C(4; 0) — збігається з B, праворуч точок немає",
        "Вершина 4: D(2; 3) — праворуч від прямої CD не лишається жодної точки",
        "Вершина 5: E(0; 3) — праворуч від прямої DE не лишається жодної точки",
        "Вершина 6: G(0; 1) — праворуч від прямої EG не лишається жодної точки",
        "Оболонка стає фігурою",
        "Вершини по порядку: A(0; 0), B(4; 0), C(4; 0), D(2; 3), E(0; 3), F(0; 1)",
    };
    EXPECT_EQ(HullSteps(section), expected);
    EXPECT_TRUE(HasStep(section, "S = ½·|Σ| = ½·|18| = 9"));
}

TEST_F(FormsTest, HullWorkingOfManyPointsStopsAtFiftyStepsWithASummary)
{
    struct Case {
        void (TForm1::*command)();
        const char* more;
    };
    // The march's sixty steps end back at the start; the scans take 59 corners after it.
    for (const Case& c : {Case{&TForm1::N24Click, "… ще 10 кроків"}, Case{&TForm1::N20Click, "… ще 9 кроків"}}) {
        SCOPED_TRACE(c.more);
        LoadFigure(Parabola(60));
        ASSERT_EQ(RunCommand(c.command), "");
        const TWorkingSection& section = Newest(Caption(c.command));
        EXPECT_TRUE(section.Figure.ends_with("F(5; 25), … (усього 60 вершин)")) << section.Figure;
        const auto summary = std::find_if(section.Steps.begin(), section.Steps.end(),
                                          [](const TWorkingStep& s) { return s.Kind == TWorkingStepKind::Summary; });
        ASSERT_NE(summary, section.Steps.end());
        EXPECT_EQ(summary->Text, c.more);
        // The fiftieth step is the last one listed.
        EXPECT_TRUE((summary - 1)->Text.starts_with(c.command == &TForm1::N24Click ? "Крок 50: " : "Вершина 51: "))
            << (summary - 1)->Text;
        // Then the hull's corners, and the area's and perimeter's steps.
        EXPECT_EQ((summary + 1)->Text, "Оболонка стає фігурою");
    }
}

TEST_F(FormsTest, HullWorkingResultsAreTheFieldsTexts)
{
    const std::vector<std::vector<TVertex>> figures = {
        {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {2, 2}, {1, 3}, {3, 1}},
        {{0.5, -1.25}, {3.333, 0.1}, {2.75, 4.5}, {-1.5, 2.25}, {1, 1}},
        {{0, 0}, {1, 1}, {2, 2}},
        {{1, 1}, {1, 1}, {1, 1}},
        {{2.5, -1}},
        {},
        Pentagram(),
    };
    for (auto command : {&TForm1::N20Click, &TForm1::N24Click}) {
        for (const std::vector<TVertex>& figure : figures) {
            SCOPED_TRACE(::testing::Message() << figure.size() << " points, "
                                              << (command == &TForm1::N20Click ? "scans" : "march"));
            LoadFigure(figure);
            dialogs.Shown.clear();
            ASSERT_EQ(RunCommand(command), "");
            const TWorkingSection& section = Newest(Caption(command));
            const std::vector<TWorkingResult> fields = {{"S", Form1->Edit15->text().toStdString()},
                                                        {"P", Form1->Edit23->text().toStdString()}};
            EXPECT_EQ(section.Results, fields);
        }
    }
}

TEST_F(FormsTest, HullWorkingOfPointsTooFarApartSaysWhereItStopped)
{
    // Every turn value of these points overflows.
    const std::vector<TVertex> far = {{-1e308, -1e308}, {1e308, -1e308}, {0, 1e308}};
    struct Case {
        void (TForm1::*command)();
        const char* lastStep;
    };
    for (const Case& c :
         {Case{&TForm1::N24Click, "Крок 1: повороти не обчислюються — координати точок надто великі або не є числами"},
          Case{&TForm1::N20Click,
               "Пошук вершин не вдався: повороти не обчислюються — координати точок надто великі або не є числами"}}) {
        SCOPED_TRACE(c.lastStep);
        LoadFigure(far);
        const size_t before = FormWorking->Sections().size();
        EXPECT_EQ(RunCommand(c.command), platform::kOverflow);
        ASSERT_EQ(FormWorking->Sections().size(), before + 1);
        const TWorkingSection& section = Newest(Caption(c.command));
        EXPECT_EQ(section.Failure, FailureInWords(platform::kOverflow));
        EXPECT_EQ(section.Steps.back().Text, c.lastStep);
        EXPECT_TRUE(section.Results.empty());
    }
}

// The traced march takes the same corners as the plain one, and its steps chain
// from the start back to it.
TEST(HullWorking, TracedMarchGivesThePlainHullAndChainsItsSteps)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-6, 6);
    std::vector<std::vector<TVertex>> sets = {Parabola(60), Pentagram(), {{1, 1}, {1, 1}}, {{3, 4}}};
    for (int set = 0; set < 200; ++set) {
        std::vector<TVertex> points(2 + set % 30);
        // Coarse whole points give lines of points and repeats; halves and thirds round.
        for (TVertex& p : points) p = {coordinate(random) / (1.0 + set % 3), coordinate(random) / (1.0 + set % 3)};
        sets.push_back(points);
    }
    for (const std::vector<TVertex>& points : sets) {
        SCOPED_TRACE(::testing::Message() << points.size() << " points");
        TJarvisTrace trace;
        const std::vector<TVertex> hull = TracedJarvisMarch(points, trace);
        const std::vector<TVertex> plain = PlainJarvisMarch(points);
        ASSERT_EQ(hull.size(), plain.size());
        for (size_t i = 0; i < hull.size(); ++i) {
            EXPECT_EQ(hull[i].X, plain[i].X);
            EXPECT_EQ(hull[i].Y, plain[i].Y);
        }
        ASSERT_GE(trace.Start, 0);
        EXPECT_EQ(points[trace.Start].X, hull[0].X);
        EXPECT_EQ(points[trace.Start].Y, hull[0].Y);
        int32_t from = trace.Start;
        for (size_t k = 0; k < trace.Steps.size(); ++k) {
            EXPECT_EQ(trace.Steps[k].From, from);
            from = trace.Steps[k].Corner;
            if (k + 1 < hull.size()) {
                EXPECT_EQ(points[from].X, hull[k + 1].X);
                EXPECT_EQ(points[from].Y, hull[k + 1].Y);
            }
        }
        if (points.size() > 1) {
            EXPECT_EQ(trace.Steps.size(), hull.size() + (trace.Closed ? 0 : 1));
        }
    }
}

TEST(HullWorking, MarchCountsThePointsItPassesOnALine)
{
    // From the start (4, 0) the way up passes (4, 1) and (4, 2); the way back
    // along the bottom passes (1, 0), (2, 0) and (3, 0).
    const std::vector<TVertex> points = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}, {4, 2}, {4, 3}, {0, 3}};
    TJarvisTrace trace;
    TracedJarvisMarch(points, trace);
    std::vector<int32_t> passed;
    for (const TJarvisStep& step : trace.Steps) passed.push_back(step.PassedOnLine);
    EXPECT_EQ(passed, (std::vector<int32_t>{2, 0, 0, 3}));
    EXPECT_TRUE(trace.Closed);
    EXPECT_EQ(trace.LowestCount, 5);

    trace.CountedSteps = 1;
    TracedJarvisMarch(points, trace);
    EXPECT_EQ(trace.Steps[0].PassedOnLine, 2);
    EXPECT_EQ(trace.Steps[1].PassedOnLine, -1);
}

}  // namespace
