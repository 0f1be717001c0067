#include "QtPrinters.h"
#include "platform/Errors.h"
#include "platform/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
#include <sys/resource.h>
#include <vector>

using namespace platform;

namespace {

// Every pixel different, an odd width so that BMP rows need padding.
QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 37 % 256, y * 59 % 256, (x * y + 11) % 256));
    return image;
}

// Smooth colours, which JPEG keeps close.
QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
    return image;
}

uint32_t U32(const QByteArray& d, int at)
{
    return uint8_t(d[at]) | uint8_t(d[at + 1]) << 8 | uint8_t(d[at + 2]) << 16 | uint32_t(uint8_t(d[at + 3])) << 24;
}
uint32_t U16(const QByteArray& d, int at) { return uint8_t(d[at]) | uint8_t(d[at + 1]) << 8; }

// The message of the PlatformError the action raises, or "".
template <class F>
std::string ErrorOf(F&& action)
{
    try {
        action();
    } catch (const PlatformError& e) {
        return e.what();
    }
    return {};
}

std::string JpegError(int code) { return "JPEG error #" + std::to_string(code); }

// A BMP file by hand: 14-byte file header, then the info header, palette and rows.
QByteArray Bmp(const QByteArray& infoHeader, const QByteArray& palette, const QByteArray& rows)
{
    QByteArray file("BM");
    auto put32 = [](QByteArray& out, uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xFF));
    };
    const uint32_t offset = uint32_t(14 + infoHeader.size() + palette.size());
    put32(file, offset + uint32_t(rows.size()));
    put32(file, 0);
    put32(file, offset);
    return file + infoHeader + palette + rows;
}

QByteArray Info40(int32_t w, int32_t h, int bpp, uint32_t compression, uint32_t coloursUsed = 0)
{
    QByteArray out;
    auto put = [&](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.append(char((v >> (8 * i)) & 0xFF));
    };
    put(40, 4);
    put(uint32_t(w), 4);
    put(uint32_t(h), 4);
    put(1, 2);
    put(uint32_t(bpp), 2);
    put(compression, 4);
    put(0, 4);
    put(0, 4);
    put(0, 4);
    put(coloursUsed, 4);
    put(0, 4);
    return out;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values) out.append(char(v));
    return out;
}

// A flat grey progressive JPEG, arithmetic coded, whose last scan is repeated:
// the decoder takes a repeated scan (with a warning) and goes over the whole
// picture again for each, while each copy costs the file only a few bytes.
QByteArray RepeatedScanJpeg(int width, int height, int repeats)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    info.arith_code = TRUE;
    jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width), 128);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray file(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    const qsizetype end = file.size() - 2;  // the end-of-image marker
    const qsizetype lastScan = file.lastIndexOf(QByteArray("\xFF\xDA", 2));
    return file.left(end) + file.mid(lastScan, end - lastScan).repeated(repeats) + file.mid(end);
}

}  // namespace

TEST(PictureFile, BmpIsTheStandardUncompressedLayoutAndReadsBackExactly)
{
    const QImage image = Pattern(7, 3);
    const QByteArray bmp = EncodeBmp(image);
    const int rowBytes = 24;  // 7 * 3 = 21, padded to 24
    ASSERT_EQ(bmp.size(), 54 + rowBytes * 3);
    EXPECT_EQ(bmp.left(2), "BM");
    EXPECT_EQ(U32(bmp, 2), uint32_t(bmp.size()));
    EXPECT_EQ(U32(bmp, 10), 54u);  // pixels right after the headers
    EXPECT_EQ(U32(bmp, 14), 40u);  // info header size
    EXPECT_EQ(U32(bmp, 18), 7u);
    EXPECT_EQ(U32(bmp, 22), 3u);  // positive height: bottom-up
    EXPECT_EQ(U16(bmp, 26), 1u);
    EXPECT_EQ(U16(bmp, 28), 24u);
    EXPECT_EQ(U32(bmp, 30), 0u);  // uncompressed
    // The first row stored is the bottom one, blue-green-red, then zero padding.
    const QRgb bottomLeft = image.pixel(0, 2);
    EXPECT_EQ(uint8_t(bmp[54]), qBlue(bottomLeft));
    EXPECT_EQ(uint8_t(bmp[55]), qGreen(bottomLeft));
    EXPECT_EQ(uint8_t(bmp[56]), qRed(bottomLeft));
    EXPECT_EQ(bmp.mid(54 + 21, 3), QByteArray(3, '\0'));

    EXPECT_EQ(DecodeBmp(bmp), image);
    // What other programs read agrees.
    EXPECT_EQ(QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB32), image);
}

