#include "drawing/Drawing.h"
#include "DrawingFixture.h"
#include "drawing/FrameDrag.h"
#include "drawing/PointerReadOut.h"
#include "platform/FormCanvas.h"
#include "platform/Shape.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

QRect Bounds(const QWidget* w) { return w->geometry(); }

std::vector<QPoint> HandlePlaces()
{
    std::vector<QPoint> places;
    for (platform::TShape* shape : Form2->Handles()) places.push_back(shape->pos());
    return places;
}

bool HandlesVisible()
{
    for (platform::TShape* shape : Form2->Handles())
        if (!shape->isVisibleTo(Form2)) return false;
    return true;
}

bool HandlesHidden()
{
    for (platform::TShape* shape : Form2->Handles())
        if (shape->isVisibleTo(Form2)) return false;
    return true;
}

// The band standing on the window canvas, or an empty rectangle.
QRect Band()
{
    const auto& figures = Form2->Canvas->Figures();
    return figures.empty() ? QRect() : figures.back().Box;
}

class FrameHandlesTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        Form2->FormActivate();
    }
    // A whole drag: press at (x, y) of the control, one move to (x + dx, y + dy), release there.
    static void Drag(TFrameControl control, int x, int y, int dx, int dy)
    {
        Form2->FrameMouseDown(control, Qt::LeftButton, x, y);
        Form2->FrameMouseMove(control, Qt::LeftButton, x + dx, y + dy);
        Form2->FrameMouseUp(control, Qt::LeftButton, x + dx, y + dy);
    }
};

}  // namespace

TEST_F(FrameHandlesTest, ReadOutShowsTheWorldCoordinatesUnderThePointer)
{
    StoreDefaultTriangle();
    UseFixedWindow("-21", "21");
    ASSERT_EQ(Construct(), "");
    struct Case {
        int x, y;
        bool whole;
        char separator;
        const char* edit1;
        const char* edit2;
    };
    const Case cases[] = {
        {251, 100, false, ',', "x=0,08", "y=12,6"},
        {251, 100, false, '.', "x=0.08", "y=12.6"},
        {251, 100, true, ',', "x=0", "y=13"},
        {0, 0, false, ',', "x=-21", "y=21"},      // the top-left pixel: XMin and YMax
        {500, 500, false, ',', "x=21", "y=-21"},  // beyond the last pixel: XMax and YMin
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << (c.whole ? " whole" : ""));
        platform::SetDecimalSeparator(c.separator);
        Form2->CheckBox3->setChecked(c.whole);
        Form2->Image1MouseMove(Qt::NoButton, c.x, c.y);
        EXPECT_EQ(Form2->Edit1->text(), c.edit1);
        EXPECT_EQ(Form2->Edit2->text(), c.edit2);
    }

    // A narrower picture maps onto the old world window until the next construction.
    Drag(TFrameControl::Shape3, 4, 4, -250, 0);
    ASSERT_EQ(Form2->Image1->width(), 250);
    Form2->CheckBox3->setChecked(false);
    Form2->Image1MouseMove(Qt::NoButton, 125, 250);
    EXPECT_EQ(Form2->Edit1->text(), "x=0");
}

TEST_F(FrameHandlesTest, ReadOutFollowsThePointerWithOrWithoutAButton)
{
    StoreDefaultTriangle();
    UseFixedWindow("-21", "21");
    ASSERT_EQ(Construct(), "");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    QTest::mouseMove(Form2->Image1, QPoint(251, 100));
    EXPECT_EQ(Form2->Edit1->text(), "x=0,08");
    EXPECT_EQ(Form2->Edit2->text(), "y=12,6");

    // While the picture is dragged the read-out goes on relative to its old place.
    QTest::mousePress(Form2->Image1, Qt::LeftButton, {}, QPoint(250, 250));
    QTest::mouseMove(Form2->Image1, QPoint(0, 1));  // (0, 0) would mean the middle to QTest
    EXPECT_EQ(Form2->Edit1->text(), "x=-21");
    EXPECT_EQ(Band(), QRect(96 - 250, 8 - 249, 500, 500));
    // Outside the picture the pressed picture still has the pointer.
    QTest::mouseMove(Form2->Image1, QPoint(-50, 0));
    EXPECT_EQ(Form2->Edit1->text(), "x=-25,2");
    QTest::mouseRelease(Form2->Image1, Qt::LeftButton, {}, QPoint(-50, 0));
    EXPECT_EQ(Bounds(Form2->Image1), QRect(96 - 300, 8 - 250, 500, 500));
    EXPECT_TRUE(HandlesVisible());
    EXPECT_EQ(Band(), QRect());
}

