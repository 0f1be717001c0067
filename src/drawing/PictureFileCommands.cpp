// The drawing window's menu "Файл": save, load, print and copy the picture.
#include "drawing/PictureFileCommands.h"

#include "drawing/Form2.h"
#include "drawing/LatticeOverlay.h"
#include "platform/Dialogs.h"
#include "platform/Image.h"
#include "platform/PictureFile.h"
#include "platform/PicturePrint.h"
#include "platform/SceneExport.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>
#include <QStandardPaths>

QString FilterExtension(int filterIndex)
{
    switch (filterIndex) {
    case 1: return "bmp";
    case 2: return "jpg";
    case 3: return "png";
    case 4: return "svg";
    default: return {};
    }
}

TSaveTarget SaveTarget(const QString& chosen, int filterIndex)
{
    struct Typed {
        const char* suffix;
        const char* format;
    };
    static constexpr Typed kTyped[] = {{".bmp", "bmp"}, {".jpg", "jpg"}, {".jpeg", "jpg"}, {".png", "png"}, {".svg", "svg"}};
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
    const auto targetName = [](const platform::TFileChoice& choice) {
        return SaveTarget(choice.FileName, choice.FilterIndex).FileName;
    };
    const std::optional<platform::TFileChoice> choice =
        platform::Dialogs().SaveFile(this, kPictureFilter, 1, StartFolder(*this), targetName);
    if (!choice) return;
    RememberFolder(*this, choice->FileName);
    const TSaveTarget target = SaveTarget(choice->FileName, choice->FilterIndex);
    if (target.FileName.isEmpty()) return;
    const platform::TPicture& picture = Image1->Picture();
    const QByteArray data = target.Extension == "svg" ? platform::SceneSvg(picture.Scene())
                                                      : platform::PictureFileData(picture, target.Extension);
    if (data.isEmpty()) return;  // nothing drawn, nothing to write
    platform::WriteFileReplacing(target.FileName, data);
}

void TForm2::N3Click()
{
    const std::optional<platform::TFileChoice> choice =
        platform::Dialogs().OpenFile(this, kOpenPictureFilter, kOpenAllPicturesIndex, StartFolder(*this));
    if (!choice) return;
    RememberFolder(*this, choice->FileName);
    platform::LoadPictureFile(Image1->Picture(), choice->FileName);
    LatticeOverlay->hide();  // marks of the last construction, not of this picture
}

void TForm2::N4Click()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!platform::Dialogs().Print(this, printer)) return;
    // Every print leaves the picture's real BMP data in the print file, whatever it holds.
    const QByteArray data = platform::PictureFileData(Image1->Picture(), "bmp");
    if (data.isEmpty()) return;
    platform::WriteFileReplacing(platform::PrintFilePath(), data);
    // The page shows the drawing replayed at the printer's resolution: sharp lines
    // and letters where the bitmap would be stretched.
    platform::PrintScene(Image1->Picture().Scene(), printer);
}

void TForm2::N5Click()
{
    const QImage& image = Image1->Picture().Image();
    if (image.isNull()) return;
    // The bitmap, and beside it the drawing as SVG for programs that paste vectors.
    auto* data = new QMimeData;
    data->setImageData(image);
    const QByteArray svg = platform::SceneSvg(Image1->Picture().Scene());
    if (!svg.isEmpty()) data->setData("image/svg+xml", svg);
    QGuiApplication::clipboard()->setMimeData(data);
}
