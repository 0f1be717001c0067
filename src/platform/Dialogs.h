#pragma once
// The modal dialogs the program opens. Real Qt dialogs by default; unit tests
// install a scripted host through SetDialogHost.
#include <QColor>
#include <QString>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace platform {

enum class TAnswer { Ok, Yes, No };

struct TFileChoice {
    QString FileName;
    int FilterIndex = 1;  // 1-based, as the dialog's filter list counts
};

class TDialogHost {
public:
    virtual ~TDialogHost() = default;
    // Stop icon, OK button.
    virtual void ErrorBox(QWidget* owner, const QString& caption, const QString& text);
    // No icon, OK button.
    virtual void MessageBox(QWidget* owner, const QString& caption, const QString& text);
    // Question-mark icon, Yes and No buttons.
    virtual TAnswer Question(QWidget* owner, const QString& caption, const QString& text);
    // Empty when the user cancels.
    virtual std::optional<QColor> ChooseColor(QWidget* owner, const QColor& initial);
    // The name a save will write for a choice made in the save dialog.
    using TargetName = std::function<QString(const TFileChoice&)>;
    // filter is "desc|pattern|desc|pattern"; empty when the user cancels. With a
    // target name, the dialog asks its own question before a file of that name
    // would be replaced, and stays open when the user says no.
    virtual std::optional<TFileChoice> SaveFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir, const TargetName& target = {});
    virtual std::optional<TFileChoice> OpenFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir);
    // The standard print dialog on that printer, which keeps what the user
    // chose in it; false when the user cancels.
    virtual bool Print(QWidget* owner, QPrinter& printer);
};

TDialogHost& Dialogs();
// nullptr puts the real dialogs back.
void SetDialogHost(TDialogHost* host);

}  // namespace platform
