#include "platform/UpDown.h"

#include "platform/TextConversion.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace platform {

TUpDown::TUpDown(QLineEdit* associate, int min, int max, int position, QWidget* parent)
    : QWidget(parent), associate_(associate), min_(min), max_(max), position_(position)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    upButton_ = new QToolButton(this);
    upButton_->setArrowType(Qt::UpArrow);
    downButton_ = new QToolButton(this);
    downButton_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {upButton_, downButton_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    connect(upButton_, &QToolButton::clicked, this, [this] { Click(true); });
    connect(downButton_, &QToolButton::clicked, this, [this] { Click(false); });
    if (associate_) associate_->installEventFilter(this);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                Click(key->key() == Qt::Key_Up);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, min_, max_);
    if (associate_) associate_->setText(QString::number(position_));
}

void TUpDown::Click(bool up)
{
    // Like the system control, the step starts from the number the field shows
    // now, so a value typed into the field is honoured.
    if (associate_) {
        if (auto typed = TryStrToInt(associate_->text().toStdString())) position_ = std::clamp(*typed, min_, max_);
    }
    SetPosition(up ? position_ + 1 : position_ - 1);
    emit Clicked(up);
}

}  // namespace platform
