#include "drawing/Drawing.h"
#include "DrawingFixture.h"
#include "platform/UpDown.h"
#include "platform/Shape.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using platform::clBlack;
using platform::clWhite;

TEST_F(DrawingTest, WindowLayoutAndStartTexts)
{
    TForm2& f = *Form2;
    EXPECT_EQ(f.objectName(), "Form2");
    EXPECT_EQ(f.windowTitle(), "Побудова");
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.pos(), QPoint(180, 90));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());  // the user can't resize it
    f.show();
    EXPECT_EQ(f.centralWidget()->size(), QSize(654, 544));
    f.hide();

    struct Control {
        QWidget* widget;
        const char* name;
        QRect geometry;  // an empty size: only the position is laid down
    };
    const Control controls[] = {
        {f.Image1, "Image1", {96, 8, 500, 500}},   {f.Label1, "Label1", {8, 8, 0, 0}},
        {f.Edit1, "Edit1", {32, 8, 57, 21}},       {f.Label2, "Label2", {8, 40, 0, 0}},
        {f.Edit2, "Edit2", {32, 32, 57, 21}},      {f.CheckBox3, "CheckBox3", {24, 64, 0, 0}},
        {f.Button1, "Button1", {0, 96, 81, 25}},   {f.Button2, "Button2", {0, 120, 81, 25}},
        {f.Button3, "Button3", {0, 144, 81, 25}},  {f.Label5, "Label5", {16, 168, 0, 0}},
        {f.Edit5, "Edit5", {8, 184, 25, 21}},      {f.UpDown1, "UpDown1", {33, 184, 0, 0}},
        {f.Label3, "Label3", {0, 216, 0, 0}},      {f.Edit3, "Edit3", {24, 216, 57, 21}},
        {f.Label4, "Label4", {0, 240, 0, 0}},      {f.Edit4, "Edit4", {24, 240, 57, 21}},
        {f.CheckBox1, "CheckBox1", {0, 272, 0, 0}}, {f.CheckBox2, "CheckBox2", {0, 296, 0, 0}},
    };
    for (const Control& c : controls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.widget->objectName(), c.name);
        EXPECT_EQ(c.widget->pos(), c.geometry.topLeft());
        if (!c.geometry.isEmpty()) {
            EXPECT_EQ(c.widget->size(), c.geometry.size());
        }
    }

    EXPECT_EQ(f.Label1->text(), "X=");
    EXPECT_EQ(f.Label2->text(), "Y=");
    EXPECT_EQ(f.Label3->text(), "min");
    EXPECT_EQ(f.Label4->text(), "max");
    EXPECT_EQ(f.Label5->text(), "Товщина");
    EXPECT_EQ(f.Button1->text(), "Очищення");
    EXPECT_EQ(f.Button2->text(), "Перебудувати");
    EXPECT_EQ(f.Button3->text(), "Колір");
    EXPECT_EQ(f.CheckBox3->text(), "цілі");
    EXPECT_EQ(f.CheckBox1->text(), "статичний");
    EXPECT_EQ(f.CheckBox2->text(), "очищення");
    EXPECT_FALSE(f.CheckBox3->isChecked());
    EXPECT_FALSE(f.CheckBox1->isChecked());
    EXPECT_TRUE(f.CheckBox2->isChecked());
    EXPECT_TRUE(f.Edit1->isReadOnly() && f.Edit1->text().isEmpty());
    EXPECT_TRUE(f.Edit2->isReadOnly() && f.Edit2->text().isEmpty());
    EXPECT_TRUE(f.Edit5->isReadOnly());
    EXPECT_EQ(f.Edit5->text(), "1");
    EXPECT_EQ(f.Edit3->text(), "-20");
    EXPECT_EQ(f.Edit4->text(), "20");
    EXPECT_EQ(f.UpDown1->Associate(), f.Edit5);
    EXPECT_EQ(f.UpDown1->Min(), 1);
    EXPECT_EQ(f.UpDown1->Max(), 10);
    EXPECT_EQ(f.UpDown1->Position(), 1);
    EXPECT_EQ(f.Image1->Picture().GraphicKind(), platform::TPicture::Kind::Empty);
    EXPECT_EQ(f.ColorDialog1Color, clBlack);

    // The handles sit just outside the picture, hidden until the user asks for them.
    const QPoint handlePlaces[] = {{342, 0}, {596, 0}, {596, 254}, {596, 508},
                                   {342, 508}, {88, 508}, {88, 254}, {88, 0}};
    for (int i = 0; i < 8; ++i) {
        platform::TShape* shape = f.Handles()[size_t(i)];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(shape->objectName(), QString("Shape%1").arg(i + 1));
        EXPECT_FALSE(shape->isVisibleTo(&f));
        EXPECT_EQ(shape->pos(), handlePlaces[i]);
        EXPECT_EQ(shape->size(), i == 4 ? QSize(9, 9) : QSize(8, 8));
    }

    EXPECT_EQ(f.N1->objectName(), "N1");
    EXPECT_EQ(f.N1->title(), "Файл");
    const QList<QAction*> items = f.N1->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0], f.N2);
    EXPECT_EQ(items[1], f.N3);
    EXPECT_EQ(items[2], f.N4);
    EXPECT_EQ(items[3], f.N5);
    EXPECT_EQ(f.N2->objectName(), "N2");
    EXPECT_EQ(f.N2->text(), "Записати");
    EXPECT_EQ(f.N3->objectName(), "N3");
    EXPECT_EQ(f.N3->text(), "Прочитати");
    EXPECT_EQ(f.N4->objectName(), "N4");
    EXPECT_EQ(f.N4->text(), "Надрукувати");
    EXPECT_EQ(f.N5->objectName(), "N5");
    EXPECT_EQ(f.N5->text(), "Копіювати");
    EXPECT_EQ(f.N5->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(f.menuBar()->actions().size(), 1);
}

