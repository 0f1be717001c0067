#include "DrawingFixture.h"
#include "drawing/PictureFileCommands.h"
#include "platform/PictureFile.h"
#include "platform/PicturePrint.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QTimer>

#include <jpeglib.h>
#include <jerror.h>

using platform::TFileChoice;

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 90));
    return image;
}

// The message of the error the command raised, or "".
template <class F>
std::string ErrorOf(F&& command)
{
    try {
        command();
    } catch (const platform::Error& e) {
        return e.what();
    }
    return {};
}

// A tool's standard output, or "" when it did not run to a clean end.
QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The lines of "pdfimages -list" below its two heading lines: one per image.
QStringList PdfImages(const QString& pdf)
{
    const QString listing = RunTool("pdfimages", {"-list", pdf});
    EXPECT_TRUE(listing.startsWith("page")) << "pdfimages (poppler-utils) did not run";
    QStringList lines = listing.split('\n', Qt::SkipEmptyParts);
    return lines.mid(2);
}

// The pixels of a clearly red stroke, over white or over the black axis.
bool Red(QRgb p) { return qRed(p) > qGreen(p) + 60 && qRed(p) > qBlue(p) + 60; }

// Whether a pixel of that kind lies within one pixel of (x, y).
template <class Is>
bool Near(const QImage& image, int x, int y, Is is)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.rect().contains(x + dx, y + dy) && is(image.pixel(x + dx, y + dy))) return true;
    return false;
}

class PictureFileCommandsTest : public DrawingTest {
protected:
    void SetUp() override
    {
        DrawingTest::SetUp();
        ASSERT_TRUE(dir.isValid());
        // The print file goes to the temporary folder: this test's own.
        savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir.path().toUtf8());
        StoreDefaultTriangle();
        ASSERT_EQ(Construct(), "");
    }
    void TearDown() override
    {
        qputenv("TMPDIR", savedTmp);
        DrawingTest::TearDown();
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
    void Save(const QString& name, int filterIndex)
    {
        dialogs.Files = {TFileChoice{Path(name), filterIndex}};
        Form2->N2Click();
    }
    void Load(const QString& name)
    {
        dialogs.Files = {TFileChoice{Path(name), 1}};
        Form2->N3Click();
    }

    QTemporaryDir dir;
    QByteArray savedTmp;
};

}  // namespace

TEST_F(PictureFileCommandsTest, SaveWritesTheBitmapWithTheFiltersExtension)
{
    const QImage drawing = Surface();
    // A resize by the handles is not in the bitmap until the next clear.
    Form2->Image1->setGeometry(96, 8, 300, 200);
    Save("picture", 1);
    ASSERT_EQ(Files(), QStringList{"picture.bmp"});
    const QImage saved = platform::DecodeBmp(Contents(Path("picture.bmp")));
    EXPECT_EQ(saved.size(), QSize(500, 500));
    EXPECT_EQ(saved, drawing);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].Kind, "save");
    EXPECT_EQ(dialogs.Shown[0].Caption, "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png|*.svg|*.svg 1");

    Save("picture", 2);  // only the JPEG file
    EXPECT_EQ(Files(), (QStringList{"picture.bmp", "picture.jpg"}));
    const QImage jpeg = platform::DecodeJpeg(Contents(Path("picture.jpg")));
    EXPECT_EQ(jpeg.size(), QSize(500, 500));

    Save("picture", 3);
    EXPECT_EQ(platform::DecodePng(Contents(Path("picture.png"))), drawing);
    EXPECT_EQ(dialogs.Shown.back().Caption, "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png|*.svg|*.svg 1");  // always opens on "*.bmp"
}

