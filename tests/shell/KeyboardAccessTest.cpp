// The windows as a screen reader and a keyboard-only user meet them: every field
// named after its label, Tab in the order the controls are seen, the spinners
// stepped with the arrow keys, the tool windows closed with Escape.
#include "drawing/Drawing.h"
#include "FormsFixture.h"
#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "drawing/Form2.h"
#include "platform/Memo.h"
#include "platform/UpDown.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

QString AccessibleName(QWidget* w)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    return face ? face->text(QAccessible::Name) : QString();
}

struct Named {
    QWidget* field;
    const char* name;
};

// Every field's name is exactly its label's text, and the label points at it.
void ExpectNamedByLabels(QWidget* window, std::initializer_list<Named> expected)
{
    for (const Named& n : expected) {
        SCOPED_TRACE(n.field->objectName().toStdString());
        EXPECT_EQ(AccessibleName(n.field), QString::fromUtf8(n.name));
        bool labelled = false;
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() == n.field) labelled = label->text() == QString::fromUtf8(n.name);
        EXPECT_TRUE(labelled) << "no label has the field as its buddy";
    }
}

// Focuses the first control and presses Tab, recording where the focus goes.
QStringList TabWalk(QWidget* first, int presses)
{
    first->setFocus(Qt::OtherFocusReason);
    QStringList seen{QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)"};
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "(none)");
    }
    return seen;
}

void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace

TEST_F(FormsTest, EveryFieldOfTheMainWindowHasAnAccessibleName)
{
    TForm1& f = *Form1;
    // Whatever field joins the window later is held to it too.
    for (QWidget* field : f.findChildren<QLineEdit*>()) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_FALSE(AccessibleName(field).isEmpty());
    }
    for (QWidget* field : f.findChildren<QPlainTextEdit*>()) {
        SCOPED_TRACE(field->objectName().toStdString());
        EXPECT_FALSE(AccessibleName(field).isEmpty());
    }
    ExpectNamedByLabels(&f, {
        {f.Edit1, "x1"}, {f.Edit2, "y1"}, {f.Edit3, "x2"}, {f.Edit4, "y2"}, {f.Edit5, "x3"}, {f.Edit6, "y3"},
        {f.Edit16, "Герона"}, {f.Edit18, "Векторний добуток"}, {f.Edit21, "Піка"},
        {f.Edit11, "x"}, {f.Edit12, "y"}, {f.Edit13, "Опуклість"}, {f.Edit14, "Площа"},
        {f.Memo2, "Введені координати вершин"},
        {f.Edit7, "Кількість вершин"}, {f.Edit8, "x"}, {f.Edit9, "y"}, {f.Edit10, "Опуклість"},
        {f.Edit15, "Площа"}, {f.Edit23, "Периметр"}, {f.Memo1, "Введені координати вершин"},
        {f.Edit19, "Кількість вершин"}, {f.Edit20, "Довжина сторони"}, {f.Edit22, "Початковий кут"},
        {f.Edit17, "Площа"}, {f.Memo3, "Введені координати вершин"},
    });
    EXPECT_EQ(AccessibleName(f.CheckBox1), "Описане коло");
}

TEST_F(FormsTest, EveryFieldOfTheDrawingWindowHasItsLabelAsName)
{
    TForm2& d = *Form2;
    ExpectNamedByLabels(&d, {{d.Edit1, "X="}, {d.Edit2, "Y="}, {d.Edit5, "Товщина"}, {d.Edit3, "min"},
                             {d.Edit4, "max"}});
}

TEST_F(FormsTest, TabFollowsTheVisualOrderOnEachPage)
{
    TForm1& f = *Form1;
    Activate(f);
    struct Page { QWidget* sheet; QStringList order; };
    const Page pages[] = {
        {f.TabSheet1, {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit16", "Edit18", "Edit21"}},
        {f.TabSheet2, {"Edit11", "Edit12", "Button2", "Edit13", "Edit14", "Memo2"}},
        {f.TabSheet3, {"Edit7", "Edit8", "Edit9", "Button1", "Button4", "Edit10", "Edit15", "Edit23", "Memo1"}},
        {f.TabSheet4, {"Edit19", "Edit20", "Edit22", "Edit17", "CheckBox1", "CheckBox2", "Memo3"}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.sheet->objectName().toStdString());
        f.PageControl1->setCurrentWidget(page.sheet);
        auto* first = page.sheet->findChild<QWidget*>(page.order.front());
        // One press more than the page has controls: the list lets Tab go on.
        const QStringList seen = TabWalk(first, page.order.size());
        EXPECT_EQ(seen.mid(0, page.order.size()), page.order);
        EXPECT_NE(seen.back(), page.order.back());
    }
}

TEST_F(FormsTest, TabFollowsTheColumnOfTheDrawingWindow)
{
    TForm2& d = *Form2;
    Activate(d);
    const QStringList order{"Edit1",   "Edit2", "CheckBox3", "Button1", "Button2",  "Button3",
                            "Edit5",   "Edit3", "Edit4",     "CheckBox1", "CheckBox2"};
    EXPECT_EQ(TabWalk(d.Edit1, order.size() - 1), order);
}

TEST_F(FormsTest, ArrowKeysInTheFieldStepItsSpinnerEvenWhenItIsReadOnly)
{
    TForm1& f = *Form1;
    f.Button3Click();  // the reset makes Edit7 read-only: only the spinner changes N now
    ASSERT_TRUE(f.Edit7->isReadOnly());
    QTest::keyClick(f.Edit7, Qt::Key_Up);
    QTest::keyClick(f.Edit7, Qt::Key_Up);
    QTest::keyClick(f.Edit7, Qt::Key_Down);
    EXPECT_EQ(f.Edit7->text(), "4");
    EXPECT_EQ(f.UpDown1->Position(), 4);

    // A disabled spinner ignores the keys as it ignores clicks.
    f.UpDown1->setEnabled(false);
    QTest::keyClick(f.Edit7, Qt::Key_Up);
    EXPECT_EQ(f.Edit7->text(), "4");

    // The drawing window's pen thickness runs its handler at each step.
    QTest::keyClick(Form2->Edit5, Qt::Key_Up);
    EXPECT_EQ(Form2->Edit5->text(), "2");
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 2);
}

TEST_F(FormsTest, EscapeClosesTheSkinChooserAndTheHelpWindow)
{
    for (QWidget* window : {static_cast<QWidget*>(Form3), static_cast<QWidget*>(Form4)}) {
        SCOPED_TRACE(window->objectName().toStdString());
        Activate(*window);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_Escape);
        EXPECT_TRUE(window->isHidden());
    }
}
