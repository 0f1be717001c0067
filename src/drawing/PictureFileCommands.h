#pragma once
// What the drawing window's menu "Файл" decides before it touches a file.
#include <QString>

// The filter list of the save dialog: "*.bmp", "*.jpg", "*.png", then "*.svg",
// the drawing as vector shapes.
inline constexpr const char* kPictureFilter = "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png|*.svg|*.svg";
// The open dialog's: the three bitmap types, then every type it reads, which it opens on,
// so that a student's photos show whatever their type.
inline constexpr const char* kOpenPictureFilter =
    "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png|Усі малюнки|*.bmp *.jpg *.jpeg *.png";
inline constexpr int kOpenAllPicturesIndex = 4;

// The extension ("bmp", "jpg", "png", "svg") of a filter index of kPictureFilter
// (1-based); empty for any other index.
QString FilterExtension(int filterIndex);

// What a save writes: the file and its format.
struct TSaveTarget {
    QString FileName;   // empty when nothing is to be written
    QString Extension;  // the format: "bmp", "jpg", "png" or "svg"
};

// A chosen name that ends in a type the program writes (".bmp", ".jpg", ".jpeg",
// ".png", ".svg", letter case ignored) is written as it stands, in that type, whatever
// filter is selected; any other name gets the selected filter's extension added.
// Empty when it would need a filter and the index names none.
TSaveTarget SaveTarget(const QString& chosen, int filterIndex);

// Where the file dialogs start before any file has been chosen: the user's
// pictures folder, or the home folder where there is none.
QString InitialPictureFolder();