TEST(PictureFile, BmpReaderTakesTheCommonVariants)
{
    struct Case {
        const char* name;
        QByteArray file;
        QImage expected;
    };
    QImage twoByTwo(2, 2, QImage::Format_RGB32);
    twoByTwo.setPixel(0, 0, qRgb(255, 0, 0));
    twoByTwo.setPixel(1, 0, qRgb(0, 0, 255));
    twoByTwo.setPixel(0, 1, qRgb(0, 255, 0));
    twoByTwo.setPixel(1, 1, qRgb(255, 255, 255));

    const QByteArray palette = Bytes({0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0});  // BGRx
    QByteArray core = Bytes({12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 1, 0});  // 2 x 2, 1 bit
    QImage blackWhite(2, 2, QImage::Format_RGB32);
    blackWhite.fill(qRgb(0, 0, 0));
    blackWhite.setPixel(1, 0, qRgb(255, 255, 255));
    blackWhite.setPixel(0, 1, qRgb(255, 255, 255));

    const Case cases[] = {
        {"8-bit palette, rows top-down",
         Bmp(Info40(2, -2, 8, 0, 4), palette, Bytes({0, 1, 0, 0, 2, 3, 0, 0})), twoByTwo},
        {"16-bit 5-6-5 bit fields",
         Bmp(Info40(2, 2, 16, 3), Bytes({0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}),
             Bytes({0xE0, 0x07, 0xFF, 0xFF, 0x00, 0xF8, 0x1F, 0x00})),
         twoByTwo},
        {"32-bit, no bit fields", Bmp(Info40(2, 2, 32, 0), {}, Bytes({0, 255, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 255, 0, 0, 0})),
         twoByTwo},
        {"old core header, 1 bit", Bmp(core, Bytes({0, 0, 0, 255, 255, 255}), Bytes({0x80, 0, 0, 0, 0x40, 0, 0, 0})),
         blackWhite},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecodeBmp(c.file), c.expected);
    }
}

TEST(PictureFile, DamagedBmpIsNotValid)
{
    const QByteArray good = EncodeBmp(Pattern(5, 4));
    QByteArray badMagic = good;
    badMagic[0] = 'X';
    QByteArray badDepth = good;
    badDepth[28] = 7;
    QByteArray rle = good;
    rle[30] = 1;
    QByteArray zeroWidth = good;
    zeroWidth[18] = 0;
    QByteArray huge = good;
    huge[20] = 0x7F;  // a width of millions
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", {}},
        {"header only", good.left(30)},
        {"rows cut short", good.left(good.size() - 1)},
        {"not BM", badMagic},
        {"7 bits per pixel", badDepth},
        {"run-length compressed", rle},
        {"zero width", zeroWidth},
        {"huge", huge},
        {"more colours than the depth holds", Bmp(Info40(1, 1, 1, 0, 3), QByteArray(12, '\0'), QByteArray(4, '\0'))},
    };
    for (const auto& [name, data] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ErrorOf([&] { DecodeBmp(data); }), "Bitmap image is not valid");
    }
}

