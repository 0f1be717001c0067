#include "platform/PictureFile.h"

#include "platform/Errors.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSaveFile>

#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
#include <jerror.h>

namespace platform {

namespace {

// Larger pictures are refused as damaged: a few header bytes must not be able
// to ask for gigabytes.
constexpr int64_t kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

bool SizeAcceptable(int64_t width, int64_t height)
{
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide && width * height <= kMaxPixels;
}

QImage AsRgb32(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32) return image;
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    // Transparent parts of a picture show as the white of an empty page.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, image);
    return opaque;
}

// ---- BMP ----------------------------------------------------------------------

void PutU16(QByteArray& out, uint32_t v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void PutU32(QByteArray& out, uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

class BmpReader {
public:
    explicit BmpReader(const QByteArray& data)
        : p_(reinterpret_cast<const uint8_t*>(data.constData())), size_(size_t(data.size()))
    {
    }

    QImage Read();

private:
    [[noreturn]] static void Invalid() { throw PlatformError(kBitmapNotValid); }
    void Need(size_t offset, size_t count) const
    {
        if (offset > size_ || count > size_ - offset) Invalid();
    }
    uint32_t U16(size_t at) const
    {
        Need(at, 2);
        return uint32_t(p_[at]) | uint32_t(p_[at + 1]) << 8;
    }
    uint32_t U32(size_t at) const { return U16(at) | U16(at + 2) << 16; }
    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }

    const uint8_t* p_;
    size_t size_;
};

// One colour channel under a bit mask, scaled to 0..255.
struct Channel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    explicit Channel(uint32_t mask = 0) : Mask(mask)
    {
        if (mask == 0) return;
        Shift = std::countr_zero(mask);
        Max = mask >> Shift;
    }
    uint32_t Of(uint32_t pixel) const
    {
        if (Max == 0) return 0;
        return uint32_t((uint64_t((pixel & Mask) >> Shift) * 255 + Max / 2) / Max);
    }
};

QImage BmpReader::Read()
{
    Need(0, 14);
    if (p_[0] != 'B' || p_[1] != 'M') Invalid();
    const uint32_t pixelOffset = U32(10);
    const uint32_t headerSize = U32(14);

    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;
    uint32_t bitCount = 0;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    size_t paletteOffset = 14 + size_t(headerSize);
    size_t paletteEntry = 4;
    uint32_t masks[3] = {0, 0, 0};

    if (headerSize == 12) {
        // The old core header: 16-bit sizes, 3-byte palette entries.
        width = U16(18);
        height = U16(20);
        if (U16(22) != 1) Invalid();
        bitCount = U16(24);
        paletteEntry = 3;
    } else if (headerSize >= 40 && headerSize <= 1024) {
        width = I32(18);
        const int32_t h = I32(22);
        topDown = h < 0;
        height = topDown ? -int64_t(h) : int64_t(h);
        if (U16(26) != 1) Invalid();
        bitCount = U16(28);
        compression = U32(30);
        coloursUsed = U32(46);
        if (compression == 3) {
            // Bit fields: inside a larger header, or just after a 40-byte one.
            masks[0] = U32(54);
            masks[1] = U32(58);
            masks[2] = U32(62);
            if (headerSize < 52) paletteOffset += 12;
        }
    } else {
        Invalid();
    }

    const bool paletted = bitCount == 1 || bitCount == 4 || bitCount == 8;
    const bool direct = bitCount == 16 || bitCount == 24 || bitCount == 32;
    if (!paletted && !direct) Invalid();
    if (compression != 0 && !(compression == 3 && (bitCount == 16 || bitCount == 32))) Invalid();
    if (!SizeAcceptable(width, height)) Invalid();

    if (compression == 0 && bitCount == 16) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    } else if (compression == 0 && bitCount == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    const Channel red(masks[0]);
    const Channel green(masks[1]);
    const Channel blue(masks[2]);

    // Indices beyond the palette show black.
    std::vector<QRgb> palette(256, qRgb(0, 0, 0));
    if (paletted) {
        const uint32_t available = 1u << bitCount;
        const uint32_t count = coloursUsed == 0 ? available : coloursUsed;
        if (count > available) Invalid();
        Need(paletteOffset, size_t(count) * paletteEntry);
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* e = p_ + paletteOffset + size_t(i) * paletteEntry;
            palette[i] = qRgb(e[2], e[1], e[0]);
        }
    }

