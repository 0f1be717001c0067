#pragma once
// Task files (".ortalis"): the figure and every input of the four pages and the
// drawing window's settings, as UTF-8 JSON a person can read. A file is read
// whole into a TTask and checked before anything of the program is touched.
#include "shell/VertexStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

inline constexpr const char* kTaskFormatName = "ortalis-task";
inline constexpr int kTaskFormatVersion = 1;
inline constexpr const char* kTaskExtension = "ortalis";
inline constexpr const char* kTaskMimeType = "application/x-ortalis-task";
// Files are read up to this size and refused beyond it: a task of a full store
// with long lists takes well under a tenth of it.
inline constexpr qint64 kMaxTaskFileBytes = 4 * 1024 * 1024;
// An edit field holds at most this many characters.
inline constexpr qsizetype kMaxTaskFieldText = 32767;
// A list holds at most this many lines.
inline constexpr qsizetype kMaxTaskListLines = 100000;

// Everything a task file holds. The texts are the fields' texts as typed; the
// flags are the controls' states the entry cycle leaves behind.
struct TTask {
    int Page = 2;  // the page shown: 0 triangle .. 3 regular polygon

    std::array<QString, 6> Triangle{"0", "0", "4", "0", "0", "3"};  // x1 y1 x2 y2 x3 y3

    QString QuadrilateralX = "0";
    QString QuadrilateralY = "0";
    bool QuadrilateralAddEnabled = true;
    QStringList QuadrilateralList;

    QString PolygonCount = "3";
    bool PolygonCountReadOnly = false;
    bool PolygonCountSpinnerEnabled = true;
    QString PolygonX;
    QString PolygonY;
    bool PolygonAddEnabled = true;
    QStringList PolygonList;

    QString RegularCount = "3";
    QString RegularSide = "5";
    QString RegularAngle = "0";
    bool CircumscribedCircle = false;
    bool InscribedCircle = false;
    QStringList RegularList;

    int32_t VertexCount = 0;
    int32_t EntryCursor = 0;
    std::vector<TVertex> Vertices;  // store slots 1, 2, ...; the rest of the store is 0

    QString WindowMin = "-20";
    QString WindowMax = "20";
    bool StaticWindow = false;
    bool Clearing = true;
    bool WholeNumbers = false;
    int32_t PenWidth = 1;
    uint32_t PenColor = 0x0000FF;  // 0x00BBGGRR
};

// Equal in every field; vertices compared bit for bit.
bool SameTask(const TTask& a, const TTask& b);

// The file's bytes.
QByteArray TaskFileData(const TTask& task);

// A file read into a task, or what is wrong with it (Ukrainian, no final stop).
struct TTaskRead {
    std::optional<TTask> Task;
    QString Problem;
};
TTaskRead ParseTask(const QByteArray& data);

// The whole read of a file: at most kMaxTaskFileBytes, then ParseTask. Problem
// is the full message for the user, naming the file.
TTaskRead ReadTaskFile(const QString& path);

// The name a save writes: the chosen one, with ".ortalis" added unless it ends
// so already (letter case ignored).
QString TaskSaveName(const QString& chosen);