TEST_F(FrameHandlesTest, ReadOutOfAHugeWorldNeverFails)
{
    Form2->Drawing->Window.XMin = -1e300;
    Form2->Drawing->Window.XMax = 1e300;
    Form2->Drawing->Window.YMin = -4e18;
    Form2->Drawing->Window.YMax = 4e18;
    Form2->Image1MouseMove(Qt::NoButton, 0, 0);
    EXPECT_EQ(Form2->Edit1->text(), "x=-1E300");
    EXPECT_EQ(Form2->Edit2->text(), "y=4E18");
    EXPECT_TRUE(dialogs.Shown.empty());
    EXPECT_EQ(ReadOutNumber(12.345, false), "12,35");  // the usual rounding below that size
    EXPECT_EQ(ReadOutNumber(2.5, true), "2");
}

TEST_F(FrameHandlesTest, PressAndReleaseOnThePictureShowsTheHandles)
{
    ASSERT_TRUE(HandlesHidden());
    const QRect before = Bounds(Form2->Image1);
    Form2->FrameMouseDown(TFrameControl::Image1, Qt::LeftButton, 30, 40);
    EXPECT_EQ(Band(), before);  // on the picture's border
    EXPECT_TRUE(HandlesHidden());
    Form2->FrameMouseUp(TFrameControl::Image1, Qt::LeftButton, 30, 40);
    EXPECT_EQ(Bounds(Form2->Image1), before);
    EXPECT_TRUE(HandlesVisible());
    EXPECT_TRUE(Form2->Canvas->Figures().empty());
    const std::vector<QPoint> places = {{342, 0}, {596, 0}, {596, 254}, {596, 508},
                                        {342, 508}, {88, 508}, {88, 254}, {88, 0}};
    EXPECT_EQ(HandlePlaces(), places);

    // Activation hides them again and readies the window canvas.
    Form2->Canvas->Pen.Mode = platform::TPenMode::Copy;
    Form2->FormActivate();
    EXPECT_TRUE(HandlesHidden());
    EXPECT_EQ(Form2->Canvas->Pen.Mode, platform::TPenMode::NotXor);
    EXPECT_EQ(Form2->Canvas->Brush.Style, platform::TBrushStyle::Clear);
}

TEST_F(FrameHandlesTest, WindowActivationHidesTheHandles)
{
    Form2->show();
    Form2->ShowHandles();
    QApplication::setActiveWindow(Form1);
    QApplication::setActiveWindow(Form2);
    EXPECT_TRUE(HandlesHidden());
}

TEST_F(FrameHandlesTest, DragsMoveAndResizeAsTheirTablesSay)
{
    struct Case {
        const char* name;
        TFrameControl control;
        int dx, dy;
        QRect bounds;
    };
    const Case cases[] = {
        {"Shape3 50 left", TFrameControl::Shape3, -50, 0, {96, 8, 450, 500}},
        {"Shape8 by (+10, +20)", TFrameControl::Shape8, 10, 20, {106, 28, 490, 480}},
        {"Shape1 up, x ignored", TFrameControl::Shape1, 30, -5, {96, 3, 500, 505}},
        {"Shape2", TFrameControl::Shape2, -20, 6, {96, 14, 480, 494}},
        {"Shape4", TFrameControl::Shape4, -100, -200, {96, 8, 400, 300}},
        {"Shape5 down, x ignored", TFrameControl::Shape5, 40, 20, {96, 8, 500, 520}},
        {"Shape6", TFrameControl::Shape6, 30, -40, {126, 8, 470, 460}},
        {"Shape7 left, y ignored", TFrameControl::Shape7, -60, 9, {36, 8, 560, 500}},
        {"the picture", TFrameControl::Image1, 25, -7, {121, 1, 500, 500}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form2->Image1->setGeometry(96, 8, 500, 500);
        Drag(c.control, 4, 4, c.dx, c.dy);
        EXPECT_EQ(Bounds(Form2->Image1), c.bounds);
        EXPECT_TRUE(HandlesVisible());
        EXPECT_TRUE(Form2->Canvas->Figures().empty());
    }

    // After Shape3's drag the right-hand handles sit 50 pixels further left, the middle ones 25.
    Form2->Image1->setGeometry(96, 8, 500, 500);
    Form2->PlaceHandles();
    const std::vector<QPoint> before = HandlePlaces();
    Drag(TFrameControl::Shape3, 4, 4, -50, 0);
    const std::vector<QPoint> after = HandlePlaces();
    const int shift[8] = {-25, -50, -50, -50, -25, 0, 0, 0};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(after[size_t(i)], before[size_t(i)] + QPoint(shift[i], 0));
    }
}