    const size_t rowBytes = size_t((width * bitCount + 31) / 32) * 4;
    Need(pixelOffset, rowBytes * size_t(height));

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull()) Invalid();
    for (int64_t row = 0; row < height; ++row) {
        const uint8_t* src = p_ + pixelOffset + size_t(row) * rowBytes;
        const int y = int(topDown ? row : height - 1 - row);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int64_t x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1: dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF]; break;
            case 8: dst[x] = palette[src[x]]; break;
            case 24: dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
            case 16: {
                const uint32_t v = uint32_t(src[2 * x]) | uint32_t(src[2 * x + 1]) << 8;
                dst[x] = qRgb(int(red.Of(v)), int(green.Of(v)), int(blue.Of(v)));
                break;
            }
            default: {
                const uint8_t* s = src + 4 * x;
                const uint32_t v = uint32_t(s[0]) | uint32_t(s[1]) << 8 | uint32_t(s[2]) << 16 | uint32_t(s[3]) << 24;
                dst[x] = qRgb(int(red.Of(v)), int(green.Of(v)), int(blue.Of(v)));
                break;
            }
            }
        }
    }
    return image;
}

// ---- JPEG ---------------------------------------------------------------------

// libjpeg reports a fatal error by calling error_exit, which must not return:
// it jumps back to the setjmp of the call that started the work. Between the
// two lie only libjpeg's own C frames, so no C++ destructor is skipped.
struct JpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
    int Code = 0;
};

void JpegErrorExit(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->Code = info->err->msg_code;
    std::longjmp(errors->Jump, 1);
}

void JpegMessage(j_common_ptr info, int level)
{
    // A file that ends early would be shown half grey; it is damaged.
    if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF) JpegErrorExit(info);
    // Other warnings and trace messages are not the user's business.
}

// A progressive or multi-scan file may repeat a scan for a few bytes each time,
// and the decoder goes over the whole picture again for every scan: a megabyte
// could keep it busy for an hour. The blocks of all scans together are capped,
// at twice what the usual progressive script (14 one-component passes) needs
// for the largest colour picture, a second or two; beyond that the file is
// refused as too big.
constexpr int64_t kMaxScanBlocks = int64_t(1) << 25;

struct JpegScanBudget {
    jpeg_progress_mgr Manager{};
    int Scan = 0;
    int64_t Blocks = 0;
};

// libjpeg's progress hook, called often during the input; counts each new scan once.
void CountJpegScan(j_common_ptr common)
{
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* budget = reinterpret_cast<JpegScanBudget*>(common->progress);
    if (info->input_scan_number == budget->Scan) return;
    budget->Scan = info->input_scan_number;
    for (int i = 0; i < info->comps_in_scan; ++i)
        budget->Blocks += int64_t(info->cur_comp_info[i]->width_in_blocks) * info->cur_comp_info[i]->height_in_blocks;
    if (budget->Blocks > kMaxScanBlocks) {
        common->err->msg_code = JERR_IMAGE_TOO_BIG;
        JpegErrorExit(common);
    }
}

void InstallJpegErrors(JpegErrors& errors)
{
    jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = JpegErrorExit;
    errors.Manager.emit_message = JpegMessage;
}

[[noreturn]] void RaiseJpegError(int code)
{
    throw PlatformError("JPEG error #" + std::to_string(code));
}

