#include "platform/WindowFont.h"

#include <QStringList>

namespace platform {

QFont WindowFont()
{
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", {"DejaVu Sans Condensed", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    return font;
}

}  // namespace platform
