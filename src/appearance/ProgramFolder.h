#pragma once
// The folder of the running executable, where the skins folder and the help
// page live. Tests point it at a folder of their own.
#include <QString>

// The folder with its trailing separator, in native separators.
QString ExecutableFolder();
// A folder to use instead of the executable's (a separator is added when it ends
// with none); the empty text goes back to the executable's folder.
void SetExecutableFolder(const QString& folder);
// ExecutableFolder() followed by "skins", no separator after it.
QString SkinsFolderPath();
