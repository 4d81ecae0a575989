#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <png.h>
#include <vector>

#include "platform/image/bmpformat_p.h"
#include "platform/image/bmpstreams_p.h"

namespace vexo::bmp {

namespace {

// libpng reports fatal errors by a long jump back to the setjmp of the routine that called
// it. The routines below hold only plain data between the two, so the jump skips no C++
// clean-up; they report the failure by their result and the caller raises.
struct Reader {
    png_structp png = nullptr;
    png_infop info = nullptr;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t at = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length) {
    auto* r = static_cast<Reader*>(png_get_io_ptr(png));
    if (length > r->size - r->at)
        png_error(png, "truncated stream");
    std::memcpy(out, r->data + r->at, length);
    r->at += length;
}

void Warn(png_structp, png_const_charp) {}

// The header and the conversions to 8-bit blue, green, red (and alpha); false for bad data.
bool ReadHeader(Reader& r, int maxWidth, int maxHeight, bool& alpha, int& passes) {
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    png_set_user_limits(r.png, png_uint_32(maxWidth), png_uint_32(maxHeight));
    png_set_read_fn(r.png, &r, ReadFromMemory);
    png_read_info(r.png, r.info);
    const int type = png_get_color_type(r.png, r.info);
    alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(r.png, r.info, PNG_INFO_tRNS);
    png_set_expand(r.png); // palette, grey below 8 bits and a transparent colour
    png_set_scale_16(r.png);
    png_set_gray_to_rgb(r.png);
    if (!alpha)
        png_set_strip_alpha(r.png);
    png_set_bgr(r.png);
    passes = png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return png_get_rowbytes(r.png, r.info) ==
           std::size_t(png_get_image_width(r.png, r.info)) * (alpha ? 4u : 3u);
}

// Every pass of every row into `rows` (which an interlaced picture fills in passes).
bool ReadRows(Reader& r, png_bytep* rows, int height, int passes) {
    if (setjmp(png_jmpbuf(r.png)))
        return false;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < height; ++y)
            png_read_row(r.png, rows[y], nullptr);
    png_read_end(r.png, nullptr);
    return true;
}

} // namespace

TBitmap DecodePngStream(const std::uint8_t* data, std::size_t size, int width, int height) {
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0)
        Invalid();
    Reader r;
    r.data = data;
    r.size = size;
    r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, Warn);
    if (r.png != nullptr)
        r.info = png_create_info_struct(r.png);
    struct Cleanup {
        Reader& r;
        ~Cleanup() { png_destroy_read_struct(&r.png, r.info ? &r.info : nullptr, nullptr); }
    } cleanup{r};
    if (r.info == nullptr)
        throw EOutOfResources(QStringLiteral("Out of system resources"));

    bool alpha = false;
    int passes = 1;
    // The header's size bounds the stream's, before anything is allocated for it.
    if (!ReadHeader(r, std::max(width, 1), std::max(height, 1), alpha, passes) ||
        int(png_get_image_width(r.png, r.info)) != width ||
        int(png_get_image_height(r.png, r.info)) != height)
        Invalid();
    TBitmap bitmap;
    bitmap.Allocate(width, height, alpha ? 32 : 24);
    if (alpha)
        bitmap.SetBitFields(AlphaFields);
    std::vector<png_bytep> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[std::size_t(y)] = bitmap.ScanLine(y);
    if (!ReadRows(r, rows.data(), height, passes))
        Invalid();
    return bitmap;
}

} // namespace vexo::bmp
