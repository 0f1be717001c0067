// Loaded into the installed program with LD_PRELOAD, so the program itself carries
// no test switch. Once the main window is up it opens the skin chooser and the
// help page through their menu items, as a user would, prints what they show,
// one "key: value" line each, and quits.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QWidget* TopLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name)) return w;
    return nullptr;
}

void Print(const char* key, const QString& value)
{
    std::printf("%s: %s\n", key, value.toUtf8().constData());
    std::fflush(stdout);
}

void Trigger(QWidget* window, const char* item)
{
    if (auto* action = window->findChild<QAction*>(QLatin1String(item)))
        action->trigger();
    else
        Print("missing-item", QLatin1String(item));
}

void Probe(int attempt)
{
    QWidget* form1 = TopLevel("Form1");
    if (!form1 || !form1->isVisible()) {
        if (attempt < 200) {
            QTimer::singleShot(50, [attempt] { Probe(attempt + 1); });
        } else {
            Print("error", "the main window never showed");
            QCoreApplication::exit(3);
        }
        return;
    }
    Print("title", form1->windowTitle());
    Print("desktop-file-name", QGuiApplication::desktopFileName());
    Print("skin-style-sheet", qApp->styleSheet().isEmpty() ? "empty" : "set");
    // The triangle's x2: its layout text, or what a task named on the command line holds.
    if (auto* x2 = form1->findChild<QLineEdit*>("Edit3")) Print("triangle-x2", x2->text());

    Trigger(form1, "N15");
    if (QWidget* form3 = TopLevel("Form3")) {
        Print("chooser-visible", form3->isVisible() ? "yes" : "no");
        if (auto* list = form3->findChild<QListWidget*>("FileListBox1"))
            for (int i = 0; i < list->count(); ++i) Print("skin", list->item(i)->text());
    }

    Trigger(form1, "N16");
    if (QWidget* form4 = TopLevel("Form4")) {
        Print("help-visible", form4->isVisible() ? "yes" : "no");
        if (auto* view = form4->findChild<QTextBrowser*>("WebBrowser1")) {
            Print("help-source", view->source().toString());
            Print("help-title", view->documentTitle());
        }
    }
    QCoreApplication::quit();
}

void Start()
{
    QTimer::singleShot(0, [] { Probe(0); });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)