TEST_F(DrawingTest, ClearGivesAWhiteBitmapOfTheControlsSize)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    ASSERT_FALSE(AllWhite());

    // The handles would do this; until the next clear the old bitmap stays.
    Form2->Image1->resize(300, 200);
    EXPECT_EQ(Surface().size(), QSize(500, 500));

    QTest::mouseClick(Form2->Button1, Qt::LeftButton);
    EXPECT_EQ(Surface().size(), QSize(300, 200));
    EXPECT_TRUE(AllWhite());
    platform::TCanvas& canvas = Form2->Image1->Canvas();
    EXPECT_EQ(canvas.Pen.Color, clBlack);
    EXPECT_EQ(canvas.Brush.Style, platform::TBrushStyle::Solid);
    EXPECT_EQ(canvas.Brush.Color, clWhite);
    EXPECT_EQ(canvas.Pen.Width, 1);  // left as the figure pen had it
}

TEST_F(DrawingTest, ClearOnAnEmptyPictureMakesTheBitmap)
{
    Form2->Button1Click();
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
    EXPECT_EQ(Surface().size(), QSize(500, 500));
    EXPECT_TRUE(AllWhite());
}

TEST_F(DrawingTest, ALoadedJpegIsDrawnOnLikeABitmap)
{
    // What loading a ".jpg" file leaves in the picture.
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(qRgb(90, 120, 150));
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    const QImage drawing = Surface();

    struct Case {
        const char* name;
        bool blank;
        bool closedFirst;
    };
    const Case cases[] = {
        {"rebuilt with clearing", true, false},
        {"rebuilt over the photo", false, false},
        {"constructed after the window was closed over the photo", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form2->Image1->Picture().AssignJpeg(QByteArray("jpeg data"), photo);
        if (c.closedFirst) {
            ASSERT_TRUE(Form2->close());
            StoreDefaultTriangle();
        }
        Form2->CheckBox2->setChecked(c.blank);
        if (c.closedFirst)
            EXPECT_EQ(Construct(), "");  // the main window's construction
        else
            Form2->Button2->click();  // "Перебудувати", as a user would
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
        EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
        EXPECT_EQ(Form2->Edit3->text(), "-1");
        if (c.blank) {
            EXPECT_EQ(Surface(), drawing);
        } else {
            // The triangle over the photo, which shows where nothing was drawn.
            EXPECT_EQ(Surface().size(), QSize(500, 500));
            EXPECT_EQ(Pixel(5, 5), platform::FromQRgb(qRgb(90, 120, 150)));
            EXPECT_EQ(Pixel(100, 100), clWhite);  // beyond the photo: the white of the resize
            EXPECT_EQ(Pixel(250, 292), platform::clRed);  // halfway along B-C
        }
    }

    // The clear button alone turns it white.
    Form2->Image1->Picture().AssignJpeg(QByteArray("jpeg data"), photo);
    Form2->Button1Click();
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
    EXPECT_EQ(Surface().size(), QSize(500, 500));
    EXPECT_TRUE(AllWhite());
}

TEST_F(DrawingTest, EveryConstructionBringsTheDrawingToTheFront)
{
    StoreDefaultTriangle();
    Form1->show();
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        // The student works in the main window; the drawing, if shown, is behind it.
        Form1->raise();
        Form1->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
        ASSERT_EQ(Construct(), "");
        EXPECT_TRUE(Form2->isVisible());
        EXPECT_TRUE(QTest::qWaitForWindowActive(Form2));
        EXPECT_EQ(QApplication::activeWindow(), Form2);
    }
}

