#pragma once
// Our raster canvas over a QImage: pen, brush, font and the primitives the
// drawings rely on, with exact and deterministic pixels.
//
// Pixel rules (tests check them):
// - Pixel (x, y) is the square whose top-left corner is (x, y); a point given to a
//   primitive names a pixel.
// - LineTo with a 1-pixel pen walks the major axis (x when |dx| >= |dy|) from the
//   start pixel up to, not including, the end pixel; at major step i the minor
//   coordinate is the exact line's value rounded to nearest, halves toward +infinity
//   on the minor axis. A line and its reverse thus cover the same pixels apart from
//   their ends. A zero-length line draws nothing.
// - A pen wider than 1 stamps a round footprint of that diameter on every pixel the
//   1-pixel figure would set (round caps and joins); each pixel is touched once.
// - Rectangle and Ellipse take a box whose right and bottom edges are exclusive, in
//   either corner order. The ellipse is the set of pixels whose centres lie in the
//   ellipse inscribed in the box's outer edges, together with the middle row and
//   column of the box (so it reaches all four edges however thin); its outline is
//   the pixels of that set with a 4-neighbour outside it; the brush fills the rest.
// - NotXor turns each pixel under the stroke into NOT(pixel XOR pen colour): with a
//   black pen drawing the same figure twice restores the pixels exactly.
// - Every primitive is clipped to the image first, with 64-bit (or wider)
//   arithmetic, so any int32 coordinates are safe and the cost follows the visible
//   part; what is set inside is exactly what the unclipped figure would set.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

namespace platform {

class TScene;

// A colour as the program stores it: 0x00BBGGRR.
using TColor = uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
// What Pixel() reports outside the image.
inline constexpr TColor clInvalid = 0xFFFFFFFF;

QRgb ToQRgb(TColor color);
TColor FromQRgb(QRgb rgb);
TColor FromQColor(const QColor& color);
QColor ToQColor(TColor color);

enum class TPenMode { Copy, NotXor };
enum class TBrushStyle { Solid, Clear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;  // below 1 draws as 1; a wide pen costs Width spans per pixel of the figure
    TPenMode Mode = TPenMode::Copy;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::Solid;
};

class TCanvas {
public:
    // Draws on an image it does not own (32 bits per pixel; another format is
    // converted in place). nullptr or a null image: every primitive does nothing.
    explicit TCanvas(QImage* target = nullptr);

    QImage* Target() const { return target_; }
    void SetTarget(QImage* target);

    TPen Pen;
    TBrush Brush;
    QFont Font = DefaultFont();
    TColor FontColor = clBlack;
    // Called after every primitive that may have changed pixels.
    std::function<void()> OnChange;

    // "DejaVu Sans", 11 pixels, not antialiased.
    static QFont DefaultFont();
    // Pen, brush, font and pen position back to those of a fresh canvas.
    void ResetState();

    // Where every primitive drawn from now on is recorded as well (nullptr: nowhere).
    // The pixels drawn do not depend on it.
    void SetScene(TScene* scene) { scene_ = scene; }
    TScene* Scene() const { return scene_; }

    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y);
    // From the pen position to (x, y), the end pixel left out; the pen moves to (x, y).
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // The outline of the ellipse of the box, counter-clockwise on screen from the ray
    // towards (x3, y3) to the ray towards (x4, y4); rays in one direction (the same
    // point above all) give the full outline. Nothing is filled.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // The same pixels as above; the scene keeps the unrounded position the caller
    // rounded to (x, y), or the unrounded box edges, for a smooth replay.
    void MoveTo(int x, int y, QPointF exact);
    void LineTo(int x, int y, QPointF exact);
    void Ellipse(int x1, int y1, int x2, int y2, const QRectF& exact);
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, const QRectF& exact);
    // Fills with the brush (copied, whatever the pen mode) the 4-connected area around
    // (x, y) of pixels that are not of colour border. Nothing when (x, y) is outside,
    // is of that colour, or the brush is clear.
    void FloodFill(int x, int y, TColor border);
    // Text with its top-left corner at (x, y), in FontColor, on a box of exactly
    // TextExtent(text) in the brush colour when the brush is solid.
    void TextOut(int x, int y, const QString& text);
    QSize TextExtent(const QString& text) const;

    TColor Pixel(int x, int y) const;  // clInvalid outside the image
    void SetPixel(int x, int y, TColor color);

private:
    class Painter;
    friend class Painter;
    void Changed();

    void DrawLine(int x, int y);
    void DrawEllipse(int x1, int y1, int x2, int y2);
    void DrawArc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, double* startDeg, double* sweepDeg);

    QImage* target_ = nullptr;
    TScene* scene_ = nullptr;
    QPoint penPos_;
    QPointF penPosExact_{0.5, 0.5};  // the pen position's centre in the scene
};

}  // namespace platform
