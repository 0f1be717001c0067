#pragma once
// The lattice points of Pick's count marked over the drawing window's picture:
// interior and boundary points in two colours, with a legend of their numbers.
// A widget of its own over the picture control, never part of the picture, so
// saving, printing and copying the picture leave it out. It maps the points
// through the drawing's present world window, and goes away when the picture is
// drawn again (the drawing window hides it) or the control resized.
#include "core/WorldWindow.h"
#include "triangle/PickCount.h"

#include <QImage>
#include <QWidget>

class TDrawing;

class TLatticeOverlay : public QWidget {
    Q_OBJECT
public:
    // Lies over `picture` (its parent), which the drawing draws on.
    TLatticeOverlay(QWidget& picture, const TDrawing& drawing);

    // Marks the points of the triangle in the drawing's present world window;
    // nothing for a triangle whose box is beyond the listing's limit.
    void ShowPoints(const TLatticeTriangle& t);
    // The points marked, or last marked.
    const TLatticeListing& Points() const { return points_; }

    // The legend's two lines: "внутрішні точки (I = 3)", "граничні точки (B = 8)".
    QString InteriorCaption() const;
    QString BoundaryCaption() const;

    static const QColor InteriorColor;
    static const QColor BoundaryColor;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The marks and the legend for the present world window, size and screen.
    void Render(qreal ratio);
    void PaintLegend(QPainter& painter);

    const TDrawing& drawing_;
    TLatticeListing points_;
    // Antialiased dots by the thousand take longer than a repaint should, so they
    // are drawn once into an image and the image shown until what it shows changes.
    QImage marks_;
    TWorldWindow marksWindow_;
};
