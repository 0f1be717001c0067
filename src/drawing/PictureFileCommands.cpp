// The drawing window's menu "Файл": save, load, print and copy the picture.
#include "drawing/PictureFileCommands.h"

#include "drawing/Form2.h"
#include "platform/Dialogs.h"
#include "platform/Image.h"
#include "platform/PictureFile.h"
#include "platform/PicturePrint.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QStandardPaths>

QString FilterExtension(int filterIndex)
{
    switch (filterIndex) {
    case 1: return "bmp";
    case 2: return "jpg";
    case 3: return "png";
    default: return {};
    }
}

TSaveTarget SaveTarget(const QString& chosen, int filterIndex)
{
    struct Typed {
        const char* suffix;
        const char* format;
    };
    static constexpr Typed kTyped[] = {{".bmp", "bmp"}, {".jpg", "jpg"}, {".jpeg", "jpg"}, {".png", "png"}};
    for (const Typed& typed : kTyped)
        if (chosen.endsWith(QLatin1String(typed.suffix), Qt::CaseInsensitive)) return {chosen, typed.format};
    const QString extension = FilterExtension(filterIndex);
    if (extension.isEmpty()) return {};
    return {chosen + "." + extension, extension};
}

QString InitialPictureFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir()) return pictures;
    return QDir::homePath();
}

namespace {

QString StartFolder(const TForm2& form) { return form.PictureFolder.isEmpty() ? InitialPictureFolder() : form.PictureFolder; }

void RememberFolder(TForm2& form, const QString& chosenFile) { form.PictureFolder = QFileInfo(chosenFile).absolutePath(); }

}  // namespace

void TForm2::N2Click()
{
    const auto targetName = [](const platform::FileChoice& choice) {
        return SaveTarget(choice.FileName, choice.FilterIndex).FileName;
    };
    const std::optional<platform::FileChoice> choice =
        platform::Dialogs().SaveFile(this, kPictureFilter, 1, StartFolder(*this), targetName);
    if (!choice) return;
    RememberFolder(*this, choice->FileName);
    const TSaveTarget target = SaveTarget(choice->FileName, choice->FilterIndex);
    if (target.FileName.isEmpty()) return;
    const QByteArray data = platform::PictureFileData(Image1->Picture(), target.Extension);
    if (data.isEmpty()) return;  // nothing drawn, nothing to write
    platform::WriteFileReplacing(target.FileName, data);
}

void TForm2::N3Click()
{
    const std::optional<platform::FileChoice> choice =
        platform::Dialogs().OpenFile(this, kOpenPictureFilter, kOpenAllPicturesIndex, StartFolder(*this));
    if (!choice) return;
    RememberFolder(*this, choice->FileName);
    platform::LoadPictureFile(Image1->Picture(), choice->FileName);
}

void TForm2::N4Click()
{
    QPrinter printer;
    if (!platform::Dialogs().Print(this, printer)) return;
    // The picture goes through the file, whatever it holds, as real BMP data.
    const QByteArray data = platform::PictureFileData(Image1->Picture(), "bmp");
    if (data.isEmpty()) return;
    const QString path = platform::PrintFilePath();
    platform::WriteFileReplacing(path, data);
    platform::PrintPictureFile(path, printer);
}

void TForm2::N5Click()
{
    const QImage& image = Image1->Picture().Image();
    if (image.isNull()) return;
    QGuiApplication::clipboard()->setImage(image);
}
