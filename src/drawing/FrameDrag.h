#pragma once
// Moving and resizing the picture with the pointer: the press, move and release
// steps shared by the eight frame handles and the picture itself, and the
// rubber band that shows where the picture will go. Plain values, no widgets.
#include <cstdint>

// The nine controls a drag can start on, in the layout's order.
enum class TFrameControl { Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8, Image1 };

// The six values every drag shares (one drag at a time).
struct TDragState {
    int32_t DragTop = 0;
    int32_t DragLeft = 0;
    int32_t DragExtentX = 0;  // the band's width, or its fixed right edge for Shape6..Shape8
    int32_t DragExtentY = 0;  // the band's height, or its fixed bottom edge for Shape1, Shape2, Shape8
    int32_t DragLastX = 0;    // pointer at the previous event, in the dragged control's coordinates
    int32_t DragLastY = 0;
};

struct TBounds {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    bool operator==(const TBounds&) const = default;
};

// Press: the state filled from the picture's bounds and the pointer. Only the
// pointer coordinates the control reads are stored; the others keep their value.
void DragPress(TFrameControl control, TDragState& drag, const TBounds& picture, int32_t x, int32_t y);
// Move: the band follows the pointer's movement since the previous event.
void DragMove(TFrameControl control, TDragState& drag, int32_t x, int32_t y);

// The band the state describes, before any limit.
TBounds DragBand(TFrameControl control, const TDragState& drag);

// The band as it is drawn and as the picture takes it at the release. A drag
// never gives the picture a width or height below 1 or, growing, above 4096, and never leaves it
// wholly outside the client area: at least a handle's size of it (8 pixels, or
// all of a smaller side) stays inside, so the user can always grab it again.
// Only the edges the control moves are held back.
TBounds LimitedBand(TFrameControl control, const TDragState& drag, int32_t clientWidth, int32_t clientHeight);
