#pragma once
// A window's own canvas: figures drawn over whatever the window shows there, its
// controls included. It is a transparent layer on top of the window's client
// area that lets every pointer event through. A figure drawn in NotXor mode
// inverts the pixels under it (with a black pen), so drawing the same figure
// again restores them exactly; the layer keeps the figures that stand and
// paints them afresh whenever the window repaints.
#include "platform/Canvas.h"

#include <QRect>
#include <QWidget>
#include <vector>

namespace platform {

class TFormCanvas : public QWidget {
    Q_OBJECT
public:
    // Covers the client widget whole, above its present children.
    explicit TFormCanvas(QWidget* client);

    TPen Pen;      // one pixel wide whatever its width
    TBrush Brush;

    struct Figure {
        QRect Box;  // the pixels from left to right - 1, top to bottom - 1
        TPen Pen;
        TBrush Brush;
    };

    // Outline with the pen, fill with the brush, over the box from (x1, y1) to
    // (x2, y2) with its right and bottom edges exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);

    // The figures standing now, in the order drawn.
    const std::vector<Figure>& Figures() const { return figures_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<Figure> figures_;
};

}  // namespace platform
