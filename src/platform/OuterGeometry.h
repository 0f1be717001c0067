#pragma once
// Places a top-level window by the size of its frame, title bar included, the way
// the window layouts give it. The window manager decides the real frame only once
// the window is on screen, so a classic frame (4 pixels at the sides and the
// bottom, 30 at the top with the title bar) stands in until then.
#include <QMargins>

class QWidget;

namespace platform {

inline constexpr QMargins kTypicalFrame{4, 30, 4, 4};

// Moves the frame to (left, top) and gives the client area what is left of
// width x height inside the frame.
void SetOuterGeometry(QWidget& window, int left, int top, int width, int height);

}  // namespace platform
