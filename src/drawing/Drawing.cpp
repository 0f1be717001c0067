#include "drawing/Drawing.h"

#include "platform/Image.h"

platform::TCanvas& TDrawing::Canvas() { return image_.Canvas(); }

platform::TCanvas& TDrawing::FitBitmapToControl()
{
    image_.Picture().SetWidth(image_.width());
    image_.Picture().SetHeight(image_.height());
    return Canvas();
}

TWorldCanvas TDrawing::World(int32_t width, int32_t height) { return {Canvas(), Window, width, height}; }

TWorldCanvas TDrawing::World() { return World(Width(), Height()); }

int32_t TDrawing::Width() const { return image_.width(); }

int32_t TDrawing::Height() const { return image_.height(); }
