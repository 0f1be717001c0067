#include "platform/Shape.h"

#include "platform/ErrorBoundary.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>
#include <cmath>

namespace platform {

namespace {

QPoint Floor(const QPointF& p)
{
    return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

void Moved(const TPointerHooks& hooks, Qt::MouseButtons held, QPoint p)
{
    if (hooks.OnMouseMove) RunHandler([&] { hooks.OnMouseMove(held, p.x(), p.y()); });
}

void Released(const TPointerHooks& hooks, Qt::MouseButton button, QPoint p)
{
    if (hooks.OnMouseUp) RunHandler([&] { hooks.OnMouseUp(button, p.x(), p.y()); });
}

// The control that has the pointer from a press to the release of the last
// button. While Qt's grab holds, the control gets its events as usual; once it
// is hidden Qt lets go, and the events that other widgets receive are handed
// to it here instead.
class PointerCapture : public QObject {
public:
    static PointerCapture& Instance()
    {
        static auto* capture = [] {
            auto* c = new PointerCapture;
            qApp->installEventFilter(c);
            return c;
        }();
        return *capture;
    }

    void Set(QWidget& control, const TPointerHooks& hooks)
    {
        control_ = &control;
        hooks_ = &hooks;
    }
    void EndIfReleased(const QMouseEvent* event)
    {
        if (event->buttons() == Qt::NoButton) control_ = nullptr;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!control_) return false;
        if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease) return false;
        if (watched == control_) return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        // A release we never saw (a modal box took it) must not keep the pointer.
        if (mouse->buttons() == Qt::NoButton && event->type() == QEvent::MouseMove) {
            control_ = nullptr;
            return false;
        }
        if (watched->isWidgetType()) {
            if (static_cast<QWidget*>(watched)->window() != control_->window()) return false;
        } else {
            // Once the control is hidden Qt drops the moves and the release of
            // a held button at the window already; take them there.
            if (control_->isVisible() || !watched->isWindowType()) return false;
            if (static_cast<QWindow*>(watched) != control_->window()->windowHandle()) return false;
        }
        const TPointerHooks& hooks = *hooks_;
        const QPoint p = Floor(control_->mapFromGlobal(mouse->globalPosition()));
        if (event->type() == QEvent::MouseMove) {
            Moved(hooks, mouse->buttons(), p);
        } else {
            EndIfReleased(mouse);
            Released(hooks, mouse->button(), p);
        }
        return true;
    }

private:
    QPointer<QWidget> control_;
    const TPointerHooks* hooks_ = nullptr;
};

}  // namespace

void DispatchMouseDown(QWidget& control, const TPointerHooks& hooks, QMouseEvent* event)
{
    PointerCapture::Instance().Set(control, hooks);
    if (!hooks.OnMouseDown) return;
    const QPoint p = Floor(event->position());
    const Qt::MouseButton button = event->button();
    RunHandler([&] { hooks.OnMouseDown(button, p.x(), p.y()); });
}

void DispatchMouseMove(QWidget&, const TPointerHooks& hooks, QMouseEvent* event)
{
    Moved(hooks, event->buttons(), Floor(event->position()));
}

void DispatchMouseUp(QWidget&, const TPointerHooks& hooks, QMouseEvent* event)
{
    PointerCapture::Instance().EndIfReleased(event);
    Released(hooks, event->button(), Floor(event->position()));
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

void TShape::mousePressEvent(QMouseEvent* event) { DispatchMouseDown(*this, *this, event); }
void TShape::mouseMoveEvent(QMouseEvent* event) { DispatchMouseMove(*this, *this, event); }
void TShape::mouseReleaseEvent(QMouseEvent* event) { DispatchMouseUp(*this, *this, event); }

}  // namespace platform
