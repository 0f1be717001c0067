#include "shell/Form1.h"

#include "appearance/Form3.h"
#include "appearance/HelpCommand.h"
#include "appearance/ProgramFolder.h"
#include "appearance/SkinManager.h"
#include "appearance/SkinProvider.h"
#include "platform/Controls.h"
#include "platform/ErrorBoundary.h"
#include "platform/Memo.h"
#include "platform/UpDown.h"
#include "platform/WordWrapButton.h"
#include "shell/VertexStore.h"
#include "platform/WindowFont.h"
#include "working/FormWorking.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>

TForm1* Form1 = nullptr;
TForm2* Form2 = nullptr;
TForm3* Form3 = nullptr;
TForm4* Form4 = nullptr;

namespace {

constexpr int kClientWidth = 688;
constexpr int kClientHeight = 426;

}  // namespace

using namespace platform;

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent, kFixedWindowFlags)
{
    setObjectName("Form1");
    setWindowTitle(platform::ApplicationTitle());
    setFont(platform::WindowFont());

    auto* client = new QWidget(this);
    client->setObjectName("Form1Client");
    setCentralWidget(client);

    PageControl1 = Named(new QTabWidget(client), "PageControl1");
    PageControl1->setGeometry(40, 0, 617, 377);
    BuildTriangleTab();
    BuildQuadrilateralTab();
    BuildPolygonTab();
    BuildRegularTab();
    PageControl1->setCurrentWidget(TabSheet3);

    Error = MakeButton(client, "Error", "Перевірка", 40, 385, 75, 25);
    Error->setVisible(false);
    Button3 = MakeButton(client, "Button3", "Початковий стан", 130, 385, 110, 25);
    Button3->setVisible(false);

    BuildMenu();
    ConnectHandlers();
    setAcceptDrops(true);

    SkinManager1 = new TSkinManager(this);
    SkinManager1->setObjectName("SkinManager1");
    SkinProvider1 = new TSkinProvider(this);
    SkinProvider1->setObjectName("SkinProvider1");

    // Client area of fixed size below the menu bar; no maximize button.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(289, 37);

    platform::RunHandler([this] { FormCreate(); });
}

TForm1::~TForm1()
{
    // The skin manager puts the plain look back on every widget as it goes, so it
    // must go while the window's controls are still whole.
    delete SkinManager1;
    SkinManager1 = nullptr;
}

void TForm1::BuildTriangleTab()
{
    TabSheet1 = Named(new QWidget, "TabSheet1");
    PageControl1->addTab(TabSheet1, "Трикутник");
    QWidget* p = TabSheet1;
    Label5 = MakeLabel(p, "Label5", "Кординати вершин", 16, 12);
    Label6 = MakeLabel(p, "Label6", "x1", 16, 40);
    Edit1 = MakeEdit(p, "Edit1", "0", 36, 36, 57);
    Label7 = MakeLabel(p, "Label7", "y1", 104, 40);
    Edit2 = MakeEdit(p, "Edit2", "0", 124, 36, 57);
    Label8 = MakeLabel(p, "Label8", "x2", 16, 72);
    Edit3 = MakeEdit(p, "Edit3", "4", 36, 68, 57);
    Label9 = MakeLabel(p, "Label9", "y2", 104, 72);
    Edit4 = MakeEdit(p, "Edit4", "0", 124, 68, 57);
    Label10 = MakeLabel(p, "Label10", "x3", 16, 104);
    Edit5 = MakeEdit(p, "Edit5", "0", 36, 100, 57);
    Label11 = MakeLabel(p, "Label11", "y3", 104, 104);
    Edit6 = MakeEdit(p, "Edit6", "3", 124, 100, 57);

    Label24 = MakeLabel(p, "Label24", "Площа", 260, 12);
    Label28 = MakeLabel(p, "Label28", "Герона", 260, 40);
    Edit16 = MakeEdit(p, "Edit16", "", 390, 36, 121, true);
    Label29 = MakeLabel(p, "Label29", "Векторний добуток", 260, 72);
    Edit18 = MakeEdit(p, "Edit18", "", 390, 68, 121, true);
    Label30 = MakeLabel(p, "Label30", "Піка", 260, 104);
    Edit21 = MakeEdit(p, "Edit21", "", 390, 100, 121, true);

    Label2 = MakeLabel(p, "Label2", "", 16, 150);
    Label2->setFixedWidth(560);
    Label3 = MakeLabel(p, "Label3", "", 16, 180);
    Label3->setFixedWidth(560);

    LabelFor(Label6, Edit1);
    LabelFor(Label7, Edit2);
    LabelFor(Label8, Edit3);
    LabelFor(Label9, Edit4);
    LabelFor(Label10, Edit5);
    LabelFor(Label11, Edit6);
    LabelFor(Label28, Edit16);
    LabelFor(Label29, Edit18);
    LabelFor(Label30, Edit21);
    // Row by row through the vertices, then down the areas.
    SetTabOrder({Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit16, Edit18, Edit21});
}