TEST_F(FrameHandlesTest, TheBandFollowsEveryMoveAndOnlyTheLeftButtonDrags)
{
    Form2->FrameMouseDown(TFrameControl::Shape4, Qt::LeftButton, 2, 2);
    Form2->FrameMouseMove(TFrameControl::Shape4, Qt::LeftButton, 12, 7);
    EXPECT_EQ(Band(), QRect(96, 8, 510, 505));
    Form2->FrameMouseMove(TFrameControl::Shape4, Qt::NoButton, 40, 40);  // no button: nothing
    Form2->FrameMouseMove(TFrameControl::Shape4, Qt::LeftButton, 2, 12);
    EXPECT_EQ(Band(), QRect(96, 8, 500, 510));
    EXPECT_EQ(Form2->Canvas->Figures().size(), 1u);  // each old band was erased
    EXPECT_EQ(Form2->Drag.DragExtentX, 500);
    EXPECT_EQ(Form2->Drag.DragExtentY, 510);
    // The right button neither ends it ...
    Form2->FrameMouseUp(TFrameControl::Shape4, Qt::RightButton, 2, 12);
    EXPECT_EQ(Bounds(Form2->Image1), QRect(96, 8, 500, 500));
    EXPECT_EQ(Band(), QRect(96, 8, 500, 510));
    Form2->FrameMouseUp(TFrameControl::Shape4, Qt::LeftButton, 2, 12);
    EXPECT_EQ(Bounds(Form2->Image1), QRect(96, 8, 500, 510));

    // ... nor starts one.
    Form2->FormActivate();
    const TDragState state = Form2->Drag;
    Form2->FrameMouseDown(TFrameControl::Image1, Qt::RightButton, 5, 5);
    Form2->FrameMouseMove(TFrameControl::Image1, Qt::RightButton, 50, 50);
    Form2->FrameMouseUp(TFrameControl::Image1, Qt::RightButton, 50, 50);
    EXPECT_EQ(Bounds(Form2->Image1), QRect(96, 8, 500, 510));
    EXPECT_TRUE(HandlesHidden());
    EXPECT_TRUE(Form2->Canvas->Figures().empty());
    EXPECT_EQ(Form2->Drag.DragLeft, state.DragLeft);
    EXPECT_EQ(Form2->Drag.DragLastX, state.DragLastX);
}

