#include "UserReach.h"

#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "drawing/Form2.h"
#include "platform/Image.h"
#include "platform/Shape.h"
#include "platform/UpDown.h"
#include "shell/Form1.h"
#include "working/FormWorking.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

namespace {

std::vector<QWidget*> Windows() { return {Form1, Form2, Form3, Form4, FormWorking}; }

// The main window is always up; the others only while shown.
bool WindowUp(const QWidget* window) { return window == Form1 || window->isVisible(); }

// A control of the program carries its name; Qt's own inner parts do not, or
// carry a "qt_" one.
bool IsProgramControl(const QObject* object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith("qt_");
}

// Not hidden by the program: every ancestor up to the window is shown, except
// for tab pages, which the user brings up by choosing their tab.
bool NotHidden(const QWidget* widget)
{
    const QWidget* window = widget->window();
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const bool tabPage = qobject_cast<const QStackedWidget*>(w->parentWidget()) != nullptr;
        if (w->isHidden() && !tabPage) return false;
    }
    return true;
}

// Not hidden, on a window that is up.
bool Reachable(const QWidget* widget) { return NotHidden(widget) && WindowUp(widget->window()); }

// Brings up the tab page that holds the widget, as the user would before clicking.
void ShowPageOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget());
        if (!stack) continue;
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget())) tabs->setCurrentWidget(w);
    }
}

UserCommand Gesture(UserCommand command)
{
    command.Gesture = true;
    return command;
}

QString WindowName(const QWidget* w) { return w->window()->objectName(); }

void SendMouse(QWidget* target, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons held)
{
    const QPointF local(pos);
    const QPointF global(target->mapToGlobal(pos));
    QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// Press with the left button, move in steps by (dx, dy), release.
void Drag(QWidget* target, QPoint from, QPoint by)
{
    SendMouse(target, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseMove, from + by / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
    SendMouse(target, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
}

void AddMenuCommands(std::vector<UserCommand>& out, QWidget* window, const QString& path, const QList<QAction*>& actions)
{
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible()) continue;
        // "Вихід" ends the program, as closing the main window does.
        if (action->objectName() == QLatin1String("NQuit")) continue;
        const QString name = path + "/" + action->text() + " (" + action->objectName() + ")";
        if (QMenu* menu = action->menu()) {
            AddMenuCommands(out, window, path + "/" + action->text(), menu->actions());
            continue;
        }
        out.push_back({name, [window, action] { return WindowUp(window) && action->isVisible() && action->isEnabled(); },
                       [action] { action->trigger(); }});
    }
}

bool IsMenuItem(const QAction* a)
{
    return qobject_cast<const QMenu*>(a->parent()) || qobject_cast<const QMenuBar*>(a->parent());
}

bool IsStateButton(const QAbstractButton* b)
{
    return qobject_cast<const QCheckBox*>(b) || qobject_cast<const QRadioButton*>(b);
}

}  // namespace

QString FieldText(const QWidget* field)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(field)) return edit->text();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(field)) return memo->toPlainText();
    return {};
}

void TypeInto(QWidget* field, const QString& text)
{
    ShowPageOf(field);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->setText(text);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) memo->setPlainText(text);
}

bool CanType(const QWidget* field)
{
    if (!field->isEnabled() || !Reachable(field)) return false;
    if (auto* edit = qobject_cast<const QLineEdit*>(field)) return !edit->isReadOnly();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(field)) return !memo->isReadOnly();
    return false;
}

QString FieldName(const QWidget* field) { return WindowName(field) + "." + field->objectName(); }

std::vector<QWidget*> AllFields()
{
    std::vector<QWidget*> fields;
    for (QWidget* window : Windows()) {
        for (QLineEdit* e : window->findChildren<QLineEdit*>())
            if (IsProgramControl(e)) fields.push_back(e);
        for (QPlainTextEdit* m : window->findChildren<QPlainTextEdit*>())
            if (IsProgramControl(m)) fields.push_back(m);
    }
    return fields;
}

std::vector<QWidget*> TypableFields()
{
    std::vector<QWidget*> fields;
    for (QWidget* f : AllFields())
        if (CanType(f)) fields.push_back(f);
    return fields;
}

