#include "drawing/Drawing.h"
#include "FormsFixture.h"
#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "drawing/Form2.h"
#include "platform/Memo.h"
#include "platform/UpDown.h"
#include "platform/WordWrapButton.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

TEST_F(FormsTest, StartsOnThePolygonPageWithTheLayoutTexts)
{
    TForm1& f = *Form1;
    EXPECT_EQ(f.objectName(), "Form1");
    EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet3);
    EXPECT_EQ(f.PageControl1->tabText(0), "Трикутник");
    EXPECT_EQ(f.PageControl1->tabText(1), "Чотирикутни");
    EXPECT_EQ(f.PageControl1->tabText(2), "N-кутник");
    EXPECT_EQ(f.PageControl1->tabText(3), "Правильні n-кутники");
    f.show();
    EXPECT_EQ(f.centralWidget()->size(), QSize(688, 426));
    EXPECT_EQ(f.pos(), QPoint(289, 37));
    EXPECT_EQ(f.PageControl1->geometry(), QRect(40, 0, 617, 377));

    struct Field { QLineEdit* edit; const char* name; const char* text; bool readOnly; };
    const Field fields[] = {
        {f.Edit1, "Edit1", "0", false},   {f.Edit2, "Edit2", "0", false},   {f.Edit3, "Edit3", "4", false},
        {f.Edit4, "Edit4", "0", false},   {f.Edit5, "Edit5", "0", false},   {f.Edit6, "Edit6", "3", false},
        {f.Edit16, "Edit16", "", true},   {f.Edit18, "Edit18", "", true},   {f.Edit21, "Edit21", "", true},
        {f.Edit11, "Edit11", "0", false}, {f.Edit12, "Edit12", "0", false}, {f.Edit13, "Edit13", "", false},
        {f.Edit14, "Edit14", "", false},  {f.Edit7, "Edit7", "3", false},   {f.Edit8, "Edit8", "", false},
        {f.Edit9, "Edit9", "", false},    {f.Edit10, "Edit10", "", true},   {f.Edit15, "Edit15", "", false},
        {f.Edit23, "Edit23", "", false},  {f.Edit19, "Edit19", "3", false}, {f.Edit20, "Edit20", "5", false},
        {f.Edit22, "Edit22", "0", false}, {f.Edit17, "Edit17", "", true},
    };
    for (const Field& field : fields) {
        SCOPED_TRACE(field.name);
        EXPECT_EQ(field.edit->objectName(), field.name);
        EXPECT_EQ(field.edit->text(), field.text);
        EXPECT_EQ(field.edit->isReadOnly(), field.readOnly);
    }
    EXPECT_EQ(f.UpDown1->Min(), 3);
    EXPECT_EQ(f.UpDown1->Max(), 1000);
    EXPECT_EQ(f.UpDown1->Position(), 3);
    EXPECT_EQ(f.UpDown2->Max(), 100);
    EXPECT_FALSE(f.CheckBox1->isChecked());
    EXPECT_FALSE(f.CheckBox2->isChecked());
    EXPECT_EQ(f.Button1->text(), "додати");
    EXPECT_EQ(f.Button2->text(), "Додати");
    EXPECT_EQ(f.Button4->text(), "Випадкові точки");
    EXPECT_TRUE(f.Memo1->Lines().isEmpty());

    // The start values of the figure pen, and FormCreate's.
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x0000FFu);
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 1);
    EXPECT_FALSE(FigureAccepted);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_TRUE(QString::fromStdString(BasePath).endsWith("skins"));
    EXPECT_EQ(Form2->Drawing->Window.XMin, 0.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 0.0);
}

TEST_F(FormsTest, MenuHasEveryItemAndKeepsTheHiddenOnesHidden)
{
    TForm1& f = *Form1;
    f.show();
    const QList<QAction*> top = f.menuBar()->actions();
    QStringList captions;
    for (QAction* a : top) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Файл", "Трикутник", "Чотирикутник", "N-кутник", "Правильний n-кутник",
                                     "Налаштування", "Хід розв'язання", "Допомога"}));
    EXPECT_EQ(f.N16->objectName(), "N16");
    EXPECT_EQ(f.N16->menu(), nullptr);

    struct Item { QAction* action; const char* name; const char* caption; bool visible; };
    const Item items[] = {
        {f.N4, "N4", "Побудова", true},  {f.N3, "N3", "Площа", true},       {f.N5, "N5", "Довжини сторін", true},
        {f.N21, "N21", "Вписане коло", true}, {f.N22, "N22", "Описане коло", true},
        {f.N2, "N2", "!!!!!!!!!", false}, {f.N23, "N23", "Кола", false},
        {f.N11, "N11", "Побудова", true}, {f.N13, "N13", "Плоша", true},   {f.N12, "N12", "Опуклість", true},
        {f.N8, "N8", "Побудова", true},  {f.N9, "N9", "Площа", true},     {f.N10, "N10", "Опуклість", true},
        {f.N20, "N20", "Побудова опуклої оболонки (Авт.)", true},
        {f.N24, "N24", "Побудова опуклої оболонки (Джарвіса)", true},
        {f.N18, "N18", "Побудувати", true}, {f.N19, "N19", "Площа", true}, {f.N15, "N15", "Змінити...", true},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        EXPECT_EQ(item.action->objectName(), item.name);
        EXPECT_EQ(item.action->text(), item.caption);
        EXPECT_EQ(item.action->isVisible(), item.visible);
    }
    EXPECT_EQ(f.N1->objectName(), "N1");
    EXPECT_EQ(f.n17->objectName(), "n17");
    EXPECT_FALSE(f.Error->isVisible());
    EXPECT_FALSE(f.Button3->isVisible());
    EXPECT_EQ(f.Error->text(), "Перевірка");
    EXPECT_EQ(f.Button3->text(), "Початковий стан");
}

