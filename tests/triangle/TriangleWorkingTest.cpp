// The working of the triangle menu's commands: the steps with the student's
// numbers, the results as the fields show them, and what a fault leaves.
#include "TriangleFixture.h"
#include "platform/Errors.h"
#include "shell/VertexStore.h"
#include "triangle/PickCount.h"
#include "working/FormWorking.h"

#include <QLabel>
#include <algorithm>

namespace {

const TWorkingSection& Last()
{
    const std::vector<TWorkingSection>& sections = FormWorking->Sections();
    if (sections.empty()) throw std::runtime_error("no section");
    return sections.back();
}

bool HasStep(const TWorkingSection& s, const std::string& text)
{
    return std::any_of(s.Steps.begin(), s.Steps.end(), [&](const TWorkingStep& step) { return step.Text == text; });
}

bool HasStepContaining(const TWorkingSection& s, const std::string& part)
{
    return std::any_of(s.Steps.begin(), s.Steps.end(),
                       [&](const TWorkingStep& step) { return step.Text.find(part) != std::string::npos; });
}

std::string Steps(const TWorkingSection& s) { return SectionPlainText(s); }

}  // namespace

TEST_F(TriangleTest, WorkingShowsTheNamedValuesOfTheRightTriangle)
{
    Type(0, 0, 4, 0, 0, 3);

    ASSERT_EQ(Run(&TForm1::N3Click), "");
    {
        const TWorkingSection& s = Last();
        SCOPED_TRACE(Steps(s));
        EXPECT_EQ(s.Caption, "Трикутник — Площа");
        EXPECT_EQ(s.Figure, "A(0; 0), B(4; 0), C(0; 3)");
        EXPECT_TRUE(HasStep(s, "a = AB = √((4 − 0)² + (0 − 0)²) = √16 = 4"));
        EXPECT_TRUE(HasStep(s, "b = BC = √((0 − 4)² + (3 − 0)²) = √25 = 5"));
        EXPECT_TRUE(HasStep(s, "c = AC = √((0 − 0)² + (3 − 0)²) = √9 = 3"));
        EXPECT_TRUE(HasStep(s, "p = (a + b + c) / 2 = (4 + 5 + 3) / 2 = 6"));
        EXPECT_TRUE(HasStep(s, "S = √(p(p − a)(p − b)(p − c)) = √(6 · 2 · 1 · 3) = 6"));
        EXPECT_TRUE(
            HasStep(s, "D = x₁·y₂ − x₂·y₁ + x₂·y₃ − x₃·y₂ + x₃·y₁ − x₁·y₃ = 0·0 − 4·0 + 4·3 − 0·0 + 0·0 − 0·3 = 12"));
        EXPECT_TRUE(HasStep(s, "S = ½·|D| = ½·|12| = 6"));
        EXPECT_TRUE(HasStep(s, "AB: НСД(4; 0) = 4"));
        EXPECT_TRUE(HasStep(s, "BC: НСД(4; 3) = 1"));
        EXPECT_TRUE(HasStep(s, "B = 4 + 1 + 3 = 8"));
        EXPECT_TRUE(HasStep(s, "I = 3"));
        EXPECT_TRUE(HasStep(s, "S = I + B/2 − 1 = 3 + 8/2 − 1 = 6"));
        EXPECT_TRUE(s.Failure.empty());
        ASSERT_TRUE(s.Lattice.has_value());
        EXPECT_EQ(s.Lattice->B, (TLatticePoint{4, 0}));
    }

    ASSERT_EQ(Run(&TForm1::N2Click), "");
    {
        const TWorkingSection& s = Last();
        SCOPED_TRACE(Steps(s));
        EXPECT_EQ(s.Caption, "Трикутник — !!!!!!!!!");
        EXPECT_TRUE(HasStep(s, "AB = √((4 − 0)² + (0 − 0)²) = √16 = 4"));
        EXPECT_TRUE(HasStep(s, "AB + BC = 4 + 5 = 9 > AC = 3"));
        EXPECT_TRUE(HasStep(s, "AB + AC = 4 + 3 = 7 > BC = 5"));
        EXPECT_TRUE(HasStep(s, "BC + AC = 5 + 3 = 8 > AB = 4"));
    }

    ASSERT_EQ(Run(&TForm1::N21Click), "");
    {
        const TWorkingSection& s = Last();
        SCOPED_TRACE(Steps(s));
        EXPECT_EQ(s.Caption, "Трикутник — Вписане коло");
        EXPECT_TRUE(HasStep(s, "a = P₀P₁ = √((4 − 0)² + (0 − 0)²) = 4"));
        EXPECT_TRUE(HasStep(s, "p = (a + b + c) / 2 = (4 + 5 + 3) / 2 = 6"));
        EXPECT_TRUE(HasStep(s, "S = √(p(p − a)(p − b)(p − c)) = 6"));
        EXPECT_TRUE(HasStep(s, "R = abc / (4S) = 4 · 5 · 3 / (4 · 6) = 2,5"));
        EXPECT_TRUE(HasStep(s, "r = S / p = 6 / 6 = 1"));
        EXPECT_TRUE(HasStep(s, "O₁(1; 1)"));
        EXPECT_EQ(s.Results, (std::vector<TWorkingResult>{{"R", "2,5"}, {"r", "1"}}));
    }

    // The level side P₀P₁ leaves the bisectors without a crossing; the equations find the centre.
    ASSERT_EQ(Run(&TForm1::N22Click), "");
    {
        const TWorkingSection& s = Last();
        SCOPED_TRACE(Steps(s));
        EXPECT_TRUE(HasStepContaining(s, "з рівнянь серединних перпендикулярів"));
        EXPECT_TRUE(HasStep(s, "O(2; 1,5)"));
        EXPECT_TRUE(HasStep(s, "R = OA = √((0 − 2)² + (0 − 1,5)²) = 2,5"));
        EXPECT_EQ(s.Results, (std::vector<TWorkingResult>{{"R", "2,5"}}));
        EXPECT_FALSE(HasStepContaining(s, "збігаються"));
    }
}