TEST(PictureFile, JpegIsBaselineColourQuality90AndReadsBackClose)
{
    const QImage image = Gradient(64, 48);
    const QByteArray jpeg = EncodeJpeg(image, 90);
    ASSERT_GT(jpeg.size(), 20);
    EXPECT_EQ(uint8_t(jpeg[0]), 0xFF);
    EXPECT_EQ(uint8_t(jpeg[1]), 0xD8);
    EXPECT_EQ(jpeg.mid(6, 5), QByteArray("JFIF\0", 5));

    // Walk the markers up to the scan.
    bool baseline = false;
    bool progressive = false;
    int components = 0;
    QByteArray lumaTable;
    int at = 2;
    while (at + 4 <= jpeg.size() && uint8_t(jpeg[at]) == 0xFF) {
        const uint8_t marker = uint8_t(jpeg[at + 1]);
        const int length = int(uint8_t(jpeg[at + 2])) << 8 | uint8_t(jpeg[at + 3]);
        if (marker == 0xC0) {
            baseline = true;
            components = uint8_t(jpeg[at + 9]);
        }
        if (marker == 0xC2) progressive = true;
        if (marker == 0xDB && uint8_t(jpeg[at + 4]) == 0x00) lumaTable = jpeg.mid(at + 5, 64);
        if (marker == 0xDA) break;
        at += 2 + length;
    }
    EXPECT_TRUE(baseline);
    EXPECT_FALSE(progressive);
    EXPECT_EQ(components, 3);
    // The standard luminance table scaled for quality 90 (factor 20 %), in zigzag order.
    static const int kLuma[64] = {16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
                                  14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
                                  18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
                                  49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
    static const int kZigzag[64] = {0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};
    ASSERT_EQ(lumaTable.size(), 64);
    for (int i = 0; i < 64; ++i) {
        const int expected = std::clamp((kLuma[kZigzag[i]] * 20 + 50) / 100, 1, 255);
        EXPECT_EQ(uint8_t(lumaTable[i]), expected) << i;
    }

    const QImage back = DecodeJpeg(jpeg);
    ASSERT_EQ(back.size(), image.size());
    int worst = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb a = image.pixel(x, y);
            const QRgb b = back.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 8);
}

TEST(PictureFile, DamagedJpegGivesLibjpegsMessageNumber)
{
    const QByteArray good = EncodeJpeg(Gradient(64, 48), 90);
    const std::pair<const char*, std::pair<QByteArray, int>> cases[] = {
        {"empty", {{}, JERR_INPUT_EMPTY}},
        {"not a JPEG file", {QByteArray("BM not a jpeg at all"), JERR_NO_SOI}},
        {"cut off in the scan", {good.left(good.size() / 2), JWRN_JPEG_EOF}},
    };
    for (const auto& [name, c] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ErrorOf([&] { DecodeJpeg(c.first); }), JpegError(c.second));
    }
}

TEST(PictureFile, RepeatedScansCannotKeepTheJpegDecoderBusy)
{
    // 2048 x 2048 is 65536 blocks a scan, so 512 scans fit the cap. A hundred
    // repeats load as before; 600 (7 KB of file) are refused, where they took
    // seconds and a megabyte of them an hour.
    const QImage image = DecodeJpeg(RepeatedScanJpeg(2048, 2048, 100));
    EXPECT_EQ(image.size(), QSize(2048, 2048));
    EXPECT_EQ(image.pixel(2047, 2047), qRgb(128, 128, 128));
    EXPECT_EQ(ErrorOf([&] { DecodeJpeg(RepeatedScanJpeg(2048, 2048, 600)); }), JpegError(JERR_IMAGE_TOO_BIG));
}

TEST(PictureFile, PngReadsBackExactly)
{
    const QImage image = Pattern(9, 5);
    const QByteArray png = EncodePng(image);
    EXPECT_EQ(png.mid(1, 3), "PNG");
    EXPECT_EQ(DecodePng(png), image);
    EXPECT_EQ(ErrorOf([&] { DecodePng(png.left(png.size() / 2)); }), "PNG image is not valid");
    EXPECT_EQ(ErrorOf([&] { DecodePng("no png"); }), "PNG image is not valid");
}

TEST(PictureFile, TheExtensionChoosesTheDecoder)
{
    const QImage image = Pattern(4, 4);
    const QByteArray bmp = EncodeBmp(image);
    const QByteArray jpeg = EncodeJpeg(image, 90);
    const QByteArray png = EncodePng(image);
    struct Case {
        const char* extension;
        const QByteArray* data;
        TPicture::Kind kind;
    };
    const Case cases[] = {
        {"bmp", &bmp, TPicture::Kind::Bitmap}, {"BMP", &bmp, TPicture::Kind::Bitmap},
        {"jpg", &jpeg, TPicture::Kind::Jpeg},  {"JPEG", &jpeg, TPicture::Kind::Jpeg},
        {"Png", &png, TPicture::Kind::Bitmap},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.extension);
        const TPictureData read = DecodePicture(*c.data, c.extension);
        EXPECT_EQ(read.Kind, c.kind);
        EXPECT_EQ(read.Image.size(), QSize(4, 4));
        EXPECT_EQ(read.JpegData, c.kind == TPicture::Kind::Jpeg ? jpeg : QByteArray());
    }
    EXPECT_EQ(ErrorOf([&] { DecodePicture(bmp, "gif"); }), "Unknown picture file extension (.gif)");
    EXPECT_EQ(ErrorOf([&] { DecodePicture(bmp, "jpg"); }), JpegError(JERR_NO_SOI));  // by name, not content
}

