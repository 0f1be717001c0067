#pragma once
// The font every window is laid out for.
#include <QFont>

namespace platform {

// "MS Sans Serif" at 8 points (11 pixels). Where that face is missing, DejaVu Sans
// Condensed stands in: it comes closest in width, so captions fit their controls.
QFont WindowFont();

}  // namespace platform
