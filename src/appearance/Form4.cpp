#include "appearance/Form4.h"

#include "platform/OuterGeometry.h"
#include "platform/WindowFont.h"

#include <QShortcut>
#include <QVBoxLayout>

TForm4::TForm4(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("Form4");
    setWindowTitle("Допомога");
    setFont(platform::WindowFont());
    setAttribute(Qt::WA_QuitOnClose, false);
    // Escape closes (hides) it, for those who work from the keyboard.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    platform::SetOuterGeometry(*this, 404, 320, 660, 599);

    WebBrowser1 = new platform::THtmlBrowser(this);
    WebBrowser1->setObjectName("WebBrowser1");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(WebBrowser1);
}