TEST(PictureFile, ReadingAFileReportsTheFileFirstOrTheExtension)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.bmp");
    EXPECT_EQ(ErrorOf([&] { ReadPictureFile(missing); }),
              "Cannot open file \"" + missing.toStdString() + "\". No such file or directory");
    // An unknown extension is refused before the file is looked for.
    EXPECT_EQ(ErrorOf([&] { ReadPictureFile(dir.filePath("missing.gif")); }), "Unknown picture file extension (.gif)");
    EXPECT_EQ(ErrorOf([&] { ReadPictureFile(dir.filePath("noextension")); }), "Unknown picture file extension (.)");
    QDir(dir.path()).mkdir("folder.bmp");
    EXPECT_EQ(ErrorOf([&] { ReadPictureFile(dir.filePath("folder.bmp")); }),
              "Cannot open file \"" + dir.filePath("folder.bmp").toStdString() + "\". Is a directory");
}

TEST(PictureFile, LoadingReplacesThePictureOnlyAfterACompleteRead)
{
    QTemporaryDir dir;
    TPicture picture;
    picture.AssignBitmap(Pattern(3, 3));
    const QString damaged = dir.filePath("damaged.bmp");
    WriteFileReplacing(damaged, EncodeBmp(Pattern(6, 6)).left(70));
    EXPECT_EQ(ErrorOf([&] { LoadPictureFile(picture, damaged); }), "Bitmap image is not valid");
    EXPECT_EQ(picture.Image(), Pattern(3, 3));

    const QString photo = dir.filePath("photo.JPG");
    const QByteArray jpeg = EncodeJpeg(Gradient(16, 8), 90);
    WriteFileReplacing(photo, jpeg);
    LoadPictureFile(picture, photo);
    EXPECT_EQ(picture.GraphicKind(), TPicture::Kind::Jpeg);
    EXPECT_EQ(picture.JpegData(), jpeg);
    EXPECT_EQ(picture.Image().size(), QSize(16, 8));
}

TEST(PictureFile, FileDataForEachExtension)
{
    TPicture picture;
    EXPECT_TRUE(PictureFileData(picture, "bmp").isEmpty());  // nothing drawn
    picture.AssignBitmap(Pattern(5, 2));
    EXPECT_EQ(PictureFileData(picture, "bmp"), EncodeBmp(Pattern(5, 2)));
    EXPECT_EQ(DecodePng(PictureFileData(picture, "png")), Pattern(5, 2));
    EXPECT_EQ(PictureFileData(picture, "jpg"), EncodeJpeg(Pattern(5, 2), 90));

    // A JPEG image keeps its own data as JPEG and becomes real BMP data as BMP.
    const QByteArray jpeg = EncodeJpeg(Gradient(16, 8), 75);
    const QImage decoded = DecodeJpeg(jpeg);
    picture.AssignJpeg(jpeg, decoded);
    EXPECT_EQ(PictureFileData(picture, "jpg"), jpeg);
    EXPECT_EQ(DecodeBmp(PictureFileData(picture, "bmp")), decoded);
}

TEST(PictureFile, WritingReplacesAFileOnlyWhenTheWholeWriteSucceeded)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    WriteFileReplacing(path, "old contents");
    WriteFileReplacing(path, "new");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
    file.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"picture.bmp"});  // no temporary left

    // A write that fails half way (here the file size limit, which binds root too)
    // leaves the old file as it was.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string error = ErrorOf([&] { WriteFileReplacing(path, QByteArray(5000, 'x')); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(error.rfind("Cannot create file \"" + path.toStdString() + "\". ", 0), 0u) << error;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"picture.bmp"});

    const QString nowhere = dir.filePath("no/such/folder/picture.bmp");
    EXPECT_EQ(ErrorOf([&] { WriteFileReplacing(nowhere, "x"); }).rfind("Cannot create file \"" + nowhere.toStdString() + "\". ", 0), 0u);
}
