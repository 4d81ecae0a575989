#include "graphics/dibits.h"

#include <array>

#include "platform/image/pixelformat.h"

namespace vexo {

namespace {

// 32-bit pixels whose channels sit in the buffer's own places: rows copy without conversion.
bool IsPlain32(const TBitmap& b) {
    if (b.BitCount() != 32)
        return false;
    const TBitFields f = b.EffectiveBitFields();
    return f.Red == 0x00FF0000 && f.Green == 0x0000FF00 && f.Blue == 0x000000FF;
}

bool ValidHeader(const TBitmapInfoHeader& h) {
    return h.biSize == 40 && h.biPlanes == 1 && h.biBitCount == 32 && h.biCompression == BI_RGB &&
           h.biWidth > 0 && h.biHeight > 0 && h.biWidth <= TBitmap::MaxDimension &&
           h.biHeight <= TBitmap::MaxDimension;
}

bool HasRoomFor(const TvexoBitmapArray& area, int width, int height) {
    return area.Bits != nullptr && area.Size >= 0 &&
           std::int64_t(width) * height * 4 <= std::int64_t(area.Size);
}

// Colour -> raw value in a bitmap's own format. Nearest-palette searches are costly, and
// pictures repeat colours, so results are remembered in a small direct-mapped table.
class ColourEncoder {
public:
    explicit ColourEncoder(const TBitmap& bitmap) : format_(TPixelFormat::Of(bitmap)) {
        keys_.fill(kEmpty);
    }
    std::uint32_t operator()(std::uint32_t rgb) {
        rgb &= 0x00FFFFFFu;
        const std::size_t slot = (rgb * 2654435761u) >> (32 - kBits);
        if (keys_[slot] != rgb) {
            keys_[slot] = rgb;
            values_[slot] = PixelValueOf(format_, rgb);
        }
        return values_[slot];
    }

private:
    static constexpr int kBits = 12;
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFFu; // no colour has the top byte set
    TPixelFormat format_;
    std::array<std::uint32_t, std::size_t(1) << kBits> keys_;
    std::array<std::uint32_t, std::size_t(1) << kBits> values_{};
};

} // namespace

void FillBitmapInfo(TBitmapInfo& Info, int width, int height) {
    Info = TBitmapInfo{};
    Info.bmiHeader.biWidth = width;
    Info.bmiHeader.biHeight = height;
    const std::int64_t rowBytes = ((std::int64_t(width) * 32 + 31) / 32) * 4;
    Info.bmiHeader.biSizeImage = std::uint32_t(rowBytes * height);
}

void ReadDIBRect(const TBitmap& Bitmap, int left, int top, int width, int height,
                 std::uint32_t* pixels) {
    const bool plain32 = IsPlain32(Bitmap);
    const bool rgb24 = Bitmap.BitCount() == 24;
    for (int r = 0; r < height; ++r) {
        const int y = Bitmap.Height() - 1 - (top + r);
        std::uint32_t* out = pixels + std::int64_t(r) * width;
        if (plain32 || rgb24) {
            const int step = plain32 ? 4 : 3;
            const std::uint8_t* p = Bitmap.ScanLine(y) + std::size_t(left) * step;
            for (int i = 0; i < width; ++i, p += step)
                out[i] =
                    std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16);
        } else {
            for (int i = 0; i < width; ++i)
                out[i] = Bitmap.PixelRgb(left + i, y);
        }
    }
}

void WriteDIBRect(TBitmap& Bitmap, int left, int top, int width, int height,
                  const std::uint32_t* pixels) {
    const bool plain32 = IsPlain32(Bitmap);
    const bool rgb24 = Bitmap.BitCount() == 24;
    if (plain32 || rgb24) {
        // The spare byte of a 32-bit pixel is written as 0: the buffer declares it unused.
        const int step = plain32 ? 4 : 3;
        for (int r = 0; r < height; ++r) {
            const std::uint32_t* in = pixels + std::int64_t(r) * width;
            std::uint8_t* p =
                Bitmap.ScanLine(Bitmap.Height() - 1 - (top + r)) + std::size_t(left) * step;
            for (int i = 0; i < width; ++i, p += step) {
                p[0] = std::uint8_t(in[i]);
                p[1] = std::uint8_t(in[i] >> 8);
                p[2] = std::uint8_t(in[i] >> 16);
                if (plain32)
                    p[3] = 0;
            }
        }
        return;
    }
    ColourEncoder encode(Bitmap);
    for (int r = 0; r < height; ++r) {
        const std::uint32_t* in = pixels + std::int64_t(r) * width;
        const int y = Bitmap.Height() - 1 - (top + r);
        for (int i = 0; i < width; ++i)
            Bitmap.SetPixelValue(left + i, y, encode(in[i]));
    }
}

int InternalGetDIBits(const TBitmap& Bitmap, TBitmapInfo& Info, const TvexoBitmapArray& Area) {
    const int w = Bitmap.Width();
    const int h = Bitmap.Height();
    FillBitmapInfo(Info, w, h);
    if (w <= 0 || h <= 0 || !HasRoomFor(Area, w, h))
        return 0;
    ReadDIBRect(Bitmap, 0, 0, w, h, Area.Bits);
    return h;
}

int InternalSetDIBits(TBitmap& Bitmap, const TBitmapInfo& Info, const TvexoBitmapArray& Area) {
    const TBitmapInfoHeader& hdr = Info.bmiHeader;
    if (!ValidHeader(hdr) || !HasRoomFor(Area, hdr.biWidth, hdr.biHeight))
        return 0;
    const int w = hdr.biWidth;
    const int h = hdr.biHeight;
    if (Bitmap.Width() != w || Bitmap.Height() != h) {
        // A new size keeps the bitmap's own depth, palette and masks; every row is written
        // below, so the zeroed pixels of the reallocation never show.
        Bitmap.Allocate(w, h, Bitmap.BitCount());
    }
    WriteDIBRect(Bitmap, 0, 0, w, h, Area.Bits);
    return h;
}

} // namespace vexo