// Returns false with errors.Code set when libjpeg gave up.
bool CompressJpeg(const QImage& image, int quality, JpegErrors& errors, unsigned char** buffer, unsigned long* size,
                  std::vector<unsigned char>& row)
{
    jpeg_compress_struct info{};
    info.err = &errors.Manager;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(int(info.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            row[size_t(3 * x)] = static_cast<unsigned char>(qRed(src[x]));
            row[size_t(3 * x + 1)] = static_cast<unsigned char>(qGreen(src[x]));
            row[size_t(3 * x + 2)] = static_cast<unsigned char>(qBlue(src[x]));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

// Returns false with errors.Code set when libjpeg gave up; image is then left null.
bool DecompressJpeg(const QByteArray& data, JpegErrors& errors, QImage& image, std::vector<unsigned char>& row)
{
    jpeg_decompress_struct info{};
    JpegScanBudget budget;
    budget.Manager.progress_monitor = CountJpegScan;
    info.err = &errors.Manager;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &budget.Manager;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (!SizeAcceptable(info.image_width, info.image_height)) {
        info.err->msg_code = JERR_IMAGE_TOO_BIG;
        JpegErrorExit(reinterpret_cast<j_common_ptr>(&info));
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        info.err->msg_code = JERR_OUT_OF_MEMORY;
        JpegErrorExit(reinterpret_cast<j_common_ptr>(&info));
    }
    row.resize(size_t(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (JDIMENSION x = 0; x < info.output_width; ++x)
            dst[x] = qRgb(row[3 * size_t(x)], row[3 * size_t(x) + 1], row[3 * size_t(x) + 2]);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

[[noreturn]] void RaiseUnknownExtension(const QString& extension)
{
    throw PlatformError("Unknown picture file extension (." + extension.toStdString() + ")");
}

QString FullPath(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

std::string Quoted(const char* before, const QString& path, const QString& reason)
{
    return std::string(before) + " \"" + FullPath(path).toStdString() + "\". " + reason.toStdString();
}

}  // namespace

QByteArray EncodeBmp(const QImage& source)
{
    const QImage image = AsRgb32(source);
    const uint32_t width = uint32_t(image.width());
    const uint32_t height = uint32_t(image.height());
    const uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * height;
    QByteArray out;
    out.reserve(int(54 + pixelBytes));
    // File header.
    out.append("BM", 2);
    PutU32(out, 54 + pixelBytes);
    PutU32(out, 0);
    PutU32(out, 54);
    // Info header.
    PutU32(out, 40);
    PutU32(out, width);
    PutU32(out, height);  // positive: rows bottom-up
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);  // uncompressed
    PutU32(out, pixelBytes);
    PutU32(out, 3780);  // 96 pixels per inch
    PutU32(out, 3780);
    PutU32(out, 0);
    PutU32(out, 0);
    const qsizetype start = out.size();
    out.resize(start + qsizetype(pixelBytes));
    char* pixels = out.data() + start;
    for (uint32_t row = 0; row < height; ++row) {
        auto* dst = reinterpret_cast<uint8_t*>(pixels + size_t(row) * rowBytes);
        const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(int(height - 1 - row)));
        for (uint32_t x = 0; x < width; ++x) {
            dst[3 * x] = uint8_t(qBlue(src[x]));
            dst[3 * x + 1] = uint8_t(qGreen(src[x]));
            dst[3 * x + 2] = uint8_t(qRed(src[x]));
        }
        for (uint32_t pad = width * 3; pad < rowBytes; ++pad) dst[pad] = 0;
    }
    return out;
}

QImage DecodeBmp(const QByteArray& data) { return BmpReader(data).Read(); }

QByteArray EncodeJpeg(const QImage& source, int quality)
{
    const QImage image = AsRgb32(source);
    if (image.isNull()) return {};
    JpegErrors errors;
    InstallJpegErrors(errors);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(size_t(image.width()) * 3);
    const bool done = CompressJpeg(image, quality, errors, &buffer, &size, row);
    QByteArray out;
    if (done) out = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    if (!done) RaiseJpegError(errors.Code);
    return out;
}

QImage DecodeJpeg(const QByteArray& data)
{
    JpegErrors errors;
    InstallJpegErrors(errors);
    QImage image;
    std::vector<unsigned char> row;
    if (!DecompressJpeg(data, errors, image, row)) RaiseJpegError(errors.Code);
    return image;
}

QByteArray EncodePng(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    AsRgb32(image).save(&buffer, "PNG");
    return out;
}

QImage DecodePng(const QByteArray& data)
{
    QImage image;
    if (!image.loadFromData(data, "PNG") || !SizeAcceptable(image.width(), image.height()))
        throw PlatformError(kPngNotValid);
    return AsRgb32(image);
}

TPictureData DecodePicture(const QByteArray& data, const QString& extension)
{
    const QString ext = extension.toLower();
    if (ext == "bmp") return {TPicture::Kind::Bitmap, DecodeBmp(data), {}};
    if (ext == "png") return {TPicture::Kind::Bitmap, DecodePng(data), {}};
    if (ext == "jpg" || ext == "jpeg") return {TPicture::Kind::Jpeg, DecodeJpeg(data), data};
    RaiseUnknownExtension(extension);
}

TPictureData ReadPictureFile(const QString& path)
{
    // The extension decides first, before the file is even opened.
    const QString extension = QFileInfo(path).suffix();
    const QString ext = extension.toLower();
    if (ext != "bmp" && ext != "png" && ext != "jpg" && ext != "jpeg") RaiseUnknownExtension(extension);
    QFile file(path);
    if (QFileInfo(path).isDir()) throw PlatformError(Quoted("Cannot open file", path, "Is a directory"));
    if (!file.open(QIODevice::ReadOnly)) throw PlatformError(Quoted("Cannot open file", path, file.errorString()));
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PlatformError(Quoted("Cannot open file", path, file.errorString()));
    return DecodePicture(data, extension);
}

void LoadPictureFile(TPicture& picture, const QString& path)
{
    TPictureData read = ReadPictureFile(path);
    if (read.Kind == TPicture::Kind::Jpeg)
        picture.AssignJpeg(std::move(read.JpegData), std::move(read.Image));
    else
        picture.AssignBitmap(std::move(read.Image));
}

QByteArray PictureFileData(const TPicture& picture, const QString& extension)
{
    if (picture.Image().isNull()) return {};
    const QString ext = extension.toLower();
    if (ext == "jpg" || ext == "jpeg") {
        if (picture.GraphicKind() == TPicture::Kind::Jpeg) return picture.JpegData();
        return EncodeJpeg(picture.Image(), 90);
    }
    if (ext == "png") return EncodePng(picture.Image());
    return EncodeBmp(picture.Image());
}

void WriteFileReplacing(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    // Unbuffered: a buffered write that fails only when the file is closed would
    // go unnoticed by the commit, which would then replace the old file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw PlatformError(Quoted("Cannot create file", path, file.errorString()));
    if (file.write(data) != data.size() || !file.commit())
        throw PlatformError(Quoted("Cannot create file", path, file.errorString()));
}

}  // namespace platform
