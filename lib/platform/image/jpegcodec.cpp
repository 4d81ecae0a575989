#include "platform/image/jpegcodec_p.h"

#include <cstring>
// clang-format off
#include <jerror.h>
// clang-format on

#include "platform/image/bitmap.h"

namespace vexo::jpeg {

namespace {

void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    err->code = err->pub.msg_code;
    err->pub.format_message(info, err->text);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr info, int level) {
    // A truncated file would otherwise decode "successfully" with a grey lower part.
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF)
        OnError(info);
}

void Silent(j_common_ptr) {}

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager err;
    unsigned char* pixels;  // RGB rows, malloc'd
    unsigned char* scratch; // one CMYK row, malloc'd
    int expectWidth;        // -1: any
    int expectHeight;
    bool tooLarge;
    bool wrongSize;
};

bool Decode(Decoder& d, const unsigned char* data, unsigned long size) {
    Install(d.err);
    d.info.err = &d.err.pub;
    if (setjmp(d.err.jump)) {
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
    d.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    const std::uint64_t width = d.info.image_width;
    const std::uint64_t height = d.info.image_height;
    if (d.expectWidth >= 0 &&
        (width != std::uint64_t(d.expectWidth) || height != std::uint64_t(d.expectHeight))) {
        d.wrongSize = true;
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    if (width > std::uint64_t(TBitmap::MaxDimension) ||
        height > std::uint64_t(TBitmap::MaxDimension) ||
        width * height * 4 > std::uint64_t(TBitmap::MaxPixelBytes)) {
        d.tooLarge = true;
        jpeg_destroy_decompress(&d.info);
        return false;
    }
    jpeg_start_decompress(&d.info);
    const std::size_t rowBytes = std::size_t(d.info.output_width) * 3;
    d.pixels = static_cast<unsigned char*>(std::malloc(rowBytes * d.info.output_height + 1));
    if (cmyk)
        d.scratch =
            static_cast<unsigned char*>(std::malloc(std::size_t(d.info.output_width) * 4 + 1));
    if (d.pixels == nullptr || (cmyk && d.scratch == nullptr))
        ERREXIT1(&d.info, JERR_OUT_OF_MEMORY, 0);
    while (d.info.output_scanline < d.info.output_height) {
        unsigned char* row = d.pixels + rowBytes * d.info.output_scanline;
        JSAMPROW target = cmyk ? d.scratch : row;
        if (jpeg_read_scanlines(&d.info, &target, 1) != 1)
            ERREXIT(&d.info, JERR_INPUT_EOF);
        if (cmyk) {
            // Inverted CMYK as Adobe applications write it.
            for (JDIMENSION x = 0; x < d.info.output_width; ++x) {
                const unsigned k = d.scratch[4 * x + 3];
                row[3 * x] = (unsigned char)(d.scratch[4 * x] * k / 255);
                row[3 * x + 1] = (unsigned char)(d.scratch[4 * x + 1] * k / 255);
                row[3 * x + 2] = (unsigned char)(d.scratch[4 * x + 2] * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&d.info);
    jpeg_destroy_decompress(&d.info);
    return true;
}

} // namespace

void Install(ErrorManager& err) {
    jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.pub.output_message = Silent;
    err.code = 0;
    err.text[0] = '\0';
}

EInvalidGraphic JpegError(const ErrorManager& err) {
    return EInvalidGraphic(
        QStringLiteral("JPEG error #%1: %2").arg(err.code).arg(QString::fromLocal8Bit(err.text)));
}

TRgbPixels DecodeRgb(const std::uint8_t* data, std::size_t size, int expectWidth,
                     int expectHeight) {
    Decoder d{};
    d.expectWidth = expectWidth;
    d.expectHeight = expectHeight;
    const bool ok = Decode(d, data, static_cast<unsigned long>(size));
    std::free(d.scratch);
    TRgbPixels rgb;
    rgb.Pixels.reset(d.pixels);
    if (!ok) {
        if (d.tooLarge)
            throw EInvalidGraphic(QStringLiteral("JPEG image is too large"));
        if (d.wrongSize)
            throw EInvalidGraphic(QStringLiteral("JPEG image has the wrong size"));
        throw JpegError(d.err);
    }
    rgb.Width = int(d.info.output_width);
    rgb.Height = int(d.info.output_height);
    return rgb;
}

} // namespace vexo::jpeg
