#pragma once
// An embedded HTML view that shows a local page given by its path. Qt's rich
// text browser does the rendering; it understands the HTML 4 subset and simple
// CSS, which is what the program's help page uses.
#include <QString>
#include <QTextBrowser>

namespace platform {

class THtmlBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit THtmlBrowser(QWidget* parent = nullptr);

    // Opens the page: a local path ("D:/geo/help.htm", "/opt/geo/help.htm") or a
    // "file:" URL. The page is read from disk afresh on every call, also when it is
    // the page already shown. A page that is missing or unreadable is reported
    // inside the view. An address the view can't open at all (empty, or another
    // scheme than "file") raises PlatformError and leaves the view as it was.
    void Navigate(const QString& url);

    // The address given to the last Navigate, as it was given.
    QString LocationUrl() const { return location_; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString location_;
};

// The page shown in place of one that can't be read.
QString MissingPageHtml(const QString& path);

}  // namespace platform