TEST_F(PictureFileCommandsTest, ATypedPictureExtensionChoosesTheFormatElseTheFilterDoes)
{
    struct Case {
        const char* chosen;
        int filter;
        const char* written;
        const char* format;
    };
    const Case cases[] = {
        {"a", 1, "a.bmp", "bmp"},
        {"b.bmp", 1, "b.bmp", "bmp"},
        {"c.BMP", 1, "c.BMP", "bmp"},
        {"trikutnyk.jpg", 1, "trikutnyk.jpg", "jpg"},
        {"e", 2, "e.jpg", "jpg"},
        {"f.JPG", 2, "f.JPG", "jpg"},
        {"g.jpeg", 2, "g.jpeg", "jpg"},
        {"h", 3, "h.png", "png"},
        {"i.Png", 3, "i.Png", "png"},
        {"j.png", 1, "j.png", "png"},
        {"k.Jpeg", 3, "k.Jpeg", "jpg"},
        {"l.bmp", 2, "l.bmp", "bmp"},
        {"x.gif", 1, "x.gif.bmp", "bmp"},
        {"y.jpg.txt", 2, "y.jpg.txt.jpg", "jpg"},
        {"m", 4, "m.svg", "svg"},
        {"n.SVG", 1, "n.SVG", "svg"},
        {"o.svg.png", 4, "o.svg.png", "png"},
    };
    const std::pair<const char*, QByteArray> signatures[] = {
        {"bmp", "BM"}, {"jpg", "\xFF\xD8\xFF"}, {"png", "\x89PNG"}, {"svg", "<?xml"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const TSaveTarget target = SaveTarget(c.chosen, c.filter);
        EXPECT_EQ(target.FileName, c.written);
        EXPECT_EQ(target.Extension, c.format);
        Save(c.chosen, c.filter);
        const QByteArray data = Contents(Path(c.written));
        for (const auto& [format, signature] : signatures)
            EXPECT_EQ(data.startsWith(signature), std::string(format) == c.format) << format;
    }
    EXPECT_EQ(size_t(Files().size()), std::size(cases));  // nothing else was written
    EXPECT_EQ(SaveTarget("x", 5).FileName, "");
    EXPECT_EQ(SaveTarget("x.png", 5).FileName, "x.png");

    // The save dialog asks before replacing the name that will be written.
    ASSERT_TRUE(dialogs.LastSaveTarget);
    EXPECT_EQ(dialogs.LastSaveTarget(TFileChoice{Path("a"), 1}), Path("a.bmp"));
    EXPECT_EQ(dialogs.LastSaveTarget(TFileChoice{Path("a.jpg"), 1}), Path("a.jpg"));
    EXPECT_EQ(dialogs.LastSaveTarget(TFileChoice{Path("a.gif"), 2}), Path("a.gif.jpg"));
}

TEST_F(PictureFileCommandsTest, CancelledDialogsChangeNothing)
{
    const QImage drawing = Surface();
    Form2->N2Click();
    Form2->N3Click();
    Form2->N4Click();
    EXPECT_EQ(dialogs.Shown.size(), 3u);
    EXPECT_TRUE(Files().isEmpty());
    EXPECT_EQ(Surface(), drawing);
    EXPECT_EQ(Form2->PictureFolder, "");
}

TEST_F(PictureFileCommandsTest, LoadReadsEachFormatAndEveryPictureCanBeDrawnOn)
{
    const QImage drawing = Surface();
    Save("drawn", 1);
    Save("drawn", 3);
    const QByteArray jpeg = platform::EncodeJpeg(Gradient(120, 80), 90);
    platform::WriteFileReplacing(Path("photo.JPEG"), jpeg);

    Load("photo.JPEG");
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Jpeg);
    EXPECT_EQ(Surface().size(), QSize(120, 80));
    EXPECT_EQ(Form2->Image1->size(), QSize(500, 500));  // the control keeps its size

    // Until something is drawn, saved as JPEG its data are written again
    // unchanged; as BMP it is real BMP data.
    Save("again", 2);
    EXPECT_EQ(Contents(Path("again.jpg")), jpeg);
    Save("again", 1);
    EXPECT_EQ(platform::DecodeBmp(Contents(Path("again.bmp"))), platform::DecodeJpeg(jpeg));

    // Drawing on it makes it a bitmap, saved afresh.
    EXPECT_EQ(Construct(), "");
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
    EXPECT_EQ(Surface(), drawing);
    Save("drawn-over", 2);
    EXPECT_NE(Contents(Path("drawn-over.jpg")), jpeg);
    EXPECT_EQ(platform::DecodeJpeg(Contents(Path("drawn-over.jpg"))).size(), QSize(500, 500));

    Load("drawn.bmp");
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
    EXPECT_EQ(Surface(), drawing);

    Load("photo.JPEG");
    Load("drawn.png");
    EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
    EXPECT_EQ(Surface(), drawing);
}

