#include "platform/Image.h"

#include "platform/Shape.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    // The read-out follows the pointer whether or not a button is held.
    setMouseTracking(true);
    picture_.OnChange = [this] { update(); };
}

void TImage::paintEvent(QPaintEvent* event)
{
    const QImage& image = picture_.Image();
    if (image.isNull()) return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // 1:1 from the control's top-left corner; whatever lies beyond its size is cut off.
    painter.drawImage(QPoint(0, 0), image);
}

void TImage::mousePressEvent(QMouseEvent* event) { DispatchMouseDown(*this, *this, event); }
void TImage::mouseMoveEvent(QMouseEvent* event) { DispatchMouseMove(*this, *this, event); }
void TImage::mouseReleaseEvent(QMouseEvent* event) { DispatchMouseUp(*this, *this, event); }

}  // namespace platform
