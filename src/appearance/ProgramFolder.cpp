#include "appearance/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString overrideFolder;
}

QString ExecutableFolder()
{
    if (!overrideFolder.isEmpty()) return overrideFolder;
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
}

void SetExecutableFolder(const QString& folder)
{
    overrideFolder = folder;
    if (!folder.isEmpty() && !folder.endsWith('/') && !folder.endsWith('\\')) overrideFolder += QDir::separator();
}

QString SkinsFolderPath()
{
    return ExecutableFolder() + "skins";
}