void TForm1::BuildQuadrilateralTab()
{
    TabSheet2 = Named(new QWidget, "TabSheet2");
    PageControl1->addTab(TabSheet2, "Чотирикутни");
    QWidget* p = TabSheet2;
    Label12 = MakeLabel(p, "Label12", "Координати вершин", 16, 12);
    Label13 = MakeLabel(p, "Label13", "x", 16, 40);
    Edit11 = MakeEdit(p, "Edit11", "0", 32, 36, 73);
    Label14 = MakeLabel(p, "Label14", "y", 16, 72);
    Edit12 = MakeEdit(p, "Edit12", "0", 32, 68, 73);
    Button2 = MakeButton(p, "Button2", "Додати", 32, 100, 75, 25);
    Label4 = MakeLabel(p, "Label4", "Опуклість", 16, 152);
    Edit13 = MakeEdit(p, "Edit13", "", 96, 148, 121);
    Label20 = MakeLabel(p, "Label20", "Площа", 16, 184);
    Edit14 = MakeEdit(p, "Edit14", "", 96, 180, 121);
    Label21 = MakeLabel(p, "Label21", "Введені координати вершин", 260, 12);
    Memo2 = MakeMemo(p, "Memo2", 260, 32, 320, 290);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    LabelFor(Label13, Edit11);
    LabelFor(Label14, Edit12);
    LabelFor(Label4, Edit13);
    LabelFor(Label20, Edit14);
    LabelFor(Label21, Memo2);
    SetTabOrder({Edit11, Edit12, Button2, Edit13, Edit14, Memo2});
}

void TForm1::BuildPolygonTab()
{
    TabSheet3 = Named(new QWidget, "TabSheet3");
    PageControl1->addTab(TabSheet3, "N-кутник");
    QWidget* p = TabSheet3;
    Label17 = MakeLabel(p, "Label17", "Кількість вершин", 16, 12);
    Edit7 = MakeEdit(p, "Edit7", "3", 16, 30, 57);
    UpDown1 = Named(new TUpDown(Edit7, 3, 1000, 3, p), "UpDown1");
    UpDown1->setGeometry(73, 30, 16, 21);
    Label18 = MakeLabel(p, "Label18", "Координати вершин", 16, 64);
    Label15 = MakeLabel(p, "Label15", "x", 16, 90);
    Edit8 = MakeEdit(p, "Edit8", "", 32, 86, 81);
    Label16 = MakeLabel(p, "Label16", "y", 16, 122);
    Edit9 = MakeEdit(p, "Edit9", "", 32, 118, 81);
    Button1 = MakeButton(p, "Button1", "додати", 32, 150, 81, 25);
    Button4 = Named(new TWordWrapButton("Випадкові точки", p), "Button4");
    Button4->setGeometry(32, 182, 81, 37);

    Label22 = MakeLabel(p, "Label22", "Опуклість", 16, 240);
    Edit10 = MakeEdit(p, "Edit10", "", 96, 236, 121, true);
    Label23 = MakeLabel(p, "Label23", "Площа", 16, 272);
    Edit15 = MakeEdit(p, "Edit15", "", 96, 268, 121);
    Label32 = MakeLabel(p, "Label32", "Периметр", 16, 304);
    Edit23 = MakeEdit(p, "Edit23", "", 96, 300, 121);

    Label19 = MakeLabel(p, "Label19", "Введені координати вершин", 260, 12);
    Memo1 = MakeMemo(p, "Memo1", 260, 32, 320, 290);

    LabelFor(Label17, Edit7);
    LabelFor(Label15, Edit8);
    LabelFor(Label16, Edit9);
    LabelFor(Label22, Edit10);
    LabelFor(Label23, Edit15);
    LabelFor(Label32, Edit23);
    LabelFor(Label19, Memo1);
    SetTabOrder({Edit7, Edit8, Edit9, Button1, Button4, Edit10, Edit15, Edit23, Memo1});
}

