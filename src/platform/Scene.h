#pragma once
// The picture's drawing as a list of operations beside its exact bitmap, so it
// can be drawn again, smooth, at any resolution: on a high-density screen, a
// printer page or in an SVG file. The bitmap stays the reference; the scene is
// its replay.
//
// Coordinates are the picture's pixels as a continuous plane: pixel (x, y) is
// the unit square whose top-left corner is (x, y), so a one-pixel line through
// pixels runs through their centres. Callers that computed a position before
// rounding it to a pixel hand the unrounded one in; the replay then lies where
// the bitmap's pixels only approximate.
//
// What cannot be replayed (a loaded file, a resized bitmap, drawing that
// inverts pixels) enters as a base image: the bitmap as it stood, under the
// later operations. Past kMaxElements the operations fold into the base image
// the same way, so the scene's memory stays bounded whatever is drawn.
#include "Canvas.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <cstddef>
#include <vector>

class QPainter;

namespace platform {

class TScene {
public:
    // Points, boxes and texts held at most before folding into the base image.
    static constexpr size_t kMaxElements = 200000;

    // Replays a picture whose bitmap is *bitmap (held by the caller, read when
    // the scene has to fold).
    explicit TScene(const QImage* bitmap) : bitmap_(bitmap) {}

    // The whole picture of one colour: no base image, no operations.
    void Blank(QSize size, TColor background);
    // The bitmap as it stands becomes the base image; the operations go.
    void Fold();
    // Nothing to replay (an empty picture).
    void Clear();

    QSize Size() const { return size_; }
    TColor Background() const { return background_; }
    const QImage& Base() const { return base_; }
    // Points, boxes and texts held now.
    size_t Elements() const { return elements_; }
    bool HasOperations() const { return !ops_.empty(); }

    // Recording, in the order drawn; positions as described above.
    void Line(const TPen& pen, QPointF from, QPointF to);
    // The box's outer edges; the pen strokes half a pixel inside them.
    void Rectangle(const TPen& pen, const TBrush& brush, const QRectF& box);
    void Ellipse(const TPen& pen, const TBrush& brush, const QRectF& box);
    // An outline from startDeg counter-clockwise over sweepDeg (360: the whole).
    void Arc(const TPen& pen, const QRectF& box, double startDeg, double sweepDeg);
    void Text(QPointF topLeft, QSize extent, int ascent, const QFont& font, TColor color, const TBrush& brush,
              const QString& text);
    // The pixels a flood fill from seed set, as spans [a, b] (inclusive) of row y.
    // A fill of an outline's own colour inside the closed loop the last outline
    // ended with replays as that polygon, smooth; any other as its pixels.
    struct Span {
        int y, a, b;
    };
    void Fill(TColor color, TColor border, QPointF seed, std::vector<Span> spans);
    void Pixel(int x, int y, TColor color);

    // Draws the scene on the painter so that the picture's box (0, 0, width,
    // height) covers target, antialiased; the painter's state is kept.
    void Render(QPainter& painter, const QRectF& target) const;

private:
    struct Op {
        enum class Kind { Polyline, Rectangle, Ellipse, Arc, Text, Fill };
        explicit Op(Kind k) : kind(k) {}
        Kind kind;
        TColor color = 0;        // the pen's, the text's or the fill's
        int width = 1;           // the pen's
        TBrush brush;            // Rectangle, Ellipse, Text
        std::vector<QPointF> points;  // Polyline: its points; Fill: a polygon, if any
        QRectF box;              // Rectangle, Ellipse, Arc; Text: its background
        double start = 0, sweep = 0;  // Arc, in degrees
        int font = 0;            // Text: index into fonts_
        QPointF baseline;        // Text
        QString text;
        std::vector<Span> spans;  // Fill without a polygon
    };

    void Add(Op op, size_t elements);
    void Bound();
    int FontIndex(const QFont& font);
    // The closed loop the last polyline ends with, when it holds seed.
    std::vector<QPointF> LoopAround(QPointF seed, TColor border, const QRectF& filled) const;

    const QImage* bitmap_;
    QSize size_;
    TColor background_ = clWhite;
    QImage base_;
    std::vector<Op> ops_;
    std::vector<QFont> fonts_;
    size_t elements_ = 0;
};

}  // namespace platform
