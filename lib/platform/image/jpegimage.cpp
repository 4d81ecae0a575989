#include "platform/image/jpegimage.h"

#include <cstring>

#include "platform/image/canvas.h"
#include "platform/image/jpegcodec_p.h"
#include "platform/runtime/exception.h"

namespace vexo {

namespace {

using jpeg::ErrorManager;

struct Encoder {
    jpeg_compress_struct info;
    ErrorManager err;
    unsigned char* out; // malloc'd by libjpeg
    unsigned long outSize;
};

bool Encode(Encoder& e, const QImage& image, int quality) {
    jpeg::Install(e.err);
    e.info.err = &e.err.pub;
    if (setjmp(e.err.jump)) {
        jpeg_destroy_compress(&e.info);
        return false;
    }
    jpeg_create_compress(&e.info);
    jpeg_mem_dest(&e.info, &e.out, &e.outSize);
    e.info.image_width = JDIMENSION(image.width());
    e.info.image_height = JDIMENSION(image.height());
    e.info.input_components = 3;
    e.info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&e.info);
    jpeg_set_quality(&e.info, quality, TRUE);
    jpeg_start_compress(&e.info, TRUE);
    while (e.info.next_scanline < e.info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(e.info.next_scanline)));
        jpeg_write_scanlines(&e.info, &row, 1);
    }
    jpeg_finish_compress(&e.info);
    jpeg_destroy_compress(&e.info);
    return true;
}

} // namespace

void TJPEGImage::LoadFromBytes(const QByteArray& data) {
    const jpeg::TRgbPixels rgb = jpeg::DecodeRgb(
        reinterpret_cast<const std::uint8_t*>(data.constData()), std::size_t(data.size()));
    QImage image(rgb.Width, rgb.Height, QImage::Format_RGB888);
    if (image.isNull() && rgb.Width > 0 && rgb.Height > 0)
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    const std::size_t rowBytes = std::size_t(rgb.Width) * 3;
    for (int y = 0; y < rgb.Height; ++y)
        std::memcpy(image.scanLine(y), rgb.Pixels.get() + std::size_t(y) * rowBytes, rowBytes);
    image_ = std::move(image);
    data_ = data;
}

QByteArray TJPEGImage::SaveToBytes() const {
    if (!data_.isEmpty())
        return data_;
    Encoder e{};
    const bool ok = Encode(e, image_, DefaultQuality);
    QByteArray bytes;
    if (ok)
        bytes = QByteArray(reinterpret_cast<const char*>(e.out), qsizetype(e.outSize));
    std::free(e.out);
    if (!ok)
        throw jpeg::JpegError(e.err);
    return bytes;
}

void TJPEGImage::SetImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_RGB888);
    data_.clear();
}

TBitmap TJPEGImage::ToBitmap() const {
    TBitmap bitmap(image_.width(), image_.height(), 24);
    for (int y = 0; y < image_.height(); ++y) {
        const uchar* src = image_.constScanLine(y);
        std::uint8_t* dst = bitmap.ScanLine(y);
        for (int x = 0; x < image_.width(); ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return bitmap;
}

bool TJPEGImage::AssignTo(TGraphic& dest) const {
    auto* bitmap = dynamic_cast<TBitmap*>(&dest);
    if (bitmap == nullptr)
        return false;
    bitmap->TBitmap::Assign(ToBitmap()); // the picture only, whatever the kind of bitmap
    return true;
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) const {
    const TBitmap bitmap = ToBitmap();
    canvas.CopyRect(rect, bitmap, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

} // namespace vexo
