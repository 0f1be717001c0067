#include "platform/FileListBox.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace platform {

namespace {

constexpr int kRowHeight = 13;

// Rows of a fixed height, whatever the font and the skin would make of them.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
    }
};

QString CleanFolder(const QString& folder)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QDir(folder).absolutePath()));
}

[[noreturn]] void RaiseFolderError(const QString& folder, const char* reason)
{
    throw PlatformError(QString("Cannot change to folder \"%1\". %2").arg(folder, reason).toStdString());
}

}  // namespace

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent)
{
    setItemDelegate(new FixedRowDelegate(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && !selectedItems().isEmpty()) emit Click();
    });
    // Until it is pointed elsewhere the list shows the folder the process started in.
    directory_ = CleanFolder(QDir::currentPath());
    Fill({});
}

void TFileListBox::mousePressEvent(QMouseEvent* event)
{
    // A press on the selected row changes no selection, yet it is a click on it.
    QListWidgetItem* pressed = itemAt(event->position().toPoint());
    const bool alreadySelected = pressed && pressed->isSelected();
    QListWidget::mousePressEvent(event);
    if (alreadySelected && event->button() == Qt::LeftButton && pressed->isSelected()) emit Click();
}

void TFileListBox::SetMask(const QString& mask)
{
    mask_ = mask;
    Update();
}

void TFileListBox::SetDirectory(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || !info.isDir()) RaiseFolderError(folder, "The folder does not exist");
    if (!QDir::setCurrent(info.absoluteFilePath())) RaiseFolderError(folder, "Access is denied");
    directory_ = CleanFolder(info.absoluteFilePath());
    Fill({});
}

QString TFileListBox::FileName() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return {};
    QString path = directory_;
    if (!path.endsWith(QDir::separator())) path += QDir::separator();
    return path + selected.first()->text();
}

void TFileListBox::SetFileName(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        SetDirectory(path);
        return;
    }
    if (!info.exists()) RaiseFolderError(path, "The folder does not exist");
    SetDirectory(info.absolutePath());
    Fill(info.fileName());
}

void TFileListBox::Update()
{
    const QList<QListWidgetItem*> selected = selectedItems();
    Fill(selected.isEmpty() ? QString() : selected.first()->text());
}

void TFileListBox::showEvent(QShowEvent* event)
{
    // Skins may have been added or removed while the window was hidden.
    Update();
    QListWidget::showEvent(event);
}

void TFileListBox::Fill(const QString& select)
{
    filling_ = true;
    clear();
    QDir dir(directory_);
    dir.setNameFilters({mask_});
    // Plain files only: no folders, no hidden files, no devices, sockets or dangling links.
    dir.setFilter(QDir::Files | QDir::CaseSensitive);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QString& name : dir.entryList()) {
        auto* item = new QListWidgetItem(name, this);
        if (name == select) setCurrentItem(item);
    }
    filling_ = false;
}

}  // namespace platform
