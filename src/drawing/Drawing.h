#pragma once
// The drawing on the drawing window's picture: the picture itself, the world
// window the last construction chose and the figure pen. It belongs to the
// drawing window; the construction, the circle commands, clearing and the
// pointer read-out all read and draw through it. Every drawing on the picture
// goes through Canvas(), so whatever records or replays drawing sits here.
#include "core/WorldWindow.h"
#include "drawing/WorldCanvas.h"
#include "platform/Canvas.h"

#include <cstdint>

namespace platform {
class TImage;
}  // namespace platform

class TDrawing {
public:
    explicit TDrawing(platform::TImage& image) : image_(image) {}
    TDrawing(const TDrawing&) = delete;
    TDrawing& operator=(const TDrawing&) = delete;

    // The world window of the last construction; only the construction writes it.
    TWorldWindow Window;
    // The pen of the figure's outline and the triangle's circles: red, one pixel
    // wide at start; only the drawing window's colour and thickness commands
    // change it.
    platform::TColor FigurePenColor = 0x0000FF;
    int32_t FigurePenWidth = 1;

    // The one way to draw on the picture: its canvas. An empty picture first
    // becomes a white bitmap of the picture control's present size.
    platform::TCanvas& Canvas();
    // The bitmap takes the picture control's present size (width, then height),
    // keeping what it shows; the canvas afterwards.
    platform::TCanvas& FitBitmapToControl();
    // The canvas in world terms, the world window mapped onto a surface of that
    // size, or of the picture control's present size.
    TWorldCanvas World(int32_t width, int32_t height);
    TWorldCanvas World();

    // The picture control's present size.
    int32_t Width() const;
    int32_t Height() const;

private:
    platform::TImage& image_;
};