TEST_F(FrameHandlesTest, AHandleDragThroughThePointerKeepsTheHiddenHandle)
{
    Form2->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
    QTest::mouseClick(Form2->Image1, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(HandlesVisible());

    platform::TShape* shape3 = Form2->Shape3;
    QTest::mousePress(shape3, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_FALSE(shape3->isVisibleTo(Form2));
    // The pointer moves over the picture, which must not take the move for itself.
    Form2->Edit1->setText("untouched");
    QTest::mouseMove(Form2->Image1, QPoint(454, 250));  // Shape3's (-46, 4)
    EXPECT_EQ(Band(), QRect(96, 8, 450, 500));
    EXPECT_EQ(Form2->Edit1->text(), "untouched");
    QTest::mouseRelease(Form2->Image1, Qt::LeftButton, {}, QPoint(450 - 4 + 4, 254 - 8 + 4));
    EXPECT_EQ(Bounds(Form2->Image1), QRect(96, 8, 450, 500));
    EXPECT_TRUE(HandlesVisible());
    EXPECT_EQ(shape3->pos(), QPoint(546, 254));
}

TEST_F(FrameHandlesTest, TheBandInvertsThePixelsOfTheWindow)
{
    StoreDefaultTriangle();
    ASSERT_EQ(Construct(), "");
    QWidget* client = Form2->centralWidget();
    const QImage before = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Form2->FrameMouseDown(TFrameControl::Image1, Qt::LeftButton, 0, 0);
    Form2->FrameMouseMove(TFrameControl::Image1, Qt::LeftButton, 10, 20);
    const QImage during = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The band's left edge runs over the white picture at x = 106, its top edge at y = 28.
    EXPECT_EQ(platform::FromQRgb(before.pixel(106, 300)), platform::clWhite);
    EXPECT_EQ(platform::FromQRgb(during.pixel(106, 300)), platform::clBlack);
    EXPECT_EQ(during.pixel(300, 28), ~before.pixel(300, 28) | 0xFF000000);
    EXPECT_EQ(during.pixel(300, 300), before.pixel(300, 300));  // inside: untouched
    Form2->FrameMouseMove(TFrameControl::Image1, Qt::LeftButton, 0, 0);
    Form2->FrameMouseUp(TFrameControl::Image1, Qt::LeftButton, 0, 0);
    Form2->HideHandles();
    EXPECT_EQ(client->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST_F(FrameHandlesTest, DragsKeepThePictureAtLeastOnePixelAndWithinReach)
{
    // The client area is 654 x 544; the picture starts at 96, 8, 500 x 500.
    struct Case {
        const char* name;
        TFrameControl control;
        int dx, dy;
        QRect bounds;
    };
    const Case cases[] = {
        {"right edge past the left", TFrameControl::Shape3, -900, 0, {96, 8, 1, 500}},
        {"left edge past the right", TFrameControl::Shape7, 900, 0, {595, 8, 1, 500}},
        {"top edge past the bottom", TFrameControl::Shape1, 0, 900, {96, 507, 500, 1}},
        {"corner past both", TFrameControl::Shape8, 900, 900, {595, 507, 1, 1}},
        {"bottom edge past the top", TFrameControl::Shape5, 0, -900, {96, 8, 500, 1}},
        {"picture far right", TFrameControl::Image1, 2000, 0, {646, 8, 500, 500}},
        {"picture far up and left", TFrameControl::Image1, -2000, -2000, {-492, -492, 500, 500}},
        {"growing out of the window is allowed", TFrameControl::Shape4, 300, 300, {96, 8, 800, 800}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form2->Image1->setGeometry(96, 8, 500, 500);
        Form2->FrameMouseDown(c.control, Qt::LeftButton, 0, 0);
        Form2->FrameMouseMove(c.control, Qt::LeftButton, c.dx, c.dy);
        EXPECT_EQ(Band(), c.bounds);  // the band shows the limit too
        Form2->FrameMouseUp(c.control, Qt::LeftButton, c.dx, c.dy);
        EXPECT_EQ(Bounds(Form2->Image1), c.bounds);
    }
}

TEST(FrameDrag, LimitsKeepAPartlyHiddenPictureWithinReach)
{
    // A picture hanging over the client's right edge: its left edge may not pass
    // client - 8; hanging over the left edge: its right edge may not pass 8.
    struct Case {
        const char* name;
        TFrameControl control;
        TBounds picture;
        int dx, dy;
        TBounds expected;
    };
    const Case cases[] = {
        {"left edge of a picture over the right side", TFrameControl::Shape7, {600, 0, 500, 100}, 300, 0, {646, 0, 454, 100}},
        {"right edge of a picture over the left side", TFrameControl::Shape3, {-400, 0, 500, 100}, -300, 0, {-400, 0, 408, 100}},
        {"small picture near the left: its left edge stops at 0", TFrameControl::Shape7, {2, 0, 3, 3}, -50, 0, {0, 0, 5, 3}},
        {"small picture near the right: its right edge stops at the side", TFrameControl::Shape3, {650, 0, 3, 3}, 50, 0, {650, 0, 4, 3}},
        {"top edge of a picture below the bottom", TFrameControl::Shape1, {0, 500, 100, 300}, 0, 200, {0, 536, 100, 264}},
        {"a picture grows to 4096 on a side at most, left", TFrameControl::Shape7, {0, 0, 4000, 100}, -900, 0, {-96, 0, 4096, 100}},
        {"a picture grows to 4096 on a side at most, down", TFrameControl::Shape5, {0, 0, 100, 4000}, 0, 900, {0, 0, 100, 4096}},
        {"a side already longer only shrinks", TFrameControl::Shape3, {0, 0, 5000, 100}, 10, 0, {0, 0, 4096, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDragState drag;
        DragPress(c.control, drag, c.picture, 0, 0);
        DragMove(c.control, drag, c.dx, c.dy);
        EXPECT_EQ(LimitedBand(c.control, drag, 654, 544), c.expected);
    }
}
