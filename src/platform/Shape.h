#pragma once
// A small rectangle shape: white fill, black outline one pixel wide. The drawing
// window's frame handles are made of these.
#include "platform/PointerHooks.h"

#include <QWidget>

namespace platform {

class TShape : public QWidget, public TPointerHooks {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// Routes Qt's pointer events of a control to its hooks, each inside the error
// boundary. A press captures the pointer for the control until the last button
// is released: the moves and the release reach its hooks, in its coordinates,
// wherever the pointer goes, even when the control hides itself meanwhile
// (which ends Qt's own grab).
void DispatchMouseDown(QWidget& control, const TPointerHooks& hooks, QMouseEvent* event);
void DispatchMouseMove(QWidget& control, const TPointerHooks& hooks, QMouseEvent* event);
void DispatchMouseUp(QWidget& control, const TPointerHooks& hooks, QMouseEvent* event);

}  // namespace platform