TEST_F(TriangleTest, WorkingResultsAreTheFieldsTexts)
{
    const std::array<int, 6> triangles[] = {
        {0, 0, 4, 0, 0, 3},
        {-7, -3, 5, -11, 2, 9},
        {0, 0, 1, 0, 2, 0},  // flat: no fault, areas of zero
        {0, 0, 3, 1, 1, 2},
        {-1000000, -1000000, 1000000, -300000, -400000, 1000000},
        {-2147483647 - 1, 0, 2147483647, 0, 0, 50000000},
    };
    for (const auto& xy : triangles) {
        Type(xy[0], xy[1], xy[2], xy[3], xy[4], xy[5]);
        SCOPED_TRACE(Form1->Edit1->text().toStdString() + " " + Form1->Edit3->text().toStdString());

        ASSERT_EQ(Run(&TForm1::N3Click), "");
        const TWorkingSection& areas = Last();
        ASSERT_EQ(areas.Results.size(), 3u) << Steps(areas);
        EXPECT_EQ(areas.Results[0].Text, Form1->Edit16->text().toStdString());
        EXPECT_EQ(areas.Results[1].Text, Form1->Edit18->text().toStdString());
        EXPECT_EQ(areas.Results[2].Text, Form1->Edit21->text().toStdString());
        // The steps end on the values shown.
        for (const TWorkingResult& r : areas.Results)
            EXPECT_TRUE(std::any_of(areas.Steps.begin(), areas.Steps.end(), [&](const TWorkingStep& step) {
                return step.Text.starts_with("S = ") && step.Text.ends_with(" " + r.Text);
            })) << r.Text;

        ASSERT_EQ(Run(&TForm1::N2Click), "");
        EXPECT_EQ(Last().Results, (std::vector<TWorkingResult>{{"", Form1->Label2->text().toStdString()}}));
        ASSERT_EQ(Run(&TForm1::N5Click), "");
        EXPECT_EQ(Last().Results, (std::vector<TWorkingResult>{{"", Form1->Label3->text().toStdString()}}));
    }
}

TEST_F(TriangleTest, CirclesWorkingFromFloatFields)
{
    struct Case {
        std::array<QString, 6> fields;
        void (TForm1::*handler)();
        std::vector<TWorkingResult> results;
    };
    const Case cases[] = {
        {{"0", "0", "2", "0", "0", "1,5"}, &TForm1::N23Click, {{"R", "1,25"}, {"r", "0,5"}}},
        {{"-1", "-1", "3", "-1", "-1", "2"}, &TForm1::N23Click, {{"R", "2,5"}, {"r", "1"}}},
        {{"-1", "-1", "3", "-1", "-1", "2"}, &TForm1::N22Click, {{"R", "2,5"}}},
        {{"0,5", "0", "4,5", "3", "0,5", "3"}, &TForm1::N22Click, {{"R", "2,5"}}},
        {{"1", "0", "5", "1", "2", "4"}, &TForm1::N21Click, {{"R", "2,4"}, {"r", "1,2"}}},
    };
    for (const Case& c : cases) {
        Type(c.fields);
        SCOPED_TRACE(c.fields[4].toStdString() + " " + c.fields[5].toStdString());
        ASSERT_EQ(Run(c.handler), "");
        const TWorkingSection& s = Last();
        EXPECT_EQ(s.Results, c.results) << Steps(s);
        EXPECT_TRUE(s.Failure.empty());
    }
    // The second method's radius is the one kept.
    EXPECT_EQ(WorkingNumber(CircumRadius), "2,5");

    platform::SetDecimalSeparator('.');
    Type(0, 0, 4, 0, 0, 3);
    ASSERT_EQ(Run(&TForm1::N21Click), "");
    EXPECT_EQ(Last().Results, (std::vector<TWorkingResult>{{"R", "2.5"}, {"r", "1"}}));
    EXPECT_TRUE(HasStep(Last(), "R = abc / (4S) = 4 · 5 · 3 / (4 · 6) = 2.5"));
}