TEST_F(FormsTest, ResetEmptiesTheListsAndKeepsTheRest)
{
    TForm1& f = *Form1;
    Form1->Edit7->setText("4");
    AddVertex("1", "2");
    AddVertex("3", "4");
    f.Memo2->Add("x");
    f.Memo3->Add("y");
    f.Edit1->setText("7");
    f.Edit16->setText("6");
    f.Label2->setText("є");
    Form2->Drawing->FigurePenColor = 0x00FF00;
    Form2->Drawing->Window.XMin = -1;
    FigureAccepted = true;

    f.Button3Click();

    EXPECT_EQ(VertexCount, 0);
    EXPECT_EQ(EntryCursor, 0);
    EXPECT_FALSE(FigureAccepted);
    EXPECT_TRUE(f.Memo1->Lines().isEmpty());
    EXPECT_TRUE(f.Memo2->Lines().isEmpty());
    EXPECT_TRUE(f.Memo3->Lines().isEmpty());
    EXPECT_EQ(f.Edit7->text(), "3");
    EXPECT_TRUE(f.Edit7->isReadOnly());
    EXPECT_TRUE(f.UpDown1->isEnabled());
    EXPECT_TRUE(f.Button1->isEnabled());
    EXPECT_TRUE(f.Button2->isEnabled());
    EXPECT_EQ(f.Edit8->text(), "");
    // Untouched by the reset.
    EXPECT_EQ(f.Edit1->text(), "7");
    EXPECT_EQ(f.Edit16->text(), "6");
    EXPECT_EQ(f.Label2->text(), "є");
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x00FF00u);
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    // The coordinates stay in the store.
    EXPECT_EQ(Vertices[1].X, 1.0);
    EXPECT_EQ(Vertices[2].Y, 4.0);
}

TEST_F(FormsTest, UpDownStepsFromTheTypedNumberWithinItsBounds)
{
    TForm1& f = *Form1;
    f.UpDown1->Click(true);
    EXPECT_EQ(f.Edit7->text(), "4");
    f.Edit7->setText("999");
    f.UpDown1->Click(true);
    f.UpDown1->Click(true);
    EXPECT_EQ(f.Edit7->text(), "1000");
    f.Edit7->setText("3");
    f.UpDown1->Click(false);
    EXPECT_EQ(f.Edit7->text(), "3");
}

TEST_F(FormsTest, EveryButtonCaptionFitsItsButton)
{
    for (QWidget* window : QList<QWidget*>{Form1, Form2}) {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            SCOPED_TRACE(button->objectName().toStdString());
            // A wrapping caption needs room for its longest word only.
            const bool wraps = qobject_cast<platform::TWordWrapButton*>(button) != nullptr;
            for (const QString& line : button->text().split(wraps ? ' ' : '\n')) {
                // A frame and a pixel of padding on each side.
                EXPECT_LE(button->fontMetrics().horizontalAdvance(line) + 6, button->width()) << line.toStdString();
            }
        }
    }
}

TEST_F(FormsTest, SecondaryWindowsStartHiddenAndTheirCommandsShowThem)
{
    struct Window { QWidget* window; const char* name; const char* caption; };
    const Window windows[] = {{Form2, "Form2", "Побудова"}, {Form3, "Form3", "Скіни"}, {Form4, "Form4", "Допомога"}};
    for (const Window& w : windows) {
        SCOPED_TRACE(w.name);
        EXPECT_EQ(w.window->objectName(), w.name);
        EXPECT_EQ(w.window->windowTitle(), w.caption);
        EXPECT_FALSE(w.window->isVisible());
    }
    Form1->N15->trigger();
    EXPECT_TRUE(Form3->isVisible());
    Form1->N16->trigger();
    EXPECT_TRUE(Form4->isVisible());
    EXPECT_FALSE(Form2->isVisible());
}

TEST_F(FormsTest, QuadrilateralBuildRunsTheConstruction)
{
    Vertices[1] = {0, 0};
    Vertices[2] = {4, 0};
    Vertices[3] = {4, 4};
    Vertices[4] = {0, 4};
    VertexCount = 4;
    Form1->N11->trigger();
    EXPECT_TRUE(FigureAccepted);
    EXPECT_TRUE(Form2->isVisible());
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    EXPECT_EQ(Form2->Drawing->Window.XMax, 5.0);
}