TEST_F(DrawingTest, ColourDialogRemembersItsLastColour)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    const QImage before = Surface();

    dialogs.Colors = {QColor(10, 20, 30), std::nullopt, QColor(Qt::green)};
    QTest::mouseClick(Form2->Button3, Qt::LeftButton);
    EXPECT_EQ(dialogs.LastColorInitial, QColor(Qt::black));  // not the red figure pen
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x1E140Au);
    EXPECT_EQ(Surface(), before);  // nothing is redrawn

    // Cancelled: nothing changes, and it opens on the colour it returned last.
    Form2->Button3Click();
    EXPECT_EQ(dialogs.LastColorInitial, QColor(10, 20, 30));
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x1E140Au);

    Form2->Button3Click();
    EXPECT_EQ(dialogs.LastColorInitial, QColor(10, 20, 30));
    EXPECT_EQ(Form2->Drawing->FigurePenColor, 0x00FF00u);

    // The rebuild draws vertex A's outline in the new colour.
    QTest::mouseClick(Form2->Button2, Qt::LeftButton);
    EXPECT_EQ(Pixel(83, 417), 0x00FF00u);
}

TEST_F(DrawingTest, ThicknessSpinnerSetsTheFigurePen)
{
    Form2->UpDown1->Click(false);  // at its minimum already
    EXPECT_EQ(Form2->Edit5->text(), "1");
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 1);
    for (int step = 2; step <= 12; ++step) Form2->UpDown1->Click(true);
    EXPECT_EQ(Form2->Edit5->text(), "10");
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 10);
    Form2->UpDown1->Click(false);
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 9);

    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    EXPECT_EQ(Form2->Image1->Canvas().Pen.Width, 9);
    // A 9-pixel pen paints beside the 1-pixel line from A to B as well.
    EXPECT_EQ(Pixel(200, 420), platform::clRed);
}

TEST_F(DrawingTest, ClosingHidesTheWindowAndResetsTheMainWindow)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    ASSERT_TRUE(Form2->isVisible());
    Form2->Drawing->FigurePenWidth = 4;
    Form1->Edit7->setText("7");
    Form1->Edit7->setReadOnly(false);
    const QImage drawing = Surface();

    EXPECT_TRUE(Form2->close());
    EXPECT_FALSE(Form2->isVisible());
    EXPECT_EQ(VertexCount, 0);
    EXPECT_FALSE(FigureAccepted);
    EXPECT_EQ(Form1->Edit7->text(), "3");
    EXPECT_TRUE(Form1->Edit7->isReadOnly());
    // The pen, the world window and the drawing stay.
    EXPECT_EQ(Form2->Drawing->FigurePenWidth, 4);
    EXPECT_EQ(Form2->Drawing->FigurePenColor, platform::clRed);
    EXPECT_EQ(Form2->Drawing->Window.XMin, -1.0);
    EXPECT_EQ(Surface(), drawing);
    EXPECT_NE(Form2, nullptr);
}
