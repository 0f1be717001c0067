#pragma once
// The help window: an HTML view over the whole client area. It has no handlers
// of its own; the help command fills it.
#include <QWidget>

#include "platform/HtmlBrowser.h"

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    platform::THtmlBrowser* WebBrowser1;
};
