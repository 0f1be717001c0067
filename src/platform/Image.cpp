#include "platform/Image.h"

#include "platform/Shape.h"

#include <QPaintEvent>
#include <QPaintEngine>
#include <QPainter>

namespace platform {

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    // The read-out follows the pointer whether or not a button is held.
    setMouseTracking(true);
    picture_.OnChange = [this] {
        sharpValid_ = false;
        update();
    };
}

void TImage::paintEvent(QPaintEvent* event)
{
    const QImage& image = picture_.Image();
    if (image.isNull()) return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // The device painted on: the screen's backing store, or an image rendered into.
    const QPaintDevice* device = painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    const qreal ratio = device ? device->devicePixelRatioF() : devicePixelRatioF();
    const TScene& scene = picture_.Scene();
    if (ratio > 1 && scene.Size() == image.size()) {
        if (!sharpValid_ || sharp_.devicePixelRatio() != ratio) {
            sharp_ = QImage((QSizeF(image.size()) * ratio).toSize(), QImage::Format_RGB32);
            sharp_.fill(Qt::white);
            {
                QPainter sharp(&sharp_);
                scene.Render(sharp, QRectF(QPointF(0, 0), QSizeF(sharp_.size())));
            }
            sharp_.setDevicePixelRatio(ratio);
            sharpValid_ = true;
        }
        painter.drawImage(QPoint(0, 0), sharp_);
        return;
    }
    // 1:1 from the control's top-left corner; whatever lies beyond its size is cut off.
    painter.drawImage(QPoint(0, 0), image);
}

void TImage::mousePressEvent(QMouseEvent* event) { DispatchMouseDown(*this, *this, event); }
void TImage::mouseMoveEvent(QMouseEvent* event) { DispatchMouseMove(*this, *this, event); }
void TImage::mouseReleaseEvent(QMouseEvent* event) { DispatchMouseUp(*this, *this, event); }

}  // namespace platform
