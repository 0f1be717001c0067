#include "drawing/LatticeOverlay.h"

#include "drawing/Drawing.h"
#include "drawing/WorldMapping.h"

#include <QEvent>
#include <QPainter>
#include <QPen>
#include <QVector>

#include <algorithm>
#include <cmath>

// Blue and orange: far apart in hue and in lightness, so they stay apart for
// most kinds of colour blindness and on the red outline and black axes alike.
const QColor TLatticeOverlay::InteriorColor{0x1f, 0x5f, 0xd6};
const QColor TLatticeOverlay::BoundaryColor{0xf2, 0x8c, 0x00};

namespace {

constexpr int kLegendMargin = 6;
constexpr int kLegendPadding = 6;

// A round dot per point: a white ring first, so a dot on a line of the figure
// still stands out, then the colour.
void PaintDots(QPainter& painter, const QVector<QPointF>& dots, const QColor& colour, int diameter)
{
    if (dots.isEmpty()) return;
    QPen pen(Qt::white, diameter + 2, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.drawPoints(dots.constData(), int(dots.size()));
    pen.setColor(colour);
    pen.setWidthF(diameter);
    painter.setPen(pen);
    painter.drawPoints(dots.constData(), int(dots.size()));
}

}  // namespace

TLatticeOverlay::TLatticeOverlay(QWidget& picture, const TDrawing& drawing) : QWidget(&picture), drawing_(drawing)
{
    setObjectName("LatticeOverlay");
    // The picture below keeps the pointer: its read-out and its drag.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(picture.rect());
    hide();
    picture.installEventFilter(this);
}

void TLatticeOverlay::ShowPoints(const TLatticeTriangle& t)
{
    points_ = ListLatticePoints(t);
    marks_ = QImage();
    if (points_.Interior.empty() && points_.Boundary.empty()) {
        hide();
        return;
    }
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
}

QString TLatticeOverlay::InteriorCaption() const
{
    return QString("внутрішні точки (I = %1)").arg(qulonglong(points_.Interior.size()));
}

QString TLatticeOverlay::BoundaryCaption() const
{
    return QString("граничні точки (B = %1)").arg(qulonglong(points_.Boundary.size()));
}

bool TLatticeOverlay::eventFilter(QObject* watched, QEvent* event)
{
    // A resized picture control maps the world onto another size than the
    // picture was drawn at: the marks would leave their points.
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        hide();
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void TLatticeOverlay::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const TWorldWindow& window = drawing_.Window;
    const bool sameWindow = window.XMin == marksWindow_.XMin && window.XMax == marksWindow_.XMax &&
                            window.YMin == marksWindow_.YMin && window.YMax == marksWindow_.YMax;
    if (marks_.isNull() || !sameWindow || marks_.devicePixelRatio() != ratio ||
        marks_.size() != (QSizeF(size()) * ratio).toSize())
        Render(ratio);
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), marks_);
}

void TLatticeOverlay::Render(qreal ratio)
{
    const TWorldWindow& window = drawing_.Window;
    marksWindow_ = window;
    marks_ = QImage((QSizeF(size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    marks_.setDevicePixelRatio(ratio);
    marks_.fill(Qt::transparent);
    const int width = drawing_.Width();
    const int height = drawing_.Height();
    // The dots grow with the lattice's spacing on screen, within a readable range.
    const double spacing = std::min(std::abs(width / (double(window.XMax) - window.XMin)),
                                    std::abs(height / (double(window.YMax) - window.YMin)));
    const int dot = int(std::lround(std::isfinite(spacing) ? std::clamp(spacing * 0.35, 3.0, 9.0) : 3.0));

    // The pixel centres the picture's own replay uses; dots off the control are
    // left out, so a far world window costs nothing.
    const QRectF visible = QRectF(rect()).adjusted(-dot, -dot, dot, dot);
    const auto place = [&](const std::vector<TLatticePoint>& points) {
        QVector<QPointF> dots;
        dots.reserve(qsizetype(points.size()));
        for (const TLatticePoint& p : points) {
            const QPointF at(WorldToExactX(p.X, window, width) + 0.5, WorldToExactY(p.Y, window, height) + 0.5);
            if (visible.contains(at)) dots.push_back(at);  // NaN is never contained
        }
        return dots;
    };

    QPainter painter(&marks_);
    painter.setFont(font());
    painter.setRenderHint(QPainter::Antialiasing);
    PaintDots(painter, place(points_.Boundary), BoundaryColor, dot);
    PaintDots(painter, place(points_.Interior), InteriorColor, dot);
    PaintLegend(painter);
}

void TLatticeOverlay::PaintLegend(QPainter& painter)
{
    constexpr int dot = 9;
    const QString lines[] = {InteriorCaption(), BoundaryCaption()};
    const QColor colours[] = {InteriorColor, BoundaryColor};
    const QFontMetrics metrics(font());
    const int lineHeight = std::max(metrics.height(), dot + 4);
    const int textLeft = kLegendPadding + dot + 6;
    int textWidth = 0;
    for (const QString& line : lines) textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const QRect box(kLegendMargin, kLegendMargin, textLeft + textWidth + kLegendPadding,
                    2 * lineHeight + 2 * kLegendPadding);

    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    for (int i = 0; i < 2; ++i) {
        const int top = box.top() + kLegendPadding + i * lineHeight;
        const QPointF centre(box.left() + kLegendPadding + dot / 2.0, top + lineHeight / 2.0);
        PaintDots(painter, {centre}, colours[i], dot);
        painter.setPen(Qt::black);
        painter.drawText(QRect(box.left() + textLeft, top, textWidth, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         lines[i]);
    }
}
