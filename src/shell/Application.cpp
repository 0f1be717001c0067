#include "shell/Application.h"

#include "appearance/Form3.h"
#include "appearance/Form4.h"
#include "appearance/SkinManager.h"
#include "drawing/Form2.h"
#include "platform/ErrorBoundary.h"
#include "platform/TextConversion.h"
#include "platform/WindowFont.h"
#include "shell/Form1.h"
#include "triangle/TriangleLatticeCommands.h"
#include "working/FormWorking.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

void CreateForms()
{
    // One font for every control: the theme's own fonts for buttons and menus would
    // not fit the captions into the layouts' sizes.
    QApplication::setFont(platform::WindowFont());
    Form1 = new TForm1;
    Form2 = new TForm2;  // hidden until the first construction
    Form3 = new TForm3(*Form1->SkinManager1);
    Form4 = new TForm4;
    FormWorking = new TFormWorking;
    // The working's links take the skin's colours when they are written.
    QObject::connect(Form1->SkinManager1, &TSkinManager::SkinChanged, FormWorking, &TFormWorking::Rewrite);
    ConnectTriangleLattice();
}

void DestroyForms()
{
    // The secondary windows go first: the chooser holds the main window's skin manager.
    delete FormWorking;
    FormWorking = nullptr;
    delete Form4;
    Form4 = nullptr;
    delete Form3;
    Form3 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}

void InstallTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    if (translator->load("qtbase_uk", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

int RunOrtalis(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Wayland shows the icon and name of the desktop entry with this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORTALIS_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(ORTALIS_APP_ID)));
    InstallTranslations(app);
    platform::InitDecimalSeparator();
    CreateForms();
    Form1->show();
    // A task named on the command line (the desktop's "open with"); a file that
    // cannot be opened is reported over the main window, which stays.
    platform::RunHandler([] { Form1->OpenTaskArguments(QCoreApplication::arguments().mid(1)); });
    const int result = app.exec();
    DestroyForms();
    return result;
}
