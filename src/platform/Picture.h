#pragma once
// The picture of an image control: it holds nothing, a bitmap (what every drawing
// makes) or a JPEG image (what loading a ".jpg" file gives). A JPEG image keeps its
// file data so that saving writes them again, until the first drawing on it turns
// it into a bitmap of its pixels.
#include "Canvas.h"
#include "Scene.h"

#include <QByteArray>
#include <QImage>
#include <functional>

namespace platform {

class TPicture {
public:
    enum class Kind { Empty, Bitmap, Jpeg };

    TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    Kind GraphicKind() const { return kind_; }

    // The bitmap's canvas. An empty picture first becomes a white bitmap of the
    // given size; a JPEG image becomes the bitmap of its pixels.
    TCanvas& Canvas(int defaultWidth, int defaultHeight);

    // The graphic's size; 0 x 0 when empty.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Resizing a bitmap keeps its top-left content and makes the new area white; an
    // empty picture becomes a bitmap (of height or width 0 until both are set), a
    // JPEG image the bitmap of its pixels. Sizes below 0 count as 0.
    void SetWidth(int width);
    void SetHeight(int height);

    // What the control shows, 1:1 from its top-left corner: the bitmap, the decoded
    // JPEG image, or a null image when empty or of zero size.
    const QImage& Image() const;

    // A new bitmap (with a fresh canvas: pen, brush and font as on a new bitmap).
    void AssignBitmap(QImage image);
    // A JPEG image: the file's data and their decoding.
    void AssignJpeg(QByteArray jpegData, QImage decoded);
    // The JPEG file's data; empty unless GraphicKind() is Jpeg.
    const QByteArray& JpegData() const { return jpegData_; }
    // Back to holding nothing.
    void Clear();

    // What has been drawn, for a replay at another resolution: blank after a fresh
    // or blanked bitmap, the loaded or resized picture as its base image.
    const TScene& Scene() const { return scene_; }

    // Called whenever what Image() shows may have changed, so the control repaints.
    std::function<void()> OnChange;

private:
    void Resize(int width, int height);
    // A JPEG image becomes a bitmap of the pixels it shows, with a new bitmap's canvas.
    void JpegToBitmap();
    void Changed();

    Kind kind_ = Kind::Empty;
    int width_ = 0;
    int height_ = 0;
    QImage bitmap_;  // Bitmap: the pixels (null when a side is 0); Jpeg: the decoding
    QByteArray jpegData_;
    TScene scene_{&bitmap_};
    TCanvas canvas_;
};

}  // namespace platform
