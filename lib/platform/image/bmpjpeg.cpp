#include "platform/image/bmpformat_p.h"
#include "platform/image/bmpstreams_p.h"
#include "platform/image/jpegcodec_p.h"

namespace vexo::bmp {

TBitmap DecodeJpegStream(const std::uint8_t* data, std::size_t size, int width, int height) {
    jpeg::TRgbPixels rgb;
    try {
        rgb = jpeg::DecodeRgb(data, size, width, height);
    } catch (const EInvalidGraphic&) {
        Invalid(); // the file as a whole is what the reader reports on
    }
    TBitmap bitmap;
    bitmap.Allocate(width, height, 24);
    const std::uint8_t* src = rgb.Pixels.get();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* dst = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x, src += 3) {
            dst[3 * x] = src[2];
            dst[3 * x + 1] = src[1];
            dst[3 * x + 2] = src[0];
        }
    }
    return bitmap;
}

} // namespace vexo::bmp