TEST_F(PictureFileCommandsTest, AFailedLoadSaysWhyAndKeepsThePicture)
{
    const QByteArray bmp = platform::EncodeBmp(Gradient(20, 20));
    platform::WriteFileReplacing(Path("damaged.bmp"), bmp.left(bmp.size() - 10));
    platform::WriteFileReplacing(Path("damaged.jpg"), platform::EncodeJpeg(Gradient(64, 64), 90).left(300));
    platform::WriteFileReplacing(Path("picture.gif"), "GIF89a");
    const QImage drawing = Surface();
    const std::pair<const char*, std::string> cases[] = {
        {"damaged.bmp", "Bitmap image is not valid"},
        {"damaged.jpg", "JPEG error #" + std::to_string(JWRN_JPEG_EOF)},
        {"missing.bmp", "Cannot open file \"" + Path("missing.bmp").toStdString() + "\". No such file or directory"},
        {"picture.gif", "Unknown picture file extension (.gif)"},
    };
    for (const auto& [name, message] : cases) {
        SCOPED_TRACE(name);
        dialogs.Files = {TFileChoice{Path(name), 1}};
        EXPECT_EQ(ErrorOf([] { Form2->N3Click(); }), message);
        EXPECT_EQ(Form2->Image1->Picture().GraphicKind(), platform::TPicture::Kind::Bitmap);
        EXPECT_EQ(Surface(), drawing);
    }
}

TEST_F(PictureFileCommandsTest, PrintWritesTheTemporaryBitmapAndPrintsTheDrawingAsVectors)
{
    dialogs.Prints = {true, true, true, true};
    dialogs.PrintToPdf = Path("printed.pdf");
    Form2->N4Click();
    const QString tempgraf = platform::PrintFilePath();
    EXPECT_EQ(tempgraf, Path("tempgraf.bmp"));
    EXPECT_EQ(platform::DecodeBmp(Contents(tempgraf)), Surface());
    const QByteArray pdf = Contents(Path("printed.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // Lines, circles and letters only: no raster image at all, and the letters as text.
    EXPECT_EQ(PdfImages(Path("printed.pdf")), QStringList());
    const QString text = RunTool("pdftotext", {Path("printed.pdf"), "-"});
    for (const char* letter : {"A", "B", "C", "X", "Y", "-1"}) EXPECT_TRUE(text.contains(letter)) << letter;

    // A loaded picture is the one image, kept without loss; a JPEG picture is
    // printed from real BMP data.
    platform::WriteFileReplacing(Path("photo.bmp"), platform::EncodeBmp(Gradient(30, 10)));
    Load("photo.bmp");
    Form2->N4Click();
    EXPECT_EQ(platform::DecodeBmp(Contents(tempgraf)), Gradient(30, 10));
    const QStringList images = PdfImages(Path("printed.pdf"));
    ASSERT_EQ(images.size(), 1);
    const QStringList fields = images[0].split(' ', Qt::SkipEmptyParts);
    ASSERT_GE(fields.size(), 10);
    EXPECT_EQ(fields[3], "30");        // width
    EXPECT_EQ(fields[4], "10");        // height
    EXPECT_NE(fields[8], "jpeg");      // encoding
    EXPECT_NE(fields[8], "jpx");

    const QByteArray jpeg = platform::EncodeJpeg(Gradient(30, 10), 90);
    platform::WriteFileReplacing(Path("photo.jpg"), jpeg);
    Load("photo.jpg");
    Form2->N4Click();
    EXPECT_EQ(platform::DecodeBmp(Contents(tempgraf)), platform::DecodeJpeg(jpeg));

    // A printer that can't start says so.
    dialogs.PrintToPdf = Path("no/such/folder/printed.pdf");
    EXPECT_EQ(ErrorOf([] { Form2->N4Click(); }), "Printer selected is not valid");
}

TEST_F(PictureFileCommandsTest, SvgOfTheTriangleDrawsItsSidesWhereTheBitmapHasThem)
{
    Save("triangle", 4);
    const QByteArray svg = Contents(Path("triangle.svg"));
    QXmlStreamReader xml(svg);
    int elements = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement) ++elements;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(elements, 5);
    EXPECT_FALSE(svg.contains("<image"));  // nothing but shapes and text

    // Another renderer draws it at the picture's size.
    RunTool("rsvg-convert", {"-o", Path("triangle-rsvg.png"), Path("triangle.svg")});
    const QImage rendered = QImage(Path("triangle-rsvg.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(rendered.size(), QSize(500, 500)) << "rsvg-convert (librsvg2-bin) did not run";
    const QImage& bitmap = Surface();
    int redPixels = 0;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 500; ++x) {
            if (Red(bitmap.pixel(x, y))) {
                ++redPixels;
                EXPECT_TRUE(Near(rendered, x, y, Red)) << "side missing at " << x << ", " << y;
            }
            if (Red(rendered.pixel(x, y))) {
                EXPECT_TRUE(Near(bitmap, x, y, Red)) << "side astray at " << x << ", " << y;
            }
        }
    EXPECT_GT(redPixels, 800);  // the three sides were there to compare
}

TEST_F(PictureFileCommandsTest, CopyPutsThePictureOnTheClipboard)
{
    Form2->N5Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Surface());
    // The drawing as SVG beside it.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->data("image/svg+xml").startsWith("<?xml"));

    const QByteArray jpeg = platform::EncodeJpeg(Gradient(30, 10), 90);
    platform::WriteFileReplacing(Path("photo.jpg"), jpeg);
    Load("photo.jpg");
    Form2->N5Click();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), platform::DecodeJpeg(jpeg));
}

