#pragma once
// A JPEG picture decoded with libjpeg. It is a graphic of its own, not a bitmap: pictures
// holding one have no drawing surface.

#include <QByteArray>
#include <QImage>

#include "platform/image/bitmap.h"
#include "platform/image/graphic.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TJPEGImage : public TGraphic {
    Q_GADGET
public:
    static constexpr int DefaultQuality = 90;

    TJPEGImage() = default;

    const QMetaObject* ClassType() const override { return &staticMetaObject; }
    // A bitmap takes the pixels as 24 bits per pixel (see ToBitmap).
    bool AssignTo(TGraphic& dest) const override;

    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }

    // Decodes a JPEG file (grey, YCbCr, RGB, CMYK). Raises EInvalidGraphic "JPEG error #<n>:
    // <libjpeg's text>" on damaged data, a truncated file included; the image keeps its
    // previous contents then.
    void LoadFromBytes(const QByteArray& data) override;
    // The bytes as loaded, so saving an unchanged image loses nothing; an image set with
    // SetImage is encoded anew at DefaultQuality.
    QByteArray SaveToBytes() const override;

    // Decoded pixels, always QImage::Format_RGB888.
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);
    // A 24-bit bitmap copy of the pixels, for drawing elsewhere.
    TBitmap ToBitmap() const;
    // Always opaque, in the canvas's CopyMode.
    void Draw(TCanvas& canvas, const TRect& rect) const override;

private:
    QImage image_;
    QByteArray data_; // the file as loaded; empty once the pixels were replaced
};

} // namespace vexo
