// Picture loading as the load command does it: the bytes become a file of the
// chosen extension and LoadPictureFile reads it into a picture. Every input ends
// in a picture of positive size within the decoders' caps, or in one of the
// loaders' own messages with the picture left exactly as it was; never in
// anything else.
//
// Input: the first byte chooses the extension (letter case varies, and one
// extension is unknown), the rest is the file.
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
#include <jerror.h>

#include "Check.h"
#include "platform/Errors.h"
#include "platform/Picture.h"
#include "platform/PictureFile.h"

namespace {

constexpr const char* kExtensions[] = {"bmp", "BMP",  "Bmp",  "jpg", "JPG", "Jpg", "jpeg",
                                       "JPEG", "Jpeg", "png", "PNG", "Png", "gif"};
constexpr size_t kExtensionCount = sizeof(kExtensions) / sizeof(kExtensions[0]);

// The loaders refuse larger pictures as damaged.
constexpr int kMaxSide = 32767;
constexpr int64_t kMaxPixels = int64_t(1) << 26;

QTemporaryDir* files = nullptr;

// What the picture holds before each load; a failed load must leave it so.
QImage Before()
{
    QImage image(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) image.setPixel(x, y, qRgb(40 * x, 100 * y, 7));
    return image;
}

std::string Describe(const char* extension, const uint8_t* data, size_t size)
{
    return "." + std::string(extension) + " of " + std::to_string(size) + " bytes: " +
           std::string(reinterpret_cast<const char*>(data), size < 64 ? size : 64);
}

bool IsJpegMessage(const std::string& message)
{
    const std::string prefix = "JPEG error #";
    if (message.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string digits = message.substr(prefix.size());
    if (digits.empty() || digits.size() > 4 || digits[0] == '0') return false;
    for (char c : digits)
        if (c < '0' || c > '9') return false;
    const int code = std::stoi(digits);
    return code > 0 && code < JMSG_LASTMSGCODE;
}

// Qt reports each damaged PNG on the way (libpng's own words); only the
// message the loader raises matters here.
void QuietWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(QuietWarnings);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A picture's canvas takes a font, which needs the application object.
    static int argc = 1;
    static char name[] = "picture_load";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    static QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "picture_load: no temporary folder for the picture files\n");
        std::abort();
    }
    files = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    const char* extension = kExtensions[data[0] % kExtensionCount];
    const bool known = data[0] % kExtensionCount != kExtensionCount - 1;
    const bool jpeg = QString(extension).toLower().startsWith("jp");
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    const std::string input = Describe(extension, data + 1, size - 1);

    const QString path = files->filePath(QStringLiteral("picture.") + extension);
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "picture_load: cannot write %s\n", qPrintable(path));
            std::abort();
        }
    }

    static platform::TPicture picture;
    static const QImage before = Before();
    picture.AssignBitmap(before);

    bool loaded = false;
    try {
        platform::LoadPictureFile(picture, path);
        loaded = true;
    } catch (const platform::PlatformError& e) {
        const std::string& message = e.Message();
        const bool expected = !known ? message == "Unknown picture file extension (.gif)"
                              : jpeg ? IsJpegMessage(message)
                              : QString(extension).toLower() == "bmp" ? message == platform::kBitmapNotValid
                                                                       : message == platform::kPngNotValid;
        Require(expected, ("unexpected message \"" + message + "\"").c_str(), input);
    }

    if (loaded) {
        Require(known, "an unknown extension loaded", input);
        const QImage& image = picture.Image();
        Require(!image.isNull() && image.format() == QImage::Format_RGB32, "the picture is not an RGB32 image", input);
        Require(picture.Width() == image.width() && picture.Height() == image.height(),
                "the picture's size differs from its image", input);
        Require(image.width() >= 1 && image.height() >= 1 && image.width() <= kMaxSide && image.height() <= kMaxSide &&
                    int64_t(image.width()) * image.height() <= kMaxPixels,
                "the picture's size is outside the loaders' caps", input);
        if (jpeg) {
            Require(picture.GraphicKind() == platform::TPicture::Kind::Jpeg, "a JPEG file gave no JPEG image", input);
            Require(picture.JpegData() == bytes, "the JPEG image does not keep the file's data", input);
        } else {
            Require(picture.GraphicKind() == platform::TPicture::Kind::Bitmap, "a bitmap file gave no bitmap", input);
            Require(picture.JpegData().isEmpty(), "a bitmap keeps JPEG data", input);
        }
    } else {
        Require(picture.GraphicKind() == platform::TPicture::Kind::Bitmap && picture.Image() == before &&
                    picture.Width() == before.width() && picture.Height() == before.height(),
                "a failed load changed the picture", input);
    }
    return 0;
}
