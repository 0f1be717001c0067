#include "Picture.h"

#include <QPainter>
#include <algorithm>
#include <utility>

namespace platform {

namespace {

QImage WhiteBitmap(int width, int height)
{
    if (width <= 0 || height <= 0) return QImage();
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(ToQRgb(clWhite));
    return image;
}

}  // namespace

TPicture::TPicture() : canvas_(&bitmap_)
{
    canvas_.OnChange = [this] { Changed(); };
    canvas_.SetScene(&scene_);
}

void TPicture::Changed()
{
    if (OnChange) OnChange();
}

TCanvas& TPicture::Canvas(int defaultWidth, int defaultHeight)
{
    if (kind_ == Kind::Jpeg) JpegToBitmap();
    if (kind_ == Kind::Empty) {
        AssignBitmap(WhiteBitmap(defaultWidth, defaultHeight));
        // A zero-sized request still makes a bitmap of that size.
        width_ = std::max(defaultWidth, 0);
        height_ = std::max(defaultHeight, 0);
        scene_.Blank(bitmap_.size(), clWhite);
    }
    return canvas_;
}

void TPicture::SetWidth(int width) { Resize(width, height_); }

void TPicture::SetHeight(int height) { Resize(width_, height); }

void TPicture::Resize(int width, int height)
{
    if (kind_ == Kind::Jpeg) JpegToBitmap();
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (kind_ == Kind::Empty) {
        AssignBitmap(QImage());
    } else if (width == width_ && height == height_) {
        return;
    }
    QImage resized = WhiteBitmap(width, height);
    if (!resized.isNull() && !bitmap_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, bitmap_);
    }
    bitmap_ = std::move(resized);
    width_ = width;
    height_ = height;
    canvas_.SetTarget(&bitmap_);
    // A white picture stays blank; anything drawn is kept as the pixels it left.
    const bool blank = scene_.Base().isNull() && !scene_.HasOperations() && scene_.Background() == clWhite;
    if (blank) scene_.Blank(bitmap_.size(), clWhite);
    else scene_.Fold();
    Changed();
}

const QImage& TPicture::Image() const { return bitmap_; }

void TPicture::AssignBitmap(QImage image)
{
    kind_ = Kind::Bitmap;
    jpegData_.clear();
    bitmap_ = std::move(image);
    width_ = bitmap_.width();
    height_ = bitmap_.height();
    canvas_.SetTarget(&bitmap_);
    canvas_.ResetState();
    scene_.Fold();
    Changed();
}

void TPicture::AssignJpeg(QByteArray jpegData, QImage decoded)
{
    kind_ = Kind::Jpeg;
    jpegData_ = std::move(jpegData);
    bitmap_ = std::move(decoded);
    width_ = bitmap_.width();
    height_ = bitmap_.height();
    // A canvas reference kept from before must not draw on the JPEG image.
    canvas_.SetTarget(nullptr);
    scene_.Fold();
    Changed();
}

void TPicture::JpegToBitmap()
{
    QImage pixels = std::move(bitmap_);
    AssignBitmap(std::move(pixels));
}

void TPicture::Clear()
{
    kind_ = Kind::Empty;
    jpegData_.clear();
    bitmap_ = QImage();
    width_ = height_ = 0;
    canvas_.SetTarget(nullptr);
    scene_.Clear();
    Changed();
}

}  // namespace platform
