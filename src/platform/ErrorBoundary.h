#pragma once
// The one place where errors are caught: every user command runs inside
// RunHandler, which shows the application's error box when an error escapes.
#include "platform/Errors.h"

#include <QObject>
#include <QString>
#include <exception>
#include <string>
#include <utility>

#include "platform/Errors.h"

class QWidget;

namespace platform {

// The executable's file name without folder, cut at its first ".", every letter
// after the first lower-cased: "ORTALIS.EXE" gives "Ortalis".
QString CaptionFromFileName(const QString& fileName);
// The caption rule applied to the running executable.
QString ApplicationTitle();
// The message with "." appended when its last character sorts after ".".
QString ErrorBoxText(const QString& message);
// The application's error box: stop icon, OK, ApplicationTitle() as caption.
void ShowErrorBox(const std::string& message);

template <class F>
void RunHandler(F&& handler)
{
    try {
        std::forward<F>(handler)();
    } catch (const Error& e) {
        ShowErrorBox(e.Message());
    } catch (const std::exception& e) {
        ShowErrorBox(e.what());
    }
}

// Connects a control's signal to a handler that runs inside the error boundary.
template <class Sender, class Signal, class F>
QMetaObject::Connection OnEvent(Sender* sender, Signal signal, QObject* context, F handler)
{
    return QObject::connect(sender, signal, context, [handler](auto&&...) { RunHandler(handler); });
}

}  // namespace platform
