// Text through the canvas's cache of measured and rendered texts must set the
// very pixels QPainter sets when it shapes and draws the text every time.
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>
#include <random>

using namespace platform;

namespace {

// TextOut as it is when every text goes through QPainter.
void PaintedTextOut(QImage& image, const TCanvas& state, int x, int y, const QString& text)
{
    const QFontMetrics fm(state.Font, &image);
    const QSize ext(fm.horizontalAdvance(text), fm.height());
    if (int64_t(x) + ext.width() <= 0 || x >= image.width() || int64_t(y) + ext.height() <= 0 || y >= image.height())
        return;
    QPainter painter(&image);
    if (state.Brush.Style == TBrushStyle::Solid) painter.fillRect(QRect(QPoint(x, y), ext), ToQColor(state.Brush.Color));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(state.Font);
    painter.setPen(ToQColor(state.FontColor));
    painter.drawText(QPoint(x, y + fm.ascent()), text);
}

QImage Noise(std::mt19937& random, QImage::Format format)
{
    QImage image(60, 40, format);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFFu));
    return image;
}

TEST(CanvasText, CachedTextSetsThePixelsQPainterSets)
{
    std::mt19937 random(11);
    // Vertex letters run through the whole code page, control characters too;
    // a tab's ink is said to lie 100000 pixels away.
    const QString texts[] = {"A", "B", "Y", "X", "-1", "1", "Z27", "jgqy", "Wj_|", "Ї", "AA", "A", "Y",
                             "\t", QString(QChar(0)), QString(QChar(0x1F)), "\r", "A\tB"};
    QFont big(QStringLiteral("DejaVu Sans"));
    big.setPixelSize(23);
    big.setBold(true);
    big.setStyleStrategy(QFont::NoAntialias);
    QFont smooth(QStringLiteral("DejaVu Sans"));  // antialiased: always drawn through QPainter
    smooth.setPixelSize(14);
    const QFont fonts[] = {TCanvas::DefaultFont(), big, smooth};
    int drawn = 0;
    for (const QFont& font : fonts) {
        for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
            for (int k = 0; k < 120; ++k) {
                QImage expected = Noise(random, format);
                const QImage before = expected;
                QImage actual = expected;
                actual.detach();
                TCanvas canvas(&actual);
                canvas.Font = font;
                canvas.FontColor = random() & 0xFFFFFF;
                canvas.Brush.Color = random() & 0xFFFFFF;
                canvas.Brush.Style = random() % 2 ? TBrushStyle::Solid : TBrushStyle::Clear;
                const QString& text = texts[random() % std::size(texts)];
                // Mostly inside, often across an edge.
                const int x = int(random() % 90) - 25;
                const int y = int(random() % 70) - 20;
                SCOPED_TRACE(testing::Message() << font.toString().toStdString() << " " << text.toStdString() << " at "
                                                << x << "," << y << " format " << int(format));
                canvas.TextOut(x, y, text);
                PaintedTextOut(expected, canvas, x, y, text);
                ASSERT_EQ(actual, expected);
                if (actual != before) ++drawn;
            }
        }
    }
    EXPECT_GT(drawn, 0);
}

TEST(CanvasText, ExtentIsTheFontMetrics)
{
    QImage image(10, 10, QImage::Format_RGB32);
    TCanvas canvas(&image);
    for (const QString& text : {QStringLiteral("A"), QStringLiteral("-1"), QStringLiteral("Wj_|"), QString()}) {
        const QFontMetrics fm(canvas.Font, &image);
        EXPECT_EQ(canvas.TextExtent(text), QSize(fm.horizontalAdvance(text), fm.height())) << text.toStdString();
    }
}

}  // namespace
