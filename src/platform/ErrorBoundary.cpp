#include "platform/ErrorBoundary.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileInfo>

namespace platform {

QString CaptionFromFileName(const QString& fileName)
{
    QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.indexOf('.');
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    return CaptionFromFileName(QCoreApplication::applicationFilePath());
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.')) return message + '.';
    return message;
}

void ShowErrorBox(const std::string& message)
{
    Dialogs().ErrorBox(QApplication::activeWindow(), ApplicationTitle(),
                       ErrorBoxText(QString::fromStdString(message)));
}

}  // namespace platform
