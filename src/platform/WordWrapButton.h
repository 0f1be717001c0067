#pragma once
// A push button whose caption wraps onto further lines when it is wider than the
// button; the caption itself stays one text.
#include <QPushButton>

namespace platform {

class TWordWrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
