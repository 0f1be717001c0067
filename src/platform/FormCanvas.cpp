#include "platform/FormCanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace platform {

namespace {

bool Same(const TFormCanvas::Figure& a, const TFormCanvas::Figure& b)
{
    return a.Box == b.Box && a.Pen.Color == b.Pen.Color && a.Pen.Mode == b.Pen.Mode &&
           a.Brush.Style == b.Brush.Style && (a.Brush.Style == TBrushStyle::Clear || a.Brush.Color == b.Brush.Color);
}

}  // namespace

TFormCanvas::TFormCanvas(QWidget* client) : QWidget(client)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(client->rect());
    raise();
}

void TFormCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const Figure figure{QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                              QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1)),
                        Pen, Brush};
    // The same NotXor figure twice in a row cancels out pixel for pixel.
    if (figure.Pen.Mode == TPenMode::NotXor && !figures_.empty() && Same(figures_.back(), figure))
        figures_.pop_back();
    else
        figures_.push_back(figure);
    update(figure.Box.adjusted(0, 0, 1, 1));
}

void TFormCanvas::paintEvent(QPaintEvent* event)
{
    if (figures_.empty()) return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    for (const Figure& f : figures_) {
        if (f.Box.isEmpty()) continue;
        painter.setCompositionMode(f.Pen.Mode == TPenMode::NotXor ? QPainter::RasterOp_NotSourceXorDestination
                                                                   : QPainter::CompositionMode_SourceOver);
        if (f.Brush.Style == TBrushStyle::Solid && f.Box.width() > 2 && f.Box.height() > 2)
            painter.fillRect(f.Box.adjusted(1, 1, -1, -1), ToQColor(f.Brush.Color));
        // The outline as four strips that never overlap: a pixel inverted twice
        // would show unchanged.
        const QColor pen = ToQColor(f.Pen.Color);
        const QRect& b = f.Box;
        painter.fillRect(QRect(b.left(), b.top(), b.width(), 1), pen);
        if (b.height() > 1) painter.fillRect(QRect(b.left(), b.bottom(), b.width(), 1), pen);
        if (b.height() > 2) {
            painter.fillRect(QRect(b.left(), b.top() + 1, 1, b.height() - 2), pen);
            if (b.width() > 1) painter.fillRect(QRect(b.right(), b.top() + 1, 1, b.height() - 2), pen);
        }
    }
}

}  // namespace platform