void TForm1::BuildRegularTab()
{
    TabSheet4 = Named(new QWidget, "TabSheet4");
    PageControl1->addTab(TabSheet4, "Правильні n-кутники");
    QWidget* p = TabSheet4;
    Label1 = MakeLabel(p, "Label1", "Кількість вершин", 16, 12);
    Edit19 = MakeEdit(p, "Edit19", "3", 16, 30, 57);
    UpDown2 = Named(new TUpDown(Edit19, 3, 100, 3, p), "UpDown2");
    UpDown2->setGeometry(73, 30, 16, 21);
    Label27 = MakeLabel(p, "Label27", "Довжина сторони", 16, 64);
    Edit20 = MakeEdit(p, "Edit20", "5", 16, 82, 73);
    Label31 = MakeLabel(p, "Label31", "Початковий кут", 16, 116);
    Edit22 = MakeEdit(p, "Edit22", "0", 16, 134, 73);
    Label25 = MakeLabel(p, "Label25", "Площа", 16, 168);
    Edit17 = MakeEdit(p, "Edit17", "", 16, 186, 121, true);
    CheckBox1 = Named(new QCheckBox("Описане коло", p), "CheckBox1");
    CheckBox1->move(16, 224);
    CheckBox2 = Named(new QCheckBox("Вписане коло", p), "CheckBox2");
    CheckBox2->move(16, 250);
    Label26 = MakeLabel(p, "Label26", "Введені координати вершин", 260, 12);
    Memo3 = MakeMemo(p, "Memo3", 260, 32, 320, 290);

    LabelFor(Label1, Edit19);
    LabelFor(Label27, Edit20);
    LabelFor(Label31, Edit22);
    LabelFor(Label25, Edit17);
    LabelFor(Label26, Memo3);
    SetTabOrder({Edit19, Edit20, Edit22, Edit17, CheckBox1, CheckBox2, Memo3});
}

void TForm1::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);

    NFile = Named(bar->addMenu("Файл"), "NFile");
    NOpenTask = MakeItem(NFile, "NOpenTask", "Відкрити завдання…");
    NOpenTask->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    NSaveTask = MakeItem(NFile, "NSaveTask", "Зберегти завдання…");
    NSaveTask->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    NFile->addSeparator();
    NQuit = MakeItem(NFile, "NQuit", "Вихід");
    NQuit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    N1 = Named(bar->addMenu("Трикутник"), "N1");
    N4 = MakeItem(N1, "N4", "Побудова");
    N3 = MakeItem(N1, "N3", "Площа");
    N5 = MakeItem(N1, "N5", "Довжини сторін");
    N21 = MakeItem(N1, "N21", "Вписане коло");
    N22 = MakeItem(N1, "N22", "Описане коло");
    N2 = MakeItem(N1, "N2", "!!!!!!!!!", false);
    N23 = MakeItem(N1, "N23", "Кола", false);

    N6 = Named(bar->addMenu("Чотирикутник"), "N6");
    N11 = MakeItem(N6, "N11", "Побудова");
    N13 = MakeItem(N6, "N13", "Плоша");
    N12 = MakeItem(N6, "N12", "Опуклість");

    N7 = Named(bar->addMenu("N-кутник"), "N7");
    N8 = MakeItem(N7, "N8", "Побудова");
    N9 = MakeItem(N7, "N9", "Площа");
    N10 = MakeItem(N7, "N10", "Опуклість");
    N20 = MakeItem(N7, "N20", "Побудова опуклої оболонки (Авт.)");
    N24 = MakeItem(N7, "N24", "Побудова опуклої оболонки (Джарвіса)");

    n17 = Named(bar->addMenu("Правильний n-кутник"), "n17");
    N18 = MakeItem(n17, "N18", "Побудувати");
    N19 = MakeItem(n17, "N19", "Площа");

    N14 = Named(bar->addMenu("Налаштування"), "N14");
    N15 = MakeItem(N14, "N15", "Змінити...");

    // The working of the commands, just before the help.
    NWorking = bar->addAction("Хід розв'язання");
    NWorking->setObjectName("NWorking");
    NWorking->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    N16 = bar->addAction("Допомога");
    N16->setObjectName("N16");
}

