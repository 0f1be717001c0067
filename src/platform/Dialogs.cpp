#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace platform {

namespace {

TDialogHost realHost;
TDialogHost* currentHost = &realHost;

// "desc|pattern|desc|pattern" to Qt's "desc (pattern)" list.
QStringList QtFilters(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) result << parts[i] + " (" + parts[i + 1] + ")";
    return result;
}

// The save dialog's own overwrite question, asked about the name the save will
// really write (the command may add an extension to the name typed).
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* owner, TDialogHost::TargetName target, QStringList filters)
        : QFileDialog(owner), target_(std::move(target)), filters_(std::move(filters))
    {
    }

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (target_ && !files.isEmpty() && !QFileInfo(files.first()).isDir()) {
            const TFileChoice choice{files.first(), int(filters_.indexOf(selectedNameFilter())) + 1};
            const QFileInfo written(target_(choice));
            if (written.exists()) {
                const QString question =
                    QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                        .arg(written.fileName());
                if (QMessageBox::warning(this, windowTitle(), question, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::No) != QMessageBox::Yes)
                    return;
            }
        }
        QFileDialog::accept();
    }

private:
    TDialogHost::TargetName target_;
    QStringList filters_;
};

std::optional<TFileChoice> RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter,
                                        int filterIndex, const QString& initialDir,
                                        const TDialogHost::TargetName& target = {})
{
    FileDialog dialog(owner, target, QtFilters(filter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QStringList filters = QtFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters[filterIndex - 1]);
    dialog.setDirectory(initialDir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return TFileChoice{dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

void TDialogHost::ErrorBox(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void TDialogHost::MessageBox(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

TAnswer TDialogHost::Question(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes ? TAnswer::Yes : TAnswer::No;
}

std::optional<QColor> TDialogHost::ChooseColor(QWidget* owner, const QColor& initial)
{
    QColorDialog dialog(initial, owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

std::optional<TFileChoice> TDialogHost::SaveFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir, const TargetName& target)
{
    return RunFileDialog(owner, QFileDialog::AcceptSave, filter, filterIndex, initialDir, target);
}

std::optional<TFileChoice> TDialogHost::OpenFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir)
{
    return RunFileDialog(owner, QFileDialog::AcceptOpen, filter, filterIndex, initialDir);
}

bool TDialogHost::Print(QWidget* owner, QPrinter& printer)
{
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

TDialogHost& Dialogs() { return *currentHost; }

void SetDialogHost(TDialogHost* host) { currentHost = host ? host : &realHost; }

}  // namespace platform
