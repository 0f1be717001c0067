#pragma once
// A list of the files of one folder that match a mask, one row per file, sorted
// by name. Pointing it at a folder also makes that folder the process's current
// folder, since relative file names elsewhere in the program are taken from there.
#include <QListWidget>
#include <QString>

namespace platform {

class TFileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget* parent = nullptr);

    // A shell-style pattern such as "*.asz", matched with letter case, because
    // only a name spelt exactly so can be opened again by name on every system.
    QString Mask() const { return mask_; }
    void SetMask(const QString& mask);

    // The listed folder: absolute, in native separators, no trailing separator
    // (except for a root folder).
    QString Directory() const { return directory_; }
    // Lists the folder and makes it current. A folder that doesn't exist or
    // can't be entered raises PlatformError and leaves list and current folder alone.
    void SetDirectory(const QString& folder);

    // Full path of the selected file (folder, separator, name); empty when no row
    // is selected.
    QString FileName() const;
    // A folder becomes the listed folder (as SetDirectory). A file makes its folder
    // the listed one and selects its row, without firing Click.
    void SetFileName(const QString& path);

    // Reads the folder again; the selected name stays selected if it is still there.
    void Update();

signals:
    // The user selected a row, with the pointer or the keyboard; clicking the row
    // that is already selected counts too.
    void Click();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void Fill(const QString& select);

    QString mask_ = "*";
    QString directory_;
    bool filling_ = false;
};

}  // namespace platform
