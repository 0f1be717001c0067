#include "platform/HtmlBrowser.h"

#include "platform/Errors.h"

#include <QFile>
#include <QTextDocument>
#include <QUrl>

namespace platform {

namespace {

[[noreturn]] void RaiseRefused(const QString& url, const char* reason)
{
    throw PlatformError(QString("Cannot navigate to \"%1\". %2").arg(url, reason).toStdString());
}

QUrl PageUrl(const QString& url)
{
    if (url.trimmed().isEmpty()) RaiseRefused(url, "The address is empty");
    const QUrl parsed(url);
    // A drive letter ("D:/geo") looks like a one-letter scheme; it is a path.
    if (parsed.scheme().size() <= 1) return QUrl::fromLocalFile(url);
    if (parsed.scheme().compare("file", Qt::CaseInsensitive) == 0 && parsed.isValid()) return parsed;
    RaiseRefused(url, "Only pages on this computer can be shown");
}

}  // namespace

QString MissingPageHtml(const QString& path)
{
    return QString("<html><head><meta charset=\"utf-8\"><title>Сторінку не знайдено</title></head><body>"
                   "<h2>Сторінку не вдалося відкрити</h2>"
                   "<p>Файл <b>%1</b> не знайдено або його не вдалося прочитати.</p>"
                   "<p>Сторінка допомоги має лежати в тій самій теці, що й програма, під назвою "
                   "<b>help.htm</b>.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

THtmlBrowser::THtmlBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenExternalLinks(false);
    setOpenLinks(true);
}

void THtmlBrowser::Navigate(const QString& url)
{
    const QUrl target = PageUrl(url);
    location_ = url;
    // The browser would keep a page it already shows; reload reads it again.
    if (target == source())
        reload();
    else
        setSource(target, QTextDocument::HtmlResource);
}

QVariant THtmlBrowser::loadResource(int type, const QUrl& name)
{
    if (type != QTextDocument::HtmlResource || !name.isLocalFile()) return QTextBrowser::loadResource(type, name);
    QFile file(name.toLocalFile());
    QByteArray data;
    if (file.open(QIODevice::ReadOnly)) data = file.readAll();
    if (file.error() != QFile::NoError || data.isEmpty()) return MissingPageHtml(name.toLocalFile());
    return data;
}

}  // namespace platform
