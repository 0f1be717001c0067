#pragma once
// What the benchmarks of window commands share: the four windows built as the
// program builds them, every question answered Yes and every box dismissed, so a
// command runs to its end without anyone at the screen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGuiApplication>

#include "platform/Dialogs.h"
#include "platform/TextConversion.h"
#include "shell/Application.h"

class AnswerYes : public platform::TDialogHost {
public:
    platform::TAnswer Question(QWidget*, const QString&, const QString&) override { return platform::TAnswer::Yes; }
    void ErrorBox(QWidget*, const QString&, const QString&) override {}
    void MessageBox(QWidget*, const QString&, const QString&) override {}
};

// The body of main for benchmarks that draw but need no window.
inline int RunBenchmarksWithGui(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// The body of main: runs the registered benchmarks with the windows built.
inline int RunBenchmarksWithWindows(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::SetDecimalSeparator(',');
    AnswerYes dialogs;
    platform::SetDialogHost(&dialogs);
    CreateForms();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    DestroyForms();
    platform::SetDialogHost(nullptr);
    return 0;
}
