#include "Scene.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

QPen StrokePen(TColor color, int width)
{
    return QPen(ToQColor(color), std::max(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A wide pen of even width centres on a pixel's top-left corner, an odd one on
// its centre (as the canvas stamps them).
QPointF PenShift(int width) { return std::max(width, 1) % 2 == 0 ? QPointF(-0.5, -0.5) : QPointF(0, 0); }

// The stroke of a box's outline runs through its outermost pixels' centres.
QRectF StrokeBox(const QRectF& box) { return box.adjusted(0.5, 0.5, -0.5, -0.5); }

}  // namespace

void TScene::Blank(QSize size, TColor background)
{
    size_ = size;
    background_ = background;
    base_ = QImage();
    ops_.clear();
    fonts_.clear();
    elements_ = 0;
}

void TScene::Fold()
{
    const QImage bitmap = bitmap_ ? *bitmap_ : QImage();
    Blank(bitmap.size(), clWhite);
    base_ = bitmap;
}

void TScene::Clear() { Blank(QSize(), clWhite); }

void TScene::Add(Op op, size_t elements)
{
    ops_.push_back(std::move(op));
    elements_ += elements;
    Bound();
}

void TScene::Bound()
{
    if (elements_ > kMaxElements) Fold();
}

int TScene::FontIndex(const QFont& font)
{
    for (size_t i = fonts_.size(); i-- > 0;)
        if (fonts_[i] == font) return int(i);
    fonts_.push_back(font);
    return int(fonts_.size() - 1);
}

void TScene::Line(const TPen& pen, QPointF from, QPointF to)
{
    if (pen.Mode == TPenMode::NotXor) return Fold();
    if (!ops_.empty()) {
        Op& last = ops_.back();
        // A line that goes on from where the last ended, in the same pen, extends it:
        // the outline of a 1000-gon is one polyline with its joins.
        if (last.kind == Op::Kind::Polyline && last.color == pen.Color && last.width == pen.Width &&
            last.points.back() == from) {
            last.points.push_back(to);
            ++elements_;
            return Bound();
        }
    }
    Op op(Op::Kind::Polyline);
    op.color = pen.Color;
    op.width = pen.Width;
    op.points = {from, to};
    Add(std::move(op), 2);
}

void TScene::Rectangle(const TPen& pen, const TBrush& brush, const QRectF& box)
{
    if (pen.Mode == TPenMode::NotXor) return Fold();
    const QRectF picture(QPointF(0, 0), QSizeF(size_));
    // A box of one colour over the whole picture blanks it: the scene starts again.
    if (brush.Style == TBrushStyle::Solid && box.contains(picture) &&
        (pen.Color == brush.Color || box.adjusted(1, 1, -1, -1).contains(picture))) {
        return Blank(size_, brush.Color);
    }
    Op op(Op::Kind::Rectangle);
    op.color = pen.Color;
    op.width = pen.Width;
    op.brush = brush;
    op.box = box;
    Add(std::move(op), 1);
}

void TScene::Ellipse(const TPen& pen, const TBrush& brush, const QRectF& box)
{
    if (pen.Mode == TPenMode::NotXor) return Fold();
    Op op(Op::Kind::Ellipse);
    op.color = pen.Color;
    op.width = pen.Width;
    op.brush = brush;
    op.box = box;
    Add(std::move(op), 1);
}

void TScene::Arc(const TPen& pen, const QRectF& box, double startDeg, double sweepDeg)
{
    if (pen.Mode == TPenMode::NotXor) return Fold();
    Op op(Op::Kind::Arc);
    op.color = pen.Color;
    op.width = pen.Width;
    op.box = box;
    op.start = startDeg;
    op.sweep = sweepDeg;
    Add(std::move(op), 1);
}

void TScene::Text(QPointF topLeft, QSize extent, int ascent, const QFont& font, TColor color, const TBrush& brush,
                  const QString& text)
{
    Op op(Op::Kind::Text);
    op.color = color;
    op.brush = brush;
    op.box = QRectF(topLeft, QSizeF(extent));
    op.baseline = topLeft + QPointF(0, ascent);
    op.font = FontIndex(font);
    op.text = text;
    Add(std::move(op), 1);
}

std::vector<QPointF> TScene::LoopAround(QPointF seed, TColor border, const QRectF& filled) const
{
    // The outline drawn last, before any texts and fills that followed it.
    for (size_t i = ops_.size(), looked = 0; i-- > 0 && looked < 8; ++looked) {
        const Op& op = ops_[i];
        if (op.kind == Op::Kind::Text || op.kind == Op::Kind::Fill) continue;
        if (op.kind != Op::Kind::Polyline || op.color != border) return {};
        const std::vector<QPointF>& pts = op.points;
        for (size_t j = pts.size() - 1; j-- > 0;) {
            if (pts[j] != pts.back()) continue;
            if (pts.size() - j < 4) return {};
            QPolygonF loop(pts.begin() + std::ptrdiff_t(j), pts.end());
            const QRectF reach = loop.boundingRect().adjusted(-1, -1, 1, 1);
            if (!loop.containsPoint(seed, Qt::OddEvenFill) || !reach.contains(filled)) return {};
            return {loop.begin(), loop.end()};
        }
        return {};
    }
    return {};
}

void TScene::Fill(TColor color, TColor border, QPointF seed, std::vector<Span> spans)
{
    if (spans.empty()) return;
    Op op(Op::Kind::Fill);
    op.color = color;
    if (color == border) {
        int x0 = spans[0].a, x1 = spans[0].b, y0 = spans[0].y, y1 = spans[0].y;
        for (const Span& s : spans) {
            x0 = std::min(x0, s.a);
            x1 = std::max(x1, s.b);
            y0 = std::min(y0, s.y);
            y1 = std::max(y1, s.y);
        }
        op.points = LoopAround(seed, border, QRectF(x0, y0, x1 - x0 + 1, y1 - y0 + 1));
    }
    size_t elements = op.points.size();
    if (op.points.empty()) {
        elements = spans.size();
        op.spans = std::move(spans);
    }
    Add(std::move(op), std::max<size_t>(elements, 1));
}

void TScene::Pixel(int x, int y, TColor color)
{
    Op op(Op::Kind::Fill);
    op.color = color;
    op.spans = {{y, x, x}};
    Add(std::move(op), 1);
}

void TScene::Render(QPainter& painter, const QRectF& target) const
{
    if (size_.isEmpty() || target.isEmpty()) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / size_.width(), target.height() / size_.height());
    const QRectF picture(QPointF(0, 0), QSizeF(size_));
    painter.setClipRect(picture, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);

    if (base_.isNull()) painter.fillRect(picture, ToQColor(background_));
    else painter.drawImage(picture, base_);

    // Smooth versions of the canvas's fonts.
    std::vector<QFont> fonts = fonts_;
    for (QFont& font : fonts) {
        font.setStyleStrategy(QFont::PreferAntialias);
        font.setHintingPreference(QFont::PreferNoHinting);
    }

    for (const Op& op : ops_) {
        switch (op.kind) {
        case Op::Kind::Polyline: {
            painter.setPen(StrokePen(op.color, op.width));
            const QPointF shift = PenShift(op.width);
            if (shift.isNull()) {
                painter.drawPolyline(op.points.data(), int(op.points.size()));
            } else {
                painter.translate(shift);
                painter.drawPolyline(op.points.data(), int(op.points.size()));
                painter.translate(-shift);
            }
            break;
        }
        case Op::Kind::Rectangle:
        case Op::Kind::Ellipse: {
            const bool rect = op.kind == Op::Kind::Rectangle;
            if (op.brush.Style == TBrushStyle::Solid) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(ToQColor(op.brush.Color));
                if (rect) painter.drawRect(op.box.normalized());
                else painter.drawEllipse(StrokeBox(op.box.normalized()));
            }
            painter.setBrush(Qt::NoBrush);
            painter.setPen(StrokePen(op.color, op.width));
            const QRectF stroke = StrokeBox(op.box.normalized()).translated(PenShift(op.width));
            if (rect) painter.drawRect(stroke);
            else painter.drawEllipse(stroke);
            break;
        }
        case Op::Kind::Arc: {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(StrokePen(op.color, op.width));
            const QRectF stroke = StrokeBox(op.box.normalized()).translated(PenShift(op.width));
            if (op.sweep >= 360) {
                painter.drawEllipse(stroke);
            } else {
                QPainterPath path;
                path.arcMoveTo(stroke, op.start);
                path.arcTo(stroke, op.start, op.sweep);
                painter.drawPath(path);
            }
            break;
        }
        case Op::Kind::Text:
            if (op.brush.Style == TBrushStyle::Solid) painter.fillRect(op.box, ToQColor(op.brush.Color));
            painter.setFont(fonts[size_t(op.font)]);
            painter.setPen(ToQColor(op.color));
            painter.drawText(op.baseline, op.text);
            break;
        case Op::Kind::Fill:
            if (!op.points.empty()) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(ToQColor(op.color));
                painter.drawPolygon(op.points.data(), int(op.points.size()));
            } else {
                // Pixels: no smoothing, so neighbouring spans leave no seams.
                QPainterPath path;
                for (const Span& s : op.spans) path.addRect(QRectF(s.a, s.y, s.b - s.a + 1, 1));
                painter.setRenderHint(QPainter::Antialiasing, false);
                painter.fillPath(path, ToQColor(op.color));
                painter.setRenderHint(QPainter::Antialiasing, true);
            }
            break;
        }
    }
    painter.restore();
}

}  // namespace platform
