#include "QtPrinters.h"
#include "platform/FormCanvas.h"
#include "platform/Shape.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QImage Shown(QWidget& window) { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace

TEST(FormCanvas, NotXorOutlineInvertsWhatTheWindowShowsAndDrawnAgainRestoresIt)
{
    QWidget window;
    window.resize(60, 40);
    window.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    window.setPalette(palette);
    TShape control(&window);  // a control under the canvas: the band goes over it too
    control.setGeometry(20, 10, 8, 8);
    TFormCanvas canvas(&window);
    canvas.Pen.Mode = TPenMode::NotXor;
    canvas.Brush.Style = TBrushStyle::Clear;
    const QImage before = Shown(window);

    canvas.Rectangle(5, 5, 25, 15);  // over the control's left part
    ASSERT_EQ(canvas.Figures().size(), 1u);
    EXPECT_EQ(canvas.Figures()[0].Box, QRect(5, 5, 20, 10));
    const QImage with = Shown(window);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool outline = (x >= 5 && x <= 24 && (y == 5 || y == 14)) || (y >= 5 && y <= 14 && (x == 5 || x == 24));
            const QRgb expected = outline ? (~before.pixel(x, y) | 0xFF000000) : before.pixel(x, y);
            ASSERT_EQ(with.pixel(x, y), expected) << x << "," << y;
        }

    canvas.Rectangle(25, 15, 5, 5);  // the same box from the other corner
    EXPECT_TRUE(canvas.Figures().empty());
    EXPECT_EQ(Shown(window), before);

    // Boxes one pixel thin invert each pixel once.
    canvas.Rectangle(40, 2, 41, 30);
    const QImage thin = Shown(window);
    EXPECT_EQ(thin.pixel(40, 2), ~before.pixel(40, 2) | 0xFF000000);
    EXPECT_EQ(thin.pixel(40, 29), ~before.pixel(40, 29) | 0xFF000000);
    EXPECT_EQ(thin.pixel(40, 30), before.pixel(40, 30));
}

TEST(FormCanvas, LetsThePointerThrough)
{
    QWidget window;
    window.resize(60, 40);
    TShape control(&window);
    control.setGeometry(20, 10, 8, 8);
    TFormCanvas canvas(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.childAt(22, 12), &control);
}

TEST(PointerCapture, APressedControlKeepsThePointerWhenItHides)
{
    QWidget window;
    window.resize(200, 200);
    TShape handle(&window);
    handle.setGeometry(10, 10, 8, 8);
    TShape other(&window);
    other.setGeometry(100, 100, 50, 50);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    std::vector<QString> events;
    handle.OnMouseDown = [&](Qt::MouseButton, int x, int y) {
        events.push_back(QString("down %1,%2").arg(x).arg(y));
        handle.hide();  // as the frame handles do
    };
    handle.OnMouseMove = [&](Qt::MouseButtons held, int x, int y) {
        events.push_back(QString("move %1 %2,%3").arg(int(held)).arg(x).arg(y));
    };
    handle.OnMouseUp = [&](Qt::MouseButton, int x, int y) { events.push_back(QString("up %1,%2").arg(x).arg(y)); };
    other.OnMouseMove = [&](Qt::MouseButtons, int, int) { events.push_back("other move"); };
    other.OnMouseUp = [&](Qt::MouseButton, int, int) { events.push_back("other up"); };

    // Through the window, as the system delivers them: Qt itself would drop the
    // moves and the release once the pressed control has hidden.
    QWindow* system = window.windowHandle();
    QTest::mouseMove(system, QPoint(13, 14));
    events.clear();
    QTest::mousePress(system, Qt::LeftButton, {}, QPoint(13, 14));
    QTest::mouseMove(system, QPoint(120, 130));  // over the other control
    QTest::mouseRelease(system, Qt::LeftButton, {}, QPoint(120, 130));
    const std::vector<QString> expected = {"down 3,4", QString("move %1 110,120").arg(int(Qt::LeftButton)),
                                           "up 110,120"};
    EXPECT_EQ(events, expected);

    // Released: the other control has the pointer to itself again.
    events.clear();
    QTest::mouseMove(system, QPoint(125, 125));
    EXPECT_EQ(events, std::vector<QString>{"other move"});
}
