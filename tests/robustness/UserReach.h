#pragma once
// What a user can reach in the four windows, found at run time from the widgets
// themselves: the fields that take typed text and the commands (menu items,
// buttons, spinner arrows, pointer gestures on the picture and its handles, rows
// of lists, closing a secondary window). Nothing here names a command, so a
// command added to a menu or a page is covered without a word changed here.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

// A QLineEdit or a multi-line text box.
QString FieldText(const QWidget* field);
// Replaces the field's whole text, as selecting all and typing does.
void TypeInto(QWidget* field, const QString& text);
// Enabled, not read-only, and on a window the user can bring up.
bool CanType(const QWidget* field);
// Qualified name: "Form1.Edit7".
QString FieldName(const QWidget* field);

// Every text field of the four windows, read-only ones included.
std::vector<QWidget*> AllFields();
// The fields a user can type into now.
std::vector<QWidget*> TypableFields();

struct UserCommand {
    QString Name;                    // "Form1/N-кутник/Побудова", "Form2/Button1", ...
    std::function<bool()> Available;  // visible and enabled where the user would click it now
    std::function<void()> Run;        // as the user does it; the handler runs inside the error boundary
    // A pointer gesture, a list row or closing a window: no command of its own
    // reads typed text, so it need not follow every typed text.
    bool Gesture = false;
};

// Every command of the four windows that is not hidden for good. Menu items,
// spinner arrows and buttons first, in window and menu order; then pointer
// gestures, list rows and closing the secondary windows.
std::vector<UserCommand> AllCommands();

// The check boxes of the four windows: the state the commands read.
void SetAllCheckBoxes(bool checked);

// Menu items and buttons set invisible when the windows were built; the user
// never sees them, whatever happens.
QStringList HiddenControlNames();
QStringList ShownAmong(const QStringList& names);
