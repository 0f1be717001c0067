#pragma once
// What the drawing window's menu "Файл" decides before it touches a file.
#include <QString>

// The filter list of the save and open dialogs: "*.bmp", "*.jpg", "*.png".
inline constexpr const char* kPictureFilter = "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png";

// The extension ("bmp", "jpg", "png") of a filter index of kPictureFilter
// (1-based); empty for any other index.
QString FilterExtension(int filterIndex);

// The name a save writes: the chosen name, with the filter's extension added
// unless it ends with it already (letter case ignored). Empty when the filter
// index names no filter.
QString SaveFileName(const QString& chosen, int filterIndex);

// Where the file dialogs start before any file has been chosen: the user's
// pictures folder, or the home folder where there is none.
QString InitialPictureFolder();
