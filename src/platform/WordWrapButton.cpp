#include "platform/WordWrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

void TWordWrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

}  // namespace platform
