#include "FormsFixture.h"
#include "platform/Errors.h"
#include "working/FormWorking.h"

#include <QCheckBox>
#include <QLineEdit>

#include <algorithm>

namespace {

class RegularWorkingTest : public FormsTest {
protected:
    // Runs a command on the tab's fields; the message of the error that ended it, or "".
    static std::string Run(void (TForm1::*command)(), const QString& n, const QString& side, const QString& degrees)
    {
        Form1->Edit19->setText(n);
        Form1->Edit20->setText(side);
        Form1->Edit22->setText(degrees);
        try {
            (Form1->*command)();
        } catch (const platform::Error& e) {
            return e.what();
        }
        return {};
    }
    static const TWorkingSection& Newest() { return FormWorking->Sections().back(); }
    static std::vector<std::string> StepTexts()
    {
        std::vector<std::string> texts;
        for (const TWorkingStep& step : Newest().Steps) texts.push_back(step.Text);
        return texts;
    }
};

TEST_F(RegularWorkingTest, AreaWorkingGoesFromTheSideToTheVerticesAndTheArea)
{
    ASSERT_EQ(Run(&TForm1::N19Click, "4", "5", "30"), "");
    ASSERT_EQ(FormWorking->Sections().size(), 1u);
    EXPECT_EQ(Newest().Caption, "Правильний n-кутник — Площа");
    EXPECT_EQ(Newest().Figure, "n = 4, a = 5, φ₀ = 30°");
    const std::vector<std::string> expected = {
        "Радіус описаного кола",
        "R = a / (2·sin(π/n)) = 5 / (2·sin(π/4)) = 3,54",
        "Вершини",
        "φ₀ = 30° = 0,52 рад",
        "xₖ = R·cos(φ₀ + 2π(k − 1)/n), yₖ = R·sin(φ₀ + 2π(k − 1)/n), k = 1, …, 4",
        "A(3,06; 1,77)",
        "B(-1,77; 3,06)",
        "C(-3,06; -1,77)",
        "D(1,77; -3,06)",
    };
    // Then the area from the vertices by the shoelace sum, the polygon measure's own steps.
    const std::vector<std::string> steps = StepTexts();
    EXPECT_EQ(std::vector<std::string>(steps.begin(), steps.begin() + std::min(steps.size(), expected.size())), expected);
    EXPECT_EQ(steps.back(), "S = ½·|Σ| = ½·|50| = 25");
    EXPECT_EQ(Newest().Results, (std::vector<TWorkingResult>{{"S", Form1->Edit17->text().toStdString()}}));
    EXPECT_EQ(Form1->Edit17->text(), "25");
}

TEST_F(RegularWorkingTest, AreaResultIsTheFieldsText)
{
    const char* cases[][3] = {{"3", "5", "0"}, {"7", "2,5", "-15"}, {"12", "0,1", "90"}, {"1000", "1", "0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0]);
        ASSERT_EQ(Run(&TForm1::N19Click, c[0], c[1], c[2]), "");
        EXPECT_EQ(Newest().Results, (std::vector<TWorkingResult>{{"S", Form1->Edit17->text().toStdString()}}));
        EXPECT_TRUE(Newest().Steps.back().Text.ends_with(" = " + Form1->Edit17->text().toStdString()))
            << Newest().Steps.back().Text;
    }
}

TEST_F(RegularWorkingTest, BothRadiiFromTheSide)
{
    for (auto command : {&TForm1::N18Click, &TForm1::N19Click}) {
        SCOPED_TRACE(command == &TForm1::N18Click ? "build" : "area");
        ASSERT_EQ(Run(command, "4", "5", "0"), "");
        const std::vector<std::string> steps = StepTexts();
        EXPECT_EQ(steps[1], "R = a / (2·sin(π/n)) = 5 / (2·sin(π/4)) = 3,54");
        EXPECT_EQ(steps[5], "A(3,54; 0)");
        EXPECT_NE(std::find(steps.begin(), steps.end(), "r = a / (2·tan(π/n)) = 5 / (2·tan(π/4)) = 2,5"), steps.end());
    }
    EXPECT_EQ(FormWorking->Sections()[0].Caption, "Правильний n-кутник — Побудувати");
    EXPECT_TRUE(FormWorking->Sections()[0].Results.empty());

    // Two vertices have no inscribed circle to speak of; the build still lists them.
    ASSERT_EQ(Run(&TForm1::N19Click, "2", "5", "0"), "");
    const std::vector<std::string> steps = StepTexts();
    EXPECT_TRUE(std::none_of(steps.begin(), steps.end(), [](const std::string& s) { return s.starts_with("r = "); }));
}

TEST_F(RegularWorkingTest, ManyVerticesEndInASummary)
{
    ASSERT_EQ(Run(&TForm1::N19Click, "25", "1", "0"), "");
    const std::vector<TWorkingStep>& steps = Newest().Steps;
    const auto summary = std::find_if(steps.begin(), steps.end(),
                                      [](const TWorkingStep& s) { return s.Kind == TWorkingStepKind::Summary; });
    ASSERT_NE(summary, steps.end());
    EXPECT_EQ(summary->Text, "… ще 5 вершин (усього 25)");
    EXPECT_TRUE((summary - 1)->Text.starts_with("T(")) << (summary - 1)->Text;  // the twentieth
}

TEST_F(RegularWorkingTest, FaultsShowTheStepTheyStoppedAt)
{
    for (auto command : {&TForm1::N18Click, &TForm1::N19Click}) {
        SCOPED_TRACE(command == &TForm1::N18Click ? "build" : "area");
        const size_t before = FormWorking->Sections().size();
        ASSERT_EQ(Run(command, "0", "5", "0"), platform::kDivisionByZero);
        ASSERT_EQ(FormWorking->Sections().size(), before + 1);
        EXPECT_EQ(Newest().Figure, "n = 0, a = 5");
        EXPECT_EQ(StepTexts(), (std::vector<std::string>{
                                   "Радіус описаного кола",
                                   "R = a / (2·sin(π/n)) = 5 / (2·sin(π/0))",
                                   "π/n при n = 0 — ділення на нуль: многокутника без вершин не буває",
                               }));
        EXPECT_EQ(Newest().Failure, "ділення на нуль");
        EXPECT_TRUE(Newest().Results.empty());

        // A count that is no number stops before any step.
        ASSERT_EQ(Run(command, "abc", "5", "0"), "'abc' is not a valid integer value");
        EXPECT_EQ(Newest().Failure, "'abc' is not a valid integer value");
        EXPECT_TRUE(Newest().Steps.empty());
    }
}

}  // namespace
