#pragma once
// The block transfer with a ternary raster operation: D' = f(P, S, D) bitwise on the
// destination's raw pixel values, after the source has been converted to the destination's
// pixel format. P is a solid brush (white unless given).

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/types.h"

namespace vexo {

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

} // namespace vexo
