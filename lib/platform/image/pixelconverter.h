#pragma once
// Converts rows of one pixel format into raw rows of another, the way the raster engine
// feeds a source into a destination:
// - paletted target: the nearest palette entry (squared RGB distance, lowest index on ties);
//   for an 8-bit target fed from a 16, 24 or 32-bit source each channel is first reduced to
//   (v AND NOT 7) + 4;
// - 16 and 32-bit targets: channels truncated to their field widths; bits outside the
//   colour fields are zero, except that a 16 or 32-bit source with the same colour masks is
//   copied raw (so the spare byte of a 32-bit pixel travels with it);
// - 24-bit target: the 8-bit channels.
// Source colours from bit fields are widened to 8 bits by repeating their top bits.

#include <cstdint>
#include <memory>

#include "platform/image/pixelformat.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TPixelConverter {
public:
    // Raises EInvalidGraphic for a depth other than 1, 4, 8, 16, 24 or 32.
    TPixelConverter(const TPixelFormat& source, const TPixelFormat& target);
    ~TPixelConverter();
    TPixelConverter(TPixelConverter&&) noexcept;
    TPixelConverter& operator=(TPixelConverter&&) noexcept;
    TPixelConverter(const TPixelConverter&) = delete;
    TPixelConverter& operator=(const TPixelConverter&) = delete;

    const TPixelFormat& Source() const;
    const TPixelFormat& Target() const;
    // True when a source row already is a target row (same direct-colour layout).
    bool IsIdentity() const;

    // Converts `count` pixels of the source row `src` into `dst`, which receives
    // TBitmap::RowBytesFor(count, target depth) bytes at most: ceil(count * bits / 8) are
    // written, unused low bits of a last partial byte are zero. Not thread-safe: the
    // converter fetches its nearest-colour tables on first use.
    void ConvertRow(const std::uint8_t* src, int count, std::uint8_t* dst);

    // The target raw value of a source pixel whose colour is `rgb` (0x00RRGGBB), with the
    // same rules as ConvertRow (the 8-bit channel reduction applies for direct-colour
    // sources). Bits outside the colour fields are zero.
    std::uint32_t ConvertColor(std::uint32_t rgb);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace vexo
