#include "drawing/Form2.h"

#include "drawing/Drawing.h"
#include "drawing/LatticeOverlay.h"

#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/ErrorBoundary.h"
#include "platform/FormCanvas.h"
#include "platform/Image.h"
#include "platform/Shape.h"
#include "platform/TextConversion.h"
#include "platform/UpDown.h"
#include "platform/WindowFont.h"
#include "shell/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

constexpr int kClientWidth = 654;
constexpr int kClientHeight = 544;

}  // namespace

using namespace platform;

TForm2::TForm2(QWidget* parent)
    : QMainWindow(parent, kFixedWindowFlags)
{
    setObjectName("Form2");
    setWindowTitle("Побудова");
    setFont(platform::WindowFont());

    auto* client = new QWidget(this);
    client->setObjectName("Form2Client");
    setCentralWidget(client);
    BuildControls(client);
    BuildMenu();
    ConnectHandlers();

    // A single, fixed border: the client area keeps its size below the menu bar.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    move(180, 90);
}

TForm2::~TForm2() = default;

void TForm2::BuildControls(QWidget* client)
{
    Image1 = Named(new platform::TImage(client), "Image1");
    Image1->setGeometry(96, 8, 500, 500);
    Drawing = std::make_unique<TDrawing>(*Image1);
    LatticeOverlay = new TLatticeOverlay(*Image1, *Drawing);

    Label1 = MakeLabel(client, "Label1", "X=", 8, 8);
    Edit1 = MakeEdit(client, "Edit1", "", 32, 8, 57, true);
    Label2 = MakeLabel(client, "Label2", "Y=", 8, 40);
    Edit2 = MakeEdit(client, "Edit2", "", 32, 32, 57, true);
    CheckBox3 = MakeCheckBox(client, "CheckBox3", "цілі", 24, 64, false);

    Button1 = MakeButton(client, "Button1", "Очищення", 0, 96, 81, 25);
    Button2 = MakeButton(client, "Button2", "Перебудувати", 0, 120, 81, 25);
    Button3 = MakeButton(client, "Button3", "Колір", 0, 144, 81, 25);

    Label5 = MakeLabel(client, "Label5", "Товщина", 16, 168);
    Edit5 = MakeEdit(client, "Edit5", "1", 8, 184, 25, true);
    UpDown1 = Named(new platform::TUpDown(Edit5, 1, 10, 1, client), "UpDown1");
    UpDown1->setGeometry(33, 184, 16, kEditHeight);

    Label3 = MakeLabel(client, "Label3", "min", 0, 216);
    Edit3 = MakeEdit(client, "Edit3", "-20", 24, 216, 57);
    Label4 = MakeLabel(client, "Label4", "max", 0, 240);
    Edit4 = MakeEdit(client, "Edit4", "20", 24, 240, 57);
    CheckBox1 = MakeCheckBox(client, "CheckBox1", "статичний", 0, 272, false);
    CheckBox2 = MakeCheckBox(client, "CheckBox2", "очищення", 0, 296, true);

    LabelFor(Label1, Edit1);
    LabelFor(Label2, Edit2);
    LabelFor(Label5, Edit5);
    LabelFor(Label3, Edit3);
    LabelFor(Label4, Edit4);
    // Down the column beside the picture; Up and Down in "Товщина" step the pen.
    SetTabOrder({Edit1, Edit2, CheckBox3, Button1, Button2, Button3, Edit5, Edit3, Edit4, CheckBox1, CheckBox2});

    static const char* const names[] = {"Shape1", "Shape2", "Shape3", "Shape4",
                                        "Shape5", "Shape6", "Shape7", "Shape8"};
    platform::TShape** handles[] = {&Shape1, &Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7, &Shape8};
    for (int i = 0; i < 8; ++i) {
        *handles[i] = Named(new platform::TShape(client), names[i]);
        const int side = i == 4 ? 9 : 8;  // the bottom middle handle is one pixel larger
        (*handles[i])->resize(side, side);
    }
    PlaceHandles();
    HideHandles();

    // Last, so that it lies over every control.
    Canvas = Named(new platform::TFormCanvas(client), "Canvas");
    Canvas->setGeometry(0, 0, kClientWidth, kClientHeight);
    // Ready for the band before the first activation too: a window shown without
    // being activated (no window manager) can be dragged on at once.
    Canvas->Pen.Mode = platform::TPenMode::NotXor;
    Canvas->Brush.Style = platform::TBrushStyle::Clear;
}