void TForm1::ConnectHandlers()
{
    using platform::OnEvent;
    OnEvent(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    OnEvent(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
    OnEvent(Error, &QPushButton::clicked, this, [this] { ErrorClick(); });
    OnEvent(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    OnEvent(N8, &QAction::triggered, this, [this] { N8Click(); });
    OnEvent(N9, &QAction::triggered, this, [this] { N9Click(); });
    OnEvent(N10, &QAction::triggered, this, [this] { N10Click(); });
    OnEvent(N11, &QAction::triggered, this, [this] { N11Click(); });
    OnEvent(N15, &QAction::triggered, this, [this] { N15Click(); });
    OnEvent(N16, &QAction::triggered, this, [this] { N16Click(); });
    OnEvent(NWorking, &QAction::triggered, this, [this] { NWorkingClick(); });
    OnEvent(NOpenTask, &QAction::triggered, this, [this] { NOpenTaskClick(); });
    OnEvent(NSaveTask, &QAction::triggered, this, [this] { NSaveTaskClick(); });
    OnEvent(NQuit, &QAction::triggered, this, [this] { NQuitClick(); });
    // src/triangle
    OnEvent(N4, &QAction::triggered, this, [this] { N4Click(); });
    OnEvent(N3, &QAction::triggered, this, [this] { N3Click(); });
    OnEvent(N5, &QAction::triggered, this, [this] { N5Click(); });
    OnEvent(N21, &QAction::triggered, this, [this] { N21Click(); });
    OnEvent(N22, &QAction::triggered, this, [this] { N22Click(); });
    OnEvent(N2, &QAction::triggered, this, [this] { N2Click(); });
    OnEvent(N23, &QAction::triggered, this, [this] { N23Click(); });
    // The quadrilateral tab and the regular polygon menu.
    OnEvent(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    OnEvent(N13, &QAction::triggered, this, [this] { N13Click(); });
    OnEvent(N12, &QAction::triggered, this, [this] { N12Click(); });
    OnEvent(N18, &QAction::triggered, this, [this] { N18Click(); });
    OnEvent(N19, &QAction::triggered, this, [this] { N19Click(); });
    // The convex hulls.
    OnEvent(N20, &QAction::triggered, this, [this] { N20Click(); });
    OnEvent(N24, &QAction::triggered, this, [this] { N24Click(); });
    // Enter in a page's y field adds the vertex typed, as its button would; with
    // the button off it does nothing.
    PressOnEnter(Edit9, Button1);
    PressOnEnter(Edit12, Button2);
}

void TForm1::PressOnEnter(QLineEdit* field, QPushButton* button)
{
    connect(field, &QLineEdit::returnPressed, button, [button] {
        if (button->isEnabled()) button->click();
    });
}

void TForm1::FormCreate()
{
    FigureAccepted = false;
    BasePath = SkinsFolderPath().toStdString();
    SkinManager1->SetActive(false);
    SkinManager1->SetSkinDirectory(QString::fromStdString(BasePath));
    SkinManager1->SetSkinName("BlueGauze");
    SkinManager1->SetActive(true);
    Memo1->Clear();
    EntryCursor = 0;
}

void TForm1::Button3Click()
{
    VertexCount = 0;
    Button1->setEnabled(true);
    Button2->setEnabled(true);
    Memo1->Clear();
    Edit7->setText("3");
    Edit8->setText("");
    Edit9->setText("");
    Edit7->setReadOnly(true);
    UpDown1->setEnabled(true);
    FigureAccepted = false;
    EntryCursor = 0;
    Memo1->Clear();
    Memo2->Clear();
    Memo3->Clear();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    QCoreApplication::quit();
}

void TForm1::N11Click() { N8Click(); }

void TForm1::N15Click() { Form3->show(); }

void TForm1::N16Click() { ShowHelpPage(*Form4); }

void TForm1::NWorkingClick() { FormWorking->ShowInFront(); }
