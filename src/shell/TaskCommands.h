#pragma once
// The main window's menu "Файл": task files opened and saved. The only place
// that reads the windows and the store into a task and puts a task back.
#include "shell/TaskFile.h"

#include <QString>

class TForm1;
class TForm2;

// The open dialog's filters: tasks, then every file.
inline constexpr const char* kOpenTaskFilter = "Завдання|*.ortalis|Усі файли|*";
inline constexpr const char* kSaveTaskFilter = "Завдання|*.ortalis";

// What the windows and the store hold now.
TTask CaptureTask(const TForm1& form1, const TForm2& form2);
// Puts a task into the windows and the store: every field, list, flag and
// vertex; the result fields are emptied, since they spoke of another figure.
// The picture and the world window stay as they are.
void ApplyTask(const TTask& task, TForm1& form1, TForm2& form2);

// The example tasks installed beside the executable.
QString ExamplesFolderPath();
