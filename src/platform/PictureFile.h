#pragma once
// Picture files: BMP (our own reader and writer), JPEG (libjpeg), PNG (Qt), the
// choice of decoder by extension, and writing a file so that a failure never
// destroys the file it was meant to replace.
#include "platform/Picture.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace platform {

inline constexpr const char* kBitmapNotValid = "Bitmap image is not valid";
inline constexpr const char* kPngNotValid = "PNG image is not valid";

// What a picture file decodes to: a bitmap (".bmp", ".png") or a JPEG image
// that keeps the file's own data beside their decoding.
struct TPictureData {
    TPicture::Kind Kind = TPicture::Kind::Empty;
    QImage Image;  // Format_RGB32
    QByteArray JpegData;
};

// Uncompressed 24-bit BMP: file header, 40-byte info header, rows bottom-up,
// each padded to a multiple of 4 bytes.
QByteArray EncodeBmp(const QImage& image);
// Baseline JFIF colour JPEG at the given quality, the encoder's defaults for the rest.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);
QByteArray EncodePng(const QImage& image);

// Each throws PlatformError with its decoder's message on damaged data:
// kBitmapNotValid, "JPEG error #<libjpeg's message number>", kPngNotValid.
QImage DecodeBmp(const QByteArray& data);
QImage DecodeJpeg(const QByteArray& data);
QImage DecodePng(const QByteArray& data);

// The decoder chosen by the extension (without its dot, letter case ignored):
// "bmp" and "png" give a bitmap, "jpg" and "jpeg" a JPEG image; any other fails
// with "Unknown picture file extension (.<extension>)".
TPictureData DecodePicture(const QByteArray& data, const QString& extension);
// The whole load of a picture file: the extension first, then the file
// ("Cannot open file "<path>". <reason>"), then DecodePicture.
TPictureData ReadPictureFile(const QString& path);
// ReadPictureFile, and the picture takes the result only when it was read completely.
void LoadPictureFile(TPicture& picture, const QString& path);

// The picture's data for a file of that extension ("bmp", "jpg", "png"): a JPEG
// image saved as JPEG keeps its own data; everything else is encoded afresh from
// what the picture shows. An empty picture gives no data.
QByteArray PictureFileData(const TPicture& picture, const QString& extension);

// Writes the file through a temporary file beside it, which then replaces it:
// a failure leaves any existing file of that name as it was. Fails with
// "Cannot create file "<full path>". <reason>".
void WriteFileReplacing(const QString& path, const QByteArray& data);

}  // namespace platform
