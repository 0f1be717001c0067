#include "platform/SceneExport.h"

#include "platform/Errors.h"
#include "platform/PicturePrint.h"

#include <QBuffer>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace platform {

QByteArray SceneSvg(const TScene& scene)
{
    if (scene.Size().isEmpty()) return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(scene.Size());

    svg.setViewBox(QRect(QPoint(0, 0), scene.Size()));
    {
        QPainter painter;
        if (!painter.begin(&svg)) return {};
        scene.Render(painter, QRectF(QPointF(0, 0), QSizeF(scene.Size())));
    }
    // The generator gives the size in millimetres, rounded; the picture's size in
    // pixels is what a viewer should show.
    QString text = QString::fromUtf8(buffer.data());
    static const QRegularExpression width(QStringLiteral("<svg width=\"[^\"]*\" height=\"[^\"]*\""));
    text.replace(width, QStringLiteral("<svg width=\"%1\" height=\"%2\"").arg(scene.Size().width()).arg(scene.Size().height()));
    return text.toUtf8();
}

void PrintScene(const TScene& scene, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) throw PlatformError(kPrinterNotValid);
    const QRect box = FitToPage(scene.Size(), painter.viewport());
    if (!box.isEmpty()) scene.Render(painter, box);
    painter.end();
}

}  // namespace platform