void TForm2::BuildMenu()
{
    N1 = menuBar()->addMenu("Файл");
    N1->setObjectName("N1");
    N2 = MakeItem(N1, "N2", "Записати");
    N3 = MakeItem(N1, "N3", "Прочитати");
    N4 = MakeItem(N1, "N4", "Надрукувати");
    N5 = MakeItem(N1, "N5", "Копіювати");
    N5->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
}

void TForm2::ConnectHandlers()
{
    using platform::OnEvent;
    OnEvent(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    OnEvent(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    OnEvent(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    OnEvent(UpDown1, &platform::TUpDown::Clicked, this, [this] { UpDown1Click(); });
    OnEvent(N2, &QAction::triggered, this, [this] { N2Click(); });
    OnEvent(N3, &QAction::triggered, this, [this] { N3Click(); });
    OnEvent(N4, &QAction::triggered, this, [this] { N4Click(); });
    OnEvent(N5, &QAction::triggered, this, [this] { N5Click(); });
    ConnectPointerHandlers();
}

std::array<platform::TShape*, 8> TForm2::Handles() const
{
    return {Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8};
}

void TForm2::PlaceHandles()
{
    const int l = Image1->x();
    const int t = Image1->y();
    const int w = Image1->width();
    const int h = Image1->height();
    Shape1->move(l + w / 2 - 4, t - 8);
    Shape2->move(l + w, t - 8);
    Shape3->move(l + w, t + h / 2 - 4);
    Shape4->move(l + w, t + h);
    Shape5->move(l + w / 2 - 4, t + h);
    Shape6->move(l - 8, t + h);
    Shape7->move(l - 8, t + h / 2 - 4);
    Shape8->move(l - 8, t - 8);
}

void TForm2::HideHandles()
{
    for (platform::TShape* shape : Handles()) shape->setVisible(false);
}

void TForm2::ShowHandles()
{
    for (platform::TShape* shape : Handles()) shape->setVisible(true);
}

void TForm2::ShowInFront()
{
    setVisible(true);
    raise();
    activateWindow();
}

void TForm2::Button1Click()
{
    LatticeOverlay->hide();
    platform::TCanvas& first = Drawing->Canvas();
    first.Pen.Color = platform::clWhite;
    first.Brush.Style = platform::TBrushStyle::Solid;
    first.Brush.Color = platform::clWhite;
    platform::TCanvas& canvas = Drawing->FitBitmapToControl();
    canvas.Rectangle(0, 0, Drawing->Width(), Drawing->Height());
    canvas.Pen.Color = platform::clBlack;
}

void TForm2::Button2Click() { Form1->N8Click(); }

void TForm2::Button3Click()
{
    const std::optional<QColor> chosen = platform::Dialogs().ChooseColor(this, platform::ToQColor(ColorDialog1Color));
    if (!chosen) return;
    ColorDialog1Color = platform::FromQColor(*chosen);
    Drawing->FigurePenColor = ColorDialog1Color;
}

void TForm2::UpDown1Click() { Drawing->FigurePenWidth = platform::StrToInt(Edit5->text().toStdString()); }

void TForm2::FormClose()
{
    hide();
    Form1->Button3Click();
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // Closing only hides the drawing window; it lives until the program ends.
    event->accept();
    platform::RunHandler([this] { FormClose(); });
}
