// Writes the seeds of picture_load into the folder given: tiny pictures in the
// layouts the loaders take (BMP of every depth and header, baseline, progressive
// and arithmetic-coded JPEG, PNG of several colour types), a few damaged ones and
// one of an unknown extension. Each seed is the extension's byte, then the file.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/Errors.h"
#include "platform/PictureFile.h"

namespace {

// Indices into picture_load's list of extensions.
enum class Ext : char { bmp = 0, BMP = 1, Bmp = 2, jpg = 3, JPG = 4, Jpg = 5, jpeg = 6, JPEG = 7, Jpeg = 8,
                        png = 9, PNG = 10, Png = 11, gif = 12 };

constexpr const char* kExtensions[] = {"bmp", "BMP",  "Bmp",  "jpg", "JPG", "Jpg", "jpeg",
                                       "JPEG", "Jpeg", "png", "PNG", "Png", "gif"};

QString folder;

// Writes the seed, after checking that a picture loads from it exactly when its
// name says it should ("damaged-" and "unknown-" ones must not).
void Seed(const char* name, Ext extension, const QByteArray& file)
{
    const bool shouldLoad = !QByteArray(name).startsWith("damaged-") && !QByteArray(name).startsWith("unknown-");
    bool loads = true;
    try {
        const platform::TPictureData picture = platform::DecodePicture(file, kExtensions[int(extension)]);
        loads = !picture.Image.isNull();
    } catch (const platform::PlatformError&) {
        loads = false;
    }
    if (loads != shouldLoad) {
        std::fprintf(stderr, "%s %s\n", name, loads ? "loads" : "does not load");
        std::exit(1);
    }
    QFile out(folder + "/" + name);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(QByteArray(1, char(extension)) + file) != file.size() + 1) {
        std::fprintf(stderr, "cannot write %s\n", name);
        std::exit(1);
    }
}

void Put(QByteArray& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.append(char((value >> (8 * i)) & 0xFF));
}

QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 53 % 256, y * 97 % 256, (x * y * 31 + 11) % 256));
    return image;
}

// ---- BMP ----------------------------------------------------------------------

QByteArray Bmp(const QByteArray& header, const QByteArray& palette, const QByteArray& rows)
{
    QByteArray file("BM");
    const uint32_t offset = uint32_t(14 + header.size() + palette.size());
    Put(file, offset + uint32_t(rows.size()), 4);
    Put(file, 0, 4);
    Put(file, offset, 4);
    return file + header + palette + rows;
}

QByteArray Info(uint32_t size, int32_t w, int32_t h, int bits, uint32_t compression, uint32_t colours,
                std::initializer_list<uint32_t> masks = {})
{
    QByteArray out;
    Put(out, size, 4);
    Put(out, uint32_t(w), 4);
    Put(out, uint32_t(h), 4);
    Put(out, 1, 2);
    Put(out, uint32_t(bits), 2);
    Put(out, compression, 4);
    Put(out, 0, 4);
    Put(out, 2835, 4);
    Put(out, 2835, 4);
    Put(out, colours, 4);
    Put(out, 0, 4);
    for (uint32_t m : masks) Put(out, m, 4);
    out.append(QByteArray(int(size) - out.size() > 0 ? int(size) - out.size() : 0, '\0'));
    return out;
}

QByteArray Palette(int count, int entryBytes)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        out.append(char(i * 40));
        out.append(char(255 - i * 30));
        out.append(char(i * 90));
        if (entryBytes == 4) out.append('\0');
    }
    return out;
}

// Rows of w x h pixels, each value from the function, packed at the depth and
// padded to 4 bytes.
QByteArray Rows(int w, int h, int bits, const std::function<uint32_t(int, int)>& value)
{
    QByteArray out;
    const int rowBytes = (w * bits + 31) / 32 * 4;
    for (int y = 0; y < h; ++y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < w; ++x) {
            const uint32_t v = value(x, y);
            if (bits < 8) {
                const int bit = x * bits;
                row[bit / 8] = char(uint8_t(row[bit / 8]) | (v << (8 - bits - bit % 8)));
            } else {
                for (int i = 0; i < bits / 8; ++i) row[x * bits / 8 + i] = char((v >> (8 * i)) & 0xFF);
            }
        }
        out += row;
    }
    return out;
}