TEST_F(PictureFileCommandsTest, DialogsStartInThePicturesFolderThenInTheFolderLastUsed)
{
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(".config").toUtf8());
    EXPECT_EQ(InitialPictureFolder(), dir.path());  // no pictures folder: home
    QDir(dir.path()).mkdir("Pictures");
    EXPECT_EQ(InitialPictureFolder(), dir.filePath("Pictures"));

    QDir(dir.path()).mkdir("work");
    dialogs.Files = {TFileChoice{dir.filePath("work/one"), 1}};
    Form2->N2Click();
    dialogs.Files = {TFileChoice{Path("drawn.bmp"), 1}};
    EXPECT_EQ(ErrorOf([] { Form2->N3Click(); }).rfind("Cannot open file", 0), 0u);
    Form2->N2Click();  // cancelled
    qputenv("HOME", savedHome);
    qunsetenv("XDG_CONFIG_HOME");

    ASSERT_EQ(dialogs.Shown.size(), 3u);
    EXPECT_EQ(dialogs.Shown[0].Text, dir.filePath("Pictures"));
    EXPECT_EQ(dialogs.Shown[1].Kind, "open");
    EXPECT_EQ(dialogs.Shown[1].Text, dir.filePath("work"));
    EXPECT_EQ(dialogs.Shown[2].Text, dir.path());  // the folder of the file opened last
}

TEST_F(PictureFileCommandsTest, TheOpenDialogOpensOnEveryTypeItReads)
{
    ErrorOf([this] { Load("none.bmp"); });  // scripted: only the filters it was shown matter here
    ASSERT_EQ(dialogs.Shown.back().Kind, "open");
    EXPECT_EQ(dialogs.Shown.back().Caption,
              "*.bmp|*.bmp|*.jpg|*.jpg|*.png|*.png|Усі малюнки|*.bmp *.jpg *.jpeg *.png 4");
    dialogs.Shown.clear();

    // The real dialog: the fourth filter is selected, and a JPEG under it opens.
    const QByteArray jpeg = platform::EncodeJpeg(Gradient(30, 20), 90);
    platform::WriteFileReplacing(Path("photo.jpeg"), jpeg);
    platform::SetDialogHost(nullptr);
    QStringList filters;
    QString selected;
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [&, timer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        filters = dialog->nameFilters();
        selected = dialog->selectedNameFilter();
        dialog->selectFile(Path("photo.jpeg"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    timer->start(10);
    Form2->N3Click();
    platform::SetDialogHost(&dialogs);

    EXPECT_EQ(filters, (QStringList{"*.bmp (*.bmp)", "*.jpg (*.jpg)", "*.png (*.png)",
                                    "Усі малюнки (*.bmp *.jpg *.jpeg *.png)"}));
    EXPECT_EQ(selected, "Усі малюнки (*.bmp *.jpg *.jpeg *.png)");
    EXPECT_EQ(Form2->Image1->Picture().JpegData(), jpeg);
}
