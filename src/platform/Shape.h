#pragma once
// A small rectangle shape: white fill, black outline one pixel wide. The drawing
// window's frame handles are made of these.
#include "platform/PointerHooks.h"

#include <QWidget>

namespace platform {

class TShape : public QWidget, public PointerHooks {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Routes Qt's pointer events of a control to its hooks, each inside the error boundary.
void DispatchMouseDown(const PointerHooks& hooks, QMouseEvent* event);
void DispatchMouseMove(const PointerHooks& hooks, QMouseEvent* event);
void DispatchMouseUp(const PointerHooks& hooks, QMouseEvent* event);

}  // namespace platform