TEST_F(TriangleTest, AFaultLeavesTheWorkingReachedAndItsReason)
{
    struct Case {
        std::array<QString, 6> fields;
        void (TForm1::*handler)();
        std::string message;
        std::string reachedStep;  // the last value computed
        std::string reason;       // part of the step that says why it stopped
    };
    const Case cases[] = {
        // Rounded side lengths of three points on a line: the product under Heron's root is below zero.
        {{"0", "0", "3", "24", "15", "120"}, &TForm1::N3Click, platform::kInvalidOperation,
         "p = (a + b + c) / 2 = (24,19 + 96,75 + 120,93) / 2 = 120,93", "лежать на одній прямій"},
        {{"0", "0", "1", "1", "2", "2"}, &TForm1::N22Click, platform::kDivisionByZero,
         "S = √(p(p − a)(p − b)(p − c)) = 0", "S = 0: точки лежать на одній прямій"},
        {{"0", "0", "1", "1", "2", "2"}, &TForm1::N21Click, platform::kDivisionByZero,
         "r = S / p = 0 / 2,83 = 0", "S = 0: точки лежать на одній прямій"},
        {{"0", "0", "0", "0", "4", "3"}, &TForm1::N22Click, platform::kInvalidOperation,
         "S = √(p(p − a)(p − b)(p − c)) = 0", "Дві вершини збігаються: S = 0 і abc = 0"},
        {{"5", "5", "5", "5", "5", "5"}, &TForm1::N23Click, platform::kInvalidOperation,
         "S = √(p(p − a)(p − b)(p − c)) = 0", "усі три вершини збігаються"},
        {{"0", "3", "0", "0", "4", "0"}, &TForm1::N22Click, platform::kDivisionByZero,
         "R = abc / (4S) = 4 · 5 · 3 / (4 · 6) = 2,5", "абсциси A і B рівні"},
        {{"0", "0", "4", "0", "x", "3"}, &TForm1::N3Click, "'x' is not a valid integer value", "", ""},
    };
    for (const Case& c : cases) {
        Type(c.fields);
        SCOPED_TRACE(c.fields[2].toStdString() + " " + c.fields[3].toStdString());
        // The figure check may add its own section about a flat triangle first.
        const auto commandSections = [] {
            return std::count_if(FormWorking->Sections().begin(), FormWorking->Sections().end(),
                                 [](const TWorkingSection& s) { return s.Caption != "Перевірка фігури"; });
        };
        const auto before = commandSections();
        EXPECT_EQ(Run(c.handler), c.message);
        ASSERT_EQ(commandSections(), before + 1);
        const TWorkingSection& s = Last();
        SCOPED_TRACE(Steps(s));
        EXPECT_EQ(s.Failure, FailureInWords(c.message));
        EXPECT_TRUE(s.Results.empty());
        if (c.reachedStep.empty()) {
            EXPECT_TRUE(s.Figure.empty());
            EXPECT_TRUE(s.Steps.empty());
            continue;
        }
        EXPECT_TRUE(HasStep(s, c.reachedStep));
        EXPECT_TRUE(HasStepContaining(s, c.reason));
    }
}

TEST_F(TriangleTest, LatticePointsAreOfferedUpToTheOverlayLimit)
{
    struct Case {
        std::array<int, 6> xy;
        bool shown;
    };
    const Case cases[] = {
        {{0, 0, 99, 0, 0, 199}, true},   // 100 · 200 points in the box: the limit itself
        {{0, 0, 99, 0, 0, 200}, false},  // 100 · 201
        {{-50, 7, 49, 7, -50, -192}, true},
        {{0, 0, 19999, 0, 0, 0}, true},  // a flat one, a single row
    };
    for (const Case& c : cases) {
        Type(c.xy[0], c.xy[1], c.xy[2], c.xy[3], c.xy[4], c.xy[5]);
        SCOPED_TRACE(c.xy[4] * 1000 + c.xy[5]);
        ASSERT_EQ(Run(&TForm1::N3Click), "");
        const TWorkingSection& s = Last();
        EXPECT_EQ(s.Lattice.has_value(), c.shown);
        if (c.shown) {
            EXPECT_EQ(s.Lattice->C, (TLatticePoint{c.xy[4], c.xy[5]}));
            EXPECT_TRUE(s.LatticeNote.empty());
        } else {
            EXPECT_EQ(s.LatticeNote,
                      "Точок решітки в межах трикутника забагато, щоб позначити їх на малюнку: понад 20 000.");
        }
    }
    // The whole 32-bit box: its count of points needs 64 bits.
    const int32_t lo = INT32_MIN, hi = INT32_MAX;
    EXPECT_FALSE(LatticeBoxFits({{lo, lo}, {hi, lo}, {hi, hi}}));
    EXPECT_FALSE(LatticeBoxFits({{lo, 0}, {hi, 0}, {0, 0}}));
    EXPECT_TRUE(LatticeBoxFits({{hi, hi}, {hi, hi}, {hi, hi}}));
}