std::vector<UserCommand> AllCommands()
{
    std::vector<UserCommand> out;
    for (QWidget* window : Windows()) {
        for (QMenuBar* bar : window->findChildren<QMenuBar*>())
            AddMenuCommands(out, window, window->objectName(), bar->actions());
    }
    // Spinners: their arrows are Qt's own buttons inside the named control.
    for (QWidget* window : Windows()) {
        for (platform::TUpDown* spinner : window->findChildren<platform::TUpDown*>()) {
            const QList<QToolButton*> arrows = spinner->findChildren<QToolButton*>();
            for (qsizetype i = 0; i < arrows.size(); ++i) {
                QToolButton* arrow = arrows[i];
                out.push_back({WindowName(spinner) + "/" + spinner->objectName() + (i == 0 ? " up" : " down"),
                               [spinner, arrow] { return Reachable(spinner) && spinner->isEnabled() && arrow->isEnabled(); },
                               [arrow] {
                                   ShowPageOf(arrow);
                                   arrow->click();
                               }});
            }
        }
    }
    for (QWidget* window : Windows()) {
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (!IsProgramControl(b) || IsStateButton(b) || !NotHidden(b)) continue;
            out.push_back({WindowName(b) + "/" + b->objectName(), [b] { return Reachable(b) && b->isEnabled(); },
                           [b] {
                               ShowPageOf(b);
                               b->click();
                           }});
        }
    }
    // Pointer gestures on pictures and on their frame handles (shown after a click).
    for (QWidget* window : Windows()) {
        for (platform::TImage* image : window->findChildren<platform::TImage*>()) {
            const QString name = WindowName(image) + "/" + image->objectName();
            auto up = [image] { return Reachable(image); };
            out.push_back(Gesture({name + " click", up, [image] {
                               const QPoint c(image->width() / 2, image->height() / 2);
                               Drag(image, c, {0, 0});
                           }}));
            out.push_back(Gesture({name + " pointer over", up, [image] {
                               const int w = image->width(), h = image->height();
                               for (QPoint p : {QPoint(0, 0), QPoint(w / 2 + 1, h / 5), QPoint(w, h), QPoint(w + 40, -30)})
                                   SendMouse(image, QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton);
                           }}));
            out.push_back(Gesture({name + " drag", up, [image] { Drag(image, {10, 10}, {15, 10}); }}));
        }
        for (platform::TShape* shape : window->findChildren<platform::TShape*>()) {
            const QString name = WindowName(shape) + "/" + shape->objectName();
            auto up = [shape] { return Reachable(shape); };
            out.push_back(Gesture({name + " drag", up, [shape] { Drag(shape, {2, 2}, {10, 20}); }}));
            // Past the opposite edge and out of the window.
            out.push_back(Gesture({name + " drag far", up, [shape] { Drag(shape, {2, 2}, {-900, -900}); }}));
        }
    }
    // Lists: a click on the next row each time.
    for (QWidget* window : Windows()) {
        for (QListWidget* list : window->findChildren<QListWidget*>()) {
            if (!IsProgramControl(list)) continue;
            auto next = std::make_shared<int>(0);
            out.push_back(Gesture({WindowName(list) + "/" + list->objectName() + " row",
                           [list] { return Reachable(list) && list->isEnabled() && list->count() > 0; },
                           [list, next] {
                               QListWidgetItem* item = list->item((*next)++ % list->count());
                               QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                                 list->visualItemRect(item).center());
                           }}));
        }
    }
    // Closing a secondary window with its title-bar button; closing the main
    // window ends the program.
    for (QWidget* window : Windows()) {
        if (window == Form1) continue;
        out.push_back(Gesture({window->objectName() + " close", [window] { return window->isVisible(); },
                       [window] { window->close(); }}));
    }
    return out;
}

void SetAllCheckBoxes(bool checked)
{
    for (QWidget* window : Windows())
        for (QCheckBox* box : window->findChildren<QCheckBox*>())
            if (IsProgramControl(box) && box->isChecked() != checked) box->click();
}

QStringList HiddenControlNames()
{
    QStringList names;
    for (QWidget* window : Windows()) {
        for (QAction* a : window->findChildren<QAction*>())
            if (IsProgramControl(a) && IsMenuItem(a) && !a->isVisible()) names << window->objectName() + "." + a->objectName();
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (IsProgramControl(b) && b->isHidden()) names << window->objectName() + "." + b->objectName();
    }
    return names;
}

QStringList ShownAmong(const QStringList& names)
{
    QStringList shown;
    for (QWidget* window : Windows()) {
        for (QAction* a : window->findChildren<QAction*>())
            if (a->isVisible() && names.contains(window->objectName() + "." + a->objectName()))
                shown << window->objectName() + "." + a->objectName();
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (!b->isHidden() && names.contains(window->objectName() + "." + b->objectName()))
                shown << window->objectName() + "." + b->objectName();
    }
    return shown;
}
