#pragma once
// PNG streams for tests, written with libpng: every colour type, bit depth and interlacing the
// BMP reader must take from a BI_PNG file.

#include <QByteArray>
#include <cstdint>
#include <png.h>
#include <vector>

namespace pngtest {

struct Picture {
    int width = 0;
    int height = 0;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<std::uint8_t> samples;         // rows packed as libpng takes them, top row first
    std::vector<png_color> palette;            // PNG_COLOR_TYPE_PALETTE
    std::vector<std::uint8_t> paletteAlpha;    // tRNS for a palette
    const png_color_16* transparent = nullptr; // tRNS for grey or RGB
};

inline void Append(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<QByteArray*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), qsizetype(length));
}

inline void NoFlush(png_structp) {}

inline QByteArray Write(const Picture& p) {
    QByteArray out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return QByteArray();
    }
    png_set_write_fn(png, &out, Append, NoFlush);
    png_set_IHDR(png, info, png_uint_32(p.width), png_uint_32(p.height), p.bitDepth, p.colorType,
                 p.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!p.palette.empty())
        png_set_PLTE(png, info, p.palette.data(), int(p.palette.size()));
    if (!p.paletteAlpha.empty())
        png_set_tRNS(png, info, p.paletteAlpha.data(), int(p.paletteAlpha.size()), nullptr);
    if (p.transparent != nullptr)
        png_set_tRNS(png, info, nullptr, 0, const_cast<png_color_16*>(p.transparent));
    png_write_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows(static_cast<std::size_t>(p.height));
    for (int y = 0; y < p.height; ++y)
        rows[std::size_t(y)] = const_cast<png_bytep>(p.samples.data() + std::size_t(y) * rowBytes);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace pngtest
