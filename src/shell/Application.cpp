#include "shell/Application.h"

#include <QApplication>

int RunOrtalis(int argc, char** argv)
{
    QApplication app(argc, argv);
    return app.exec();
}
