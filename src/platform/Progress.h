#pragma once
// Long work the user can watch and cancel. The real host shows a modal progress
// dialog; unit tests install a scripted host through SetProgressHost.
#include <QString>
#include <memory>

class QWidget;

namespace platform {

// One piece of long work, from Begin until it is destroyed.
class ProgressReport {
public:
    virtual ~ProgressReport() = default;
    // How far the work is, from 0 to 1. Lets the program handle its events while
    // the dialog is up; false once the user has asked to stop.
    virtual bool Update(double done) = 0;
};

class ProgressHost {
public:
    virtual ~ProgressHost() = default;
    // A modal dialog with the text, a bar and the button "Скасувати". It shows
    // itself only once the work looks like taking more than half a second, so
    // short work never flashes a window.
    virtual std::unique_ptr<ProgressReport> Begin(QWidget* owner, const QString& text);
};

ProgressHost& Progress();
// nullptr puts the real dialog back.
void SetProgressHost(ProgressHost* host);

}  // namespace platform
