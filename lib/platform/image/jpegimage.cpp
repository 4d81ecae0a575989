#include "platform/image/jpegimage.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "platform/runtime/exception.h"

namespace vexo {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return. We jump back to
// the frame that called into libjpeg; those frames hold nothing with a destructor, so the
// jump skips no C++ clean-up, and the C++ caller turns the stored message into an exception.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
    char text[JMSG_LENGTH_MAX];
};

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

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager err;
    unsigned char* pixels;  // RGB rows, malloc'd
    unsigned char* scratch; // one CMYK row, malloc'd
    bool tooLarge;
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

struct Encoder {
    jpeg_compress_struct info;
    ErrorManager err;
    unsigned char* out; // malloc'd by libjpeg
    unsigned long outSize;
};

bool Encode(Encoder& e, const QImage& image, int quality) {
    Install(e.err);
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
    Decoder d{};
    const bool ok = Decode(d, reinterpret_cast<const unsigned char*>(data.constData()),
                           static_cast<unsigned long>(data.size()));
    std::free(d.scratch);
    if (!ok) {
        std::free(d.pixels);
        if (d.tooLarge)
            throw EInvalidGraphic(QStringLiteral("JPEG image is too large"));
        throw JpegError(d.err);
    }
    const int width = int(d.info.output_width);
    const int height = int(d.info.output_height);
    QImage image(width, height, QImage::Format_RGB888);
    if (image.isNull() && width > 0 && height > 0) {
        std::free(d.pixels);
        throw EOutOfResources(QStringLiteral("Out of system resources"));
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), d.pixels + std::size_t(y) * std::size_t(width) * 3,
                    std::size_t(width) * 3);
    std::free(d.pixels);
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
        throw JpegError(e.err);
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

} // namespace vexo
