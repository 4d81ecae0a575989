#pragma once
// The pixel format of a bitmap row as the pixel engines see it: depth, palette and channel
// masks. Callers that stream rows without a TBitmap (straight from a file header) describe
// their rows with it too.

#include <QVector>
#include <cstdint>

#include "platform/image/bitmap.h"
#include "platform/runtime/types.h"

namespace vexo {

struct VEXO_PLATFORM_EXPORT TPixelFormat {
    int BitCount = 24;              // 1, 4, 8, 16, 24 or 32
    QVector<std::uint32_t> Palette; // 0x00RRGGBB, paletted depths only; may be short
    TBitFields Masks;               // 16 and 32 bits; all zero means the depth's default

    bool IsPaletted() const { return BitCount <= 8; }
    // The masks in force: Masks, or 5-5-5 / 8-8-8 when they are all zero.
    TBitFields EffectiveMasks() const;
    // The number of palette entries a pixel can address: min(Palette size, 2^BitCount).
    int UsablePaletteSize() const;

    static TPixelFormat Of(const TBitmap& bitmap);
    static TPixelFormat Paletted(int bitCount, const QVector<std::uint32_t>& palette);
    static TPixelFormat Rgb555();
    static TPixelFormat Rgb565();
    static TPixelFormat Rgb24();
    // 0x00RRGGBB words: blue, green, red and a spare byte in memory order.
    static TPixelFormat Rgb32();

    friend bool operator==(const TPixelFormat&, const TPixelFormat&) = default;
};

// 0x00BBGGRR (TColor, red in the low byte) to 0x00RRGGBB (palette order) and back.
constexpr std::uint32_t ColorToRgb(TColor c) {
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
constexpr TColor RgbToColor(std::uint32_t rgb) {
    return ColorToRgb(rgb);
}

// The palette entry nearest to `rgb` by squared RGB distance, the lowest index on ties,
// among the first `count` entries; 0 when count is 0.
VEXO_PLATFORM_EXPORT int NearestPaletteIndex(const QVector<std::uint32_t>& palette, int count,
                                             std::uint32_t rgb);

// The raw pixel value of `rgb` (0x00RRGGBB) in `format`, exactly as a solid brush of that
// colour: the nearest usable palette entry; channels truncated to their field widths with
// unused bits zero (white is 0x7FFF in 5-5-5, 0xFFFF in 5-6-5, 0x00FFFFFF in 32 bits).
VEXO_PLATFORM_EXPORT std::uint32_t PixelValueOf(const TPixelFormat& format, std::uint32_t rgb);

} // namespace vexo
