#include "platform/Shape.h"

#include "platform/ErrorBoundary.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace platform {

namespace {

QPoint Position(const QMouseEvent* event)
{
    const QPointF p = event->position();
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

}  // namespace

void DispatchMouseDown(const PointerHooks& hooks, QMouseEvent* event)
{
    if (!hooks.OnMouseDown) return;
    const QPoint p = Position(event);
    const Qt::MouseButton button = event->button();
    RunHandler([&] { hooks.OnMouseDown(button, p.x(), p.y()); });
}

void DispatchMouseMove(const PointerHooks& hooks, QMouseEvent* event)
{
    if (!hooks.OnMouseMove) return;
    const QPoint p = Position(event);
    const Qt::MouseButtons held = event->buttons();
    RunHandler([&] { hooks.OnMouseMove(held, p.x(), p.y()); });
}

void DispatchMouseUp(const PointerHooks& hooks, QMouseEvent* event)
{
    if (!hooks.OnMouseUp) return;
    const QPoint p = Position(event);
    const Qt::MouseButton button = event->button();
    RunHandler([&] { hooks.OnMouseUp(button, p.x(), p.y()); });
}

TShape::TShape(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    // A cosmetic 1-pixel pen covers the pixels from the left/top edge to width-1/height-1.
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void TShape::mousePressEvent(QMouseEvent* event) { DispatchMouseDown(*this, event); }
void TShape::mouseMoveEvent(QMouseEvent* event) { DispatchMouseMove(*this, event); }
void TShape::mouseReleaseEvent(QMouseEvent* event) { DispatchMouseUp(*this, event); }

}  // namespace platform
