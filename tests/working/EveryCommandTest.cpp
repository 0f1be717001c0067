// Every computing command once, as the menu runs it, with the working window
// closed and then open: the same boxes and questions either way, and a section
// from each command that computes a result.
#include "FormsFixture.h"
#include "platform/ErrorBoundary.h"
#include "shell/Form1.h"
#include "working/FormWorking.h"

#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* caption;  // the section's caption
    std::function<void()> run;
};

void TypeTriangle(const std::array<const char*, 6>& texts)
{
    QLineEdit* fields[] = {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6};
    for (int i = 0; i < 6; ++i) fields[i]->setText(texts[i]);
}

// The commands in the order a lesson might run them, each with the input it needs.
std::vector<Command> Lesson()
{
    const auto polygon = [] {
        Form1->Button3Click();
        const char* points[][2] = {{"0", "0"}, {"6", "0"}, {"6", "4"}, {"3", "1"}, {"0", "4"}};
        Form1->Edit7->setText("5");
        for (const auto& p : points) {
            Form1->Edit8->setText(p[0]);
            Form1->Edit9->setText(p[1]);
            Form1->Button1Click();
        }
    };
    const auto quadrilateral = [] {
        Form1->Button3Click();
        const char* points[][2] = {{"0", "0"}, {"4", "0"}, {"4", "3"}, {"0", "3"}};
        for (const auto& p : points) {
            Form1->Edit11->setText(p[0]);
            Form1->Edit12->setText(p[1]);
            Form1->Button2Click();
        }
    };
    return {
        {"Трикутник — !!!!!!!!!", [] { TypeTriangle({"0", "0", "4", "0", "0", "3"}); Form1->N2Click(); }},
        {"Трикутник — Площа", [] { Form1->N3Click(); }},
        {"Трикутник — Довжини сторін", [] { Form1->N5Click(); }},
        {"Трикутник — Вписане коло", [] { Form1->N21Click(); }},
        {"Трикутник — Описане коло", [] { Form1->N22Click(); }},
        {"Трикутник — Кола", [] { Form1->N23Click(); }},
        // Three points on a line: the areas and the circles stop with their faults.
        {"Трикутник — Площа", [] { TypeTriangle({"0", "0", "1", "1", "3", "3"}); Form1->N3Click(); }},
        {"Трикутник — Описане коло", [] { Form1->N22Click(); }},
        {"Чотирикутник — Плоша", [&] { quadrilateral(); Form1->N13Click(); }},
        {"Чотирикутник — Опуклість", [] { Form1->N12Click(); }},
        {"N-кутник — Площа", [&] { polygon(); Form1->N9Click(); }},
        {"N-кутник — Опуклість", [] { Form1->N10Click(); }},
        {"N-кутник — Побудова опуклої оболонки (Авт.)", [] { Form1->N20Click(); }},
        {"N-кутник — Побудова опуклої оболонки (Джарвіса)", [&] { polygon(); Form1->N24Click(); }},
        {"Правильний n-кутник — Побудувати", [] { Form1->Edit19->setText("6"); Form1->N18Click(); }},
        {"Правильний n-кутник — Площа", [] { Form1->N19Click(); }},
        {"Правильний n-кутник — Площа", [] { Form1->Edit19->setText("0"); Form1->N19Click(); }},
    };
}

class EveryCommandTest : public FormsTest {
protected:
    // The boxes and questions of the whole lesson, each command inside the error
    // boundary as a click runs it.
    std::vector<std::string> RunLesson()
    {
        std::vector<std::string> boxes;
        for (const Command& command : Lesson()) {
            dialogs.Shown.clear();
            platform::RunHandler(command.run);
            for (const ShownDialog& d : dialogs.Shown)
                boxes.push_back(command.caption + std::string(": ") + d.Kind.toStdString() + " " + d.Text.toStdString());
        }
        return boxes;
    }
};

TEST_F(EveryCommandTest, TheOpenWindowAddsNoBoxAndEveryCommandWritesItsSection)
{
    const std::vector<std::string> closed = RunLesson();
    const std::vector<TWorkingSection> sectionsWhileClosed = FormWorking->Sections();

    DestroyForms();
    ResetVertexStore();
    CreateForms();
    Form1->NWorkingClick();
    ASSERT_TRUE(FormWorking->isVisible());
    const std::vector<std::string> open = RunLesson();
    EXPECT_EQ(open, closed);

    // Every command of the lesson has its section, in order; the figure check may
    // add its own before a command's.
    std::vector<std::string> captions;
    for (const TWorkingSection& s : FormWorking->Sections())
        if (s.Caption != "Перевірка фігури") captions.push_back(s.Caption);
    std::vector<std::string> expected;
    for (const Command& command : Lesson()) expected.push_back(command.caption);
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(FormWorking->Sections().size(), sectionsWhileClosed.size());
}

}  // namespace
