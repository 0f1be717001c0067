#include "platform/Dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace platform {

namespace {

DialogHost realHost;
DialogHost* currentHost = &realHost;

// "desc|pattern|desc|pattern" to Qt's "desc (pattern)" list.
QStringList QtFilters(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) result << parts[i] + " (" + parts[i + 1] + ")";
    return result;
}

std::optional<FileChoice> RunFileDialog(QWidget* owner, QFileDialog::AcceptMode mode, const QString& filter,
                                        int filterIndex, const QString& initialDir)
{
    QFileDialog dialog(owner);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QStringList filters = QtFilters(filter);
    dialog.setNameFilters(filters);
    if (filterIndex >= 1 && filterIndex <= filters.size()) dialog.selectNameFilter(filters[filterIndex - 1]);
    dialog.setDirectory(initialDir);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return FileChoice{dialog.selectedFiles().first(), int(filters.indexOf(dialog.selectedNameFilter())) + 1};
}

}  // namespace

void DialogHost::ErrorBox(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

void DialogHost::MessageBox(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

Answer DialogHost::Question(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::optional<QColor> DialogHost::ChooseColor(QWidget* owner, const QColor& initial)
{
    QColorDialog dialog(initial, owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedColor();
}

std::optional<FileChoice> DialogHost::SaveFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir)
{
    return RunFileDialog(owner, QFileDialog::AcceptSave, filter, filterIndex, initialDir);
}

std::optional<FileChoice> DialogHost::OpenFile(QWidget* owner, const QString& filter, int filterIndex,
                                               const QString& initialDir)
{
    return RunFileDialog(owner, QFileDialog::AcceptOpen, filter, filterIndex, initialDir);
}

bool DialogHost::Print(QWidget* owner)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

DialogHost& Dialogs() { return *currentHost; }

void SetDialogHost(DialogHost* host) { currentHost = host ? host : &realHost; }

}  // namespace platform
