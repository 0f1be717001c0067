#include "platform/OuterGeometry.h"

#include <QWidget>

namespace platform {

void SetOuterGeometry(QWidget& window, int left, int top, int width, int height)
{
    QMargins frame = kTypicalFrame;
    if (window.isVisible()) {
        const QRect outer = window.frameGeometry();
        const QRect inner = window.geometry();
        if (outer != inner)
            frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom());
    }
    window.move(left, top);
    window.resize(width - frame.left() - frame.right(), height - frame.top() - frame.bottom());
}

}  // namespace platform
