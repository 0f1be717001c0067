#include "platform/PicturePrint.h"

#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <cstdint>

namespace platform {

QRect FitToPage(QSize picture, const QRect& page)
{
    const int64_t w = picture.width();
    const int64_t h = picture.height();
    const int64_t pw = page.width();
    const int64_t ph = page.height();
    if (w <= 0 || h <= 0 || pw <= 0 || ph <= 0) return {};
    int64_t tw = pw;
    int64_t th = ph;
    if (w * ph >= h * pw)
        th = (h * pw + w / 2) / w;  // the width decides
    else
        tw = (w * ph + h / 2) / h;  // the height decides
    if (tw < 1) tw = 1;
    if (th < 1) th = 1;
    return QRect(page.x() + int((pw - tw) / 2), page.y() + int((ph - th) / 2), int(tw), int(th));
}

QString PrintFilePath() { return QDir::temp().filePath("tempgraf.bmp"); }

void PrintPictureFile(const QString& path, QPrinter& printer)
{
    const TPictureData picture = ReadPictureFile(path);
    QPainter painter;
    if (!painter.begin(&printer)) throw PlatformError(kPrinterNotValid);
    painter.drawImage(FitToPage(picture.Image.size(), painter.viewport()), picture.Image);
    painter.end();
}

}  // namespace platform
