#pragma once
// Controls made as the window layouts give them: named after the control, at a
// fixed place and size.
#include <QString>
#include <Qt>
#include <initializer_list>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QWidget;
class QObject;

namespace platform {

class TMemo;

inline constexpr int kEditHeight = 21;

// A window with a single fixed border: system menu and minimize button, no maximize.
inline constexpr Qt::WindowFlags kFixedWindowFlags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                     Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

template <class T>
T* Named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A label sized to its text at (x, y).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y);
QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, int x, int y, int width,
                    bool readOnly = false);
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int x, int y, int width,
                        int height);
QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const QString& caption, int x, int y, bool checked);
// A multi-line text box with a vertical scroll bar.
TMemo* MakeMemo(QWidget* parent, const char* name, int x, int y, int width, int height);
QAction* MakeItem(QMenu* menu, const char* name, const QString& caption, bool visible = true);

// The label names the field: it becomes the label's buddy and carries the label's
// text as its accessible name, so a screen reader says what the field is for.
void LabelFor(QLabel* label, QWidget* field);
// Tab moves through the controls in this order (the order they are seen in).
void SetTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace platform
