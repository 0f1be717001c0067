#include "QtPrinters.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"
#include "platform/PicturePrint.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

TEST(PicturePrint, FitsThePictureToThePageKeepingItsProportions)
{
    struct Case {
        QSize picture;
        QRect page;
        QRect expected;
    };
    const Case cases[] = {
        {{500, 500}, {0, 0, 1000, 2000}, {0, 500, 1000, 1000}},   // square on a tall page: the width decides
        {{500, 250}, {0, 0, 1000, 1000}, {0, 250, 1000, 500}},    // wide
        {{300, 600}, {0, 0, 1000, 1000}, {250, 0, 500, 1000}},    // tall: the height decides
        {{3, 1}, {10, 20, 100, 100}, {10, 53, 100, 33}},          // rounded to the nearest pixel, page offset kept
        {{1000, 1000}, {0, 0, 100, 50}, {25, 0, 50, 50}},         // shrunk as well
        {{0, 10}, {0, 0, 100, 100}, {}},
        {{10, 10}, {0, 0, 0, 100}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.picture));
        EXPECT_EQ(FitToPage(c.picture, c.page), c.expected);
    }
}

TEST(PicturePrint, PrintsTheFileToAPdfPrinter)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("tempgraf.bmp");
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    WriteFileReplacing(picture, EncodeBmp(image));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    PrintPictureFile(picture, printer);
    QFile pdf(dir.filePath("out.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray data = pdf.readAll();
    EXPECT_TRUE(data.startsWith("%PDF"));
    EXPECT_TRUE(data.contains("/Image"));  // the picture is on the page
}

TEST(PicturePrint, TheFileGoesToTheUsersTemporaryFolder)
{
    EXPECT_EQ(PrintFilePath(), QDir::temp().filePath("tempgraf.bmp"));
}
