#pragma once
// The block transfer with a ternary raster operation: D' = f(P, S, D) bitwise on the
// destination's raw pixel values, after the source has been converted to the destination's
// pixel format. P is a solid brush (white unless given).

#include <array>
#include <cstdint>
#include <memory>

#include "platform/image/bitmap.h"
#include "platform/image/pixelformat.h"
#include "platform/runtime/types.h"

namespace vexo {

// The fifteen named ternary raster-operation codes, and the same codes as a table in
// alphabetical order of their names.
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t MERGECOPY = 0x00C000CA;
constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t PATPAINT = 0x00FB0A09;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCERASE = 0x00440328;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t WHITENESS = 0x00FF0062;

struct TNamedRop {
    const char* Name;
    std::uint32_t Code;
};
constexpr std::array<TNamedRop, 15> NamedRops = {{
    {"BLACKNESS", BLACKNESS},
    {"DSTINVERT", DSTINVERT},
    {"MERGECOPY", MERGECOPY},
    {"MERGEPAINT", MERGEPAINT},
    {"NOTSRCCOPY", NOTSRCCOPY},
    {"NOTSRCERASE", NOTSRCERASE},
    {"PATCOPY", PATCOPY},
    {"PATINVERT", PATINVERT},
    {"PATPAINT", PATPAINT},
    {"SRCAND", SRCAND},
    {"SRCCOPY", SRCCOPY},
    {"SRCERASE", SRCERASE},
    {"SRCINVERT", SRCINVERT},
    {"SRCPAINT", SRCPAINT},
    {"WHITENESS", WHITENESS},
}};

// Combines `src` into `dst` over the rectangle (0, 0, width, height) of both, without
// scaling. Where `src` is smaller, operations that read S leave the destination pixels
// outside its extent unchanged; operations that do not read S cover the whole rectangle.
// The rectangle is clipped to the destination.
VEXO_PLATFORM_EXPORT void RopBlt(TBitmap& dst, const TBitmap& src, int width, int height,
                                 std::uint32_t rop, TColor brush = clWhite);

// The truth table (bits 16-23) indexes its bits by P*4 + S*2 + D: P is 0xF0, S 0xCC, D 0xAA.
constexpr bool RopUsesSource(std::uint32_t rop) {
    const std::uint32_t t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

// One prepared operation on rows: destination format, source format, code and brush are
// fixed; rows are combined one at a time. RopBlt uses it; streaming callers use it on rows
// they read themselves. Not thread-safe (it fetches colour tables on first use); use one per
// thread.
class VEXO_PLATFORM_EXPORT TRopRowCombiner {
public:
    // `brush` is an RGB colour (red in the low byte); system colours are not resolved here.
    // Raises EInvalidGraphic for a depth other than 1, 4, 8, 16, 24 or 32.
    TRopRowCombiner(const TPixelFormat& target, const TPixelFormat& source, std::uint32_t rop,
                    TColor brush = clWhite);
    ~TRopRowCombiner();
    TRopRowCombiner(TRopRowCombiner&&) noexcept;
    TRopRowCombiner& operator=(TRopRowCombiner&&) noexcept;
    TRopRowCombiner(const TRopRowCombiner&) = delete;
    TRopRowCombiner& operator=(const TRopRowCombiner&) = delete;

    bool UsesSource() const;
    // The brush as a raw destination pixel value.
    std::uint32_t PatternValue() const;

    // Combines the first `width` pixels of `dstRow` with the source row `srcRowOrNull`, which
    // holds `srcPixels` pixels. When the operation reads S, only the first
    // min(width, srcPixels) pixels change, and none when the row is null (the source has no
    // such row); otherwise all `width` pixels do. Bits of `dstRow` beyond the combined pixels
    // are never written. The source row may be the destination row itself.
    void CombineRow(std::uint8_t* dstRow, const std::uint8_t* srcRowOrNull, int srcPixels,
                    int width);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace vexo
