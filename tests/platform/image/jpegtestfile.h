#pragma once
// Makes small JPEG files for tests with libjpeg's own compressor, independent of TJPEGImage.

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <jpeglib.h>
#include <vector>

namespace jpegtest {

// pixel(x, y) returns the components of one pixel (3 for RGB, 1 for grey, 4 for CMYK).
inline QByteArray Make(int width, int height, J_COLOR_SPACE space, int quality,
                       const std::function<std::vector<unsigned char>(int, int)>& pixel) {
    const int components = space == JCS_GRAYSCALE ? 1 : space == JCS_CMYK ? 4 : 3;
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    jpeg_mem_dest(&info, &out, &outSize);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(std::size_t(width * components));
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            const auto p = pixel(x, int(info.next_scanline));
            for (int c = 0; c < components; ++c)
                row[std::size_t(x * components + c)] = p[std::size_t(c)];
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(outSize));
    std::free(out);
    return bytes;
}

// Left half red, right half blue.
inline QByteArray RedBlue(int width = 16, int height = 8) {
    return Make(width, height, JCS_RGB, 100, [width](int x, int) {
        return x < width / 2 ? std::vector<unsigned char>{255, 0, 0}
                             : std::vector<unsigned char>{0, 0, 255};
    });
}

} // namespace jpegtest
