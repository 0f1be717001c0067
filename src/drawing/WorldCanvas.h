#pragma once
// Drawing in world units: a canvas, the world window it shows and the surface's
// size in pixels, each point mapped with WorldToPixelX / WorldToPixelY. It works
// on any image, so circles and the like can be drawn and checked on a bare one.
#include "drawing/WorldMapping.h"
#include "platform/Canvas.h"

#include <cstdint>

// A box of pixels by two corners, in the order the drawing computed them.
struct TPixelBox {
    int32_t X1 = 0;
    int32_t Y1 = 0;
    int32_t X2 = 0;
    int32_t Y2 = 0;
    friend bool operator==(const TPixelBox&, const TPixelBox&) = default;
};

class TWorldCanvas {
public:
    TWorldCanvas(platform::TCanvas& canvas, const TWorldWindow& window, int32_t width, int32_t height)
        : canvas_(canvas), window_(window), width_(width), height_(height)
    {
    }

    platform::TCanvas& Canvas() const { return canvas_; }
    const TWorldWindow& Window() const { return window_; }

    int32_t PixelX(platform::Extended x) const { return WorldToPixelX(x, window_, width_); }
    int32_t PixelY(platform::Extended y) const { return WorldToPixelY(y, window_, height_); }

    // The box of the circle about (cx, cy) with radius r: (PixelX(cx - r), PixelY(cy - r))
    // and (PixelX(cx + r), PixelY(cy + r)); each edge is one extended-precision
    // expression, the sum with the radius included. Y1 is the lower edge on screen.
    TPixelBox CircleBox(double cx, double cy, double r) const;
    // The complete, unfilled outline of that circle in the canvas's present pen.
    void CircleOutline(double cx, double cy, double r) const;

private:
    platform::TCanvas& canvas_;
    TWorldWindow window_;
    int32_t width_;
    int32_t height_;
};
