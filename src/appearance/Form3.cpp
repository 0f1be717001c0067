#include "appearance/Form3.h"

#include "appearance/ProgramFolder.h"
#include "appearance/SkinManager.h"
#include "platform/ErrorBoundary.h"
#include "platform/OuterGeometry.h"
#include "shell/VertexStore.h"
#include "platform/WindowFont.h"

#include <QDir>
#include <QShortcut>

TForm3::TForm3(TSkinManager& manager, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      skinManager_(manager)
{
    setObjectName("Form3");
    setWindowTitle("Скіни");
    setFont(platform::WindowFont());
    // A secondary window: closing it only hides it, and it never keeps the program alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Escape closes (hides) it, for those who work from the keyboard.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
    platform::SetOuterGeometry(*this, 509, 41, 179, 438);

    FileListBox1 = new platform::TFileListBox(this);
    FileListBox1->setObjectName("FileListBox1");
    FileListBox1->setGeometry(-1, 0, 170, 393);
    FileListBox1->SetMask("*.asz");
    platform::OnEvent(FileListBox1, &platform::TFileListBox::Click, this, [this] { FileListBox1Click(); });

    platform::RunHandler([this] { FormCreate(); });
}

void TForm3::FormCreate()
{
    BasePath = SkinsFolderPath().toStdString();
    FileListBox1->SetFileName(QString::fromStdString(BasePath));
}

void TForm3::FileListBox1Click()
{
    BasePath = SkinsFolderPath().toStdString();
    skinManager_.SetSkinDirectory(QString::fromStdString(BasePath));
    QString s = FileListBox1->FileName();
    s.remove(0, s.lastIndexOf(QDir::separator()) + 1);
    s.chop(4);
    skinManager_.SetSkinName(s);
}
