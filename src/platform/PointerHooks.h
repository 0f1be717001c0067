#pragma once
// Pointer events of our small controls, handed to the window that owns them.
// Positions are in the control's own coordinates; while a button is held after
// a press, the pressed control keeps receiving the moves and the release, also
// outside its bounds (Qt's implicit grab). Each hook runs inside the error boundary.
#include <Qt>
#include <functional>

namespace platform {

struct TPointerHooks {
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseDown;
    std::function<void(Qt::MouseButtons held, int x, int y)> OnMouseMove;
    std::function<void(Qt::MouseButton button, int x, int y)> OnMouseUp;
};

}  // namespace platform
