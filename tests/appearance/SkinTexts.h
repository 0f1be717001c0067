#pragma once
// Skin files and folders for the appearance tests.
#include <QDir>
#include <QFile>
#include <QString>

// A complete skin whose window colour tells it apart; the rest is fixed.
inline QString SkinText(const QString& window, const QString& styleSheet = {})
{
    QString text = QString("[Skin]\nFormat = 1\n\n[Colors]\n"
                           "Window = %1\nWindowText = #101010\nBase = #fafafa\nText = #101010\n"
                           "Button = #d0d0d0\nButtonText = #101010\nHighlight = #204080\nHighlightedText = #ffffff\n")
                       .arg(window);
    if (!styleSheet.isEmpty()) text += "\n[Style]\n" + styleSheet + "\n";
    return text;
}

inline void WriteTextFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("can't write %s", qPrintable(path));
    file.write(text.toUtf8());
}

// Puts the process back in the folder it was in, whatever a test pointed it at.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(QDir::currentPath()) {}
    ~CurrentFolderGuard() { QDir::setCurrent(saved_); }

private:
    QString saved_;
};