void BmpSeeds()
{
    const int w = 5, h = 3;
    const auto index = [](int colours) { return [colours](int x, int y) { return uint32_t((x + 2 * y) % colours); }; };
    const auto rgb = [](int x, int y) { return uint32_t(x * 50) << 16 | uint32_t(y * 80) << 8 | uint32_t(x * y * 20); };
    Seed("bmp-1bit", Ext::bmp, Bmp(Info(40, w, h, 1, 0, 2), Palette(2, 4), Rows(w, h, 1, index(2))));
    Seed("bmp-4bit", Ext::BMP, Bmp(Info(40, w, h, 4, 0, 0), Palette(16, 4), Rows(w, h, 4, index(16))));
    Seed("bmp-8bit-6colours", Ext::Bmp, Bmp(Info(40, w, h, 8, 0, 6), Palette(6, 4), Rows(w, h, 8, index(7))));
    QByteArray core;  // the old 12-byte header: 16-bit sizes, 3-byte palette entries
    Put(core, 12, 4);
    Put(core, w, 2);
    Put(core, h, 2);
    Put(core, 1, 2);
    Put(core, 8, 2);
    Seed("bmp-8bit-core-header", Ext::bmp, Bmp(core, Palette(256, 3), Rows(w, h, 8, index(256))));
    Seed("bmp-16bit-555", Ext::BMP,
         Bmp(Info(40, w, h, 16, 0, 0), {}, Rows(w, h, 16, [](int x, int y) { return uint32_t(x * 6 << 10 | y * 9 << 5 | x + y); })));
    Seed("bmp-16bit-565-bitfields", Ext::bmp,
         Bmp(Info(40, w, h, 16, 3, 0), [] {
             QByteArray masks;
             Put(masks, 0xF800, 4);
             Put(masks, 0x07E0, 4);
             Put(masks, 0x001F, 4);
             return masks;
         }(), Rows(w, h, 16, [](int x, int y) { return uint32_t(x * 6 << 11 | y * 20 << 5 | x * 3); })));
    Seed("bmp-24bit", Ext::Bmp, platform::EncodeBmp(Pattern(w, h)));
    Seed("bmp-24bit-top-down", Ext::bmp, Bmp(Info(40, w, -h, 24, 0, 0), {}, Rows(w, h, 24, rgb)));
    Seed("bmp-32bit", Ext::BMP, Bmp(Info(40, w, h, 32, 0, 0), {}, Rows(w, h, 32, rgb)));
    Seed("bmp-32bit-v4-bitfields", Ext::bmp,
         Bmp(Info(108, w, -h, 32, 3, 0, {0x0000FF00, 0x00FF0000, 0xFF000000}), {},
             Rows(w, h, 32, [](int x, int y) { return uint32_t(x * 50) << 8 | uint32_t(y * 80) << 16 | uint32_t(x + y) << 24; })));

    const QByteArray good = platform::EncodeBmp(Pattern(w, h));
    Seed("damaged-bmp-cut", Ext::bmp, good.left(good.size() - 5));
    Seed("damaged-bmp-huge", Ext::Bmp, Bmp(Info(40, 30000, 30000, 24, 0, 0), {}, Rows(w, h, 24, rgb)));
}

// ---- JPEG ---------------------------------------------------------------------

struct JpegLook {
    bool gray = false;
    bool progressive = false;
    bool arithmetic = false;
    bool fullChroma = false;
    int restartRows = 0;
};

QByteArray Jpeg(const QImage& image, JpegLook look)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = look.gray ? 1 : 3;
    info.in_color_space = look.gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 75, TRUE);
    info.optimize_coding = look.arithmetic ? FALSE : TRUE;  // arithmetic coding adapts by itself
    info.arith_code = look.arithmetic ? TRUE : FALSE;
    info.restart_in_rows = look.restartRows;
    if (look.fullChroma) info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    if (look.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(image.width()) * 3);
    while (info.next_scanline < info.image_height) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            if (look.gray) {
                row[size_t(x)] = static_cast<unsigned char>(qGray(src[x]));
            } else {
                row[size_t(3 * x)] = static_cast<unsigned char>(qRed(src[x]));
                row[size_t(3 * x + 1)] = static_cast<unsigned char>(qGreen(src[x]));
                row[size_t(3 * x + 2)] = static_cast<unsigned char>(qBlue(src[x]));
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

void JpegSeeds()
{
    const QImage small = Pattern(8, 8);
    const QByteArray baseline = platform::EncodeJpeg(small, 90);
    Seed("jpeg-baseline", Ext::jpg, baseline);
    Seed("jpeg-progressive-gray", Ext::JPEG, Jpeg(Pattern(9, 7), {.gray = true, .progressive = true}));
    Seed("jpeg-progressive-420", Ext::Jpg, Jpeg(Pattern(17, 16), {.progressive = true}));
    Seed("jpeg-arithmetic-444-restarts", Ext::jpeg,
         Jpeg(Pattern(16, 16), {.arithmetic = true, .fullChroma = true, .restartRows = 1}));
    Seed("damaged-jpeg-cut", Ext::Jpeg, baseline.left(baseline.size() - 40));
}

// ---- PNG ----------------------------------------------------------------------

QByteArray Png(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

void PngSeeds()
{
    const QImage pattern = Pattern(5, 3);
    Seed("png-rgb", Ext::png, platform::EncodePng(pattern));
    Seed("png-indexed", Ext::PNG, Png(pattern.convertToFormat(QImage::Format_Indexed8)));
    Seed("png-gray16", Ext::Png, Png(pattern.convertToFormat(QImage::Format_Grayscale16)));
    Seed("png-mono", Ext::png, Png(pattern.convertToFormat(QImage::Format_Mono)));
    QImage alpha = pattern.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < alpha.width(); ++x) alpha.setPixel(x, 1, qRgba(x * 50, 0, 200, x * 60));
    Seed("png-alpha", Ext::PNG, Png(alpha));

    QByteArray badCrc = platform::EncodePng(pattern);
    badCrc[29] = char(badCrc[29] ^ 0x55);  // the header chunk's checksum
    Seed("damaged-png-checksum", Ext::png, badCrc);
    const QByteArray good = platform::EncodePng(pattern);
    Seed("damaged-png-cut", Ext::Png, good.left(good.size() - 20));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_seeds FOLDER\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    BmpSeeds();
    JpegSeeds();
    PngSeeds();
    Seed("unknown-gif", Ext::gif, QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14));
    return 0;
}
