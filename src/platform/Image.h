#pragma once
// The picture control: shows its picture 1:1 from its own top-left corner, not
// stretched and not centred, and keeps its own size whatever the picture's. On a
// screen of more device pixels than logical ones it shows the picture's scene
// replayed at the device's resolution, so lines and letters stay sharp; the
// picture's pixels keep their logical places.
#include "platform/Picture.h"
#include "platform/PointerHooks.h"

#include <QWidget>

namespace platform {

class TImage : public QWidget, public TPointerHooks {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }

    // The picture's canvas; an empty picture first becomes a white bitmap of the
    // control's present size. A JPEG picture refuses (PlatformError).
    TCanvas& Canvas() { return picture_.Canvas(width(), height()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPicture picture_;
    // The scene at the device's resolution, drawn when first needed after a change.
    QImage sharp_;
    bool sharpValid_ = false;
};

}  // namespace platform
