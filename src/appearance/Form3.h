#pragma once
// The skin chooser: the skin files of the skins folder; selecting one, with the
// pointer or the arrow keys, switches the whole program to it at once.
#include <QWidget>

#include "platform/FileListBox.h"

class TSkinManager;

class TForm3 : public QWidget {
    Q_OBJECT
public:
    // Created hidden; FormCreate runs now, inside the error boundary, so a missing
    // skins folder is reported once and start-up goes on.
    explicit TForm3(TSkinManager& manager, QWidget* parent = nullptr);

    void FormCreate();
    void FileListBox1Click();

    platform::TFileListBox* FileListBox1;

private:
    TSkinManager& skinManager_;
};
