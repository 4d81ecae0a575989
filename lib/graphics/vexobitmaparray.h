#pragma once
// A plain 32-bit pixel buffer over a rectangular area of a bitmap, and the pixel layout it
// uses: one 32-bit value per pixel, byte 0 blue, byte 1 green, byte 2 red, byte 3 unused, so a
// pixel read as a number is 0x00RRGGBB (not the TColor layout). Rows run bottom-up: buffer
// row 0 is the lowest row of the area; rows have no padding.

#include <cstdint>

namespace vexo {

using TArrayElement = std::uint32_t;
using PArray = TArrayElement*;

// The four-byte view of one buffer pixel.
struct TRGBRecord {
    std::uint8_t Blue;
    std::uint8_t Green;
    std::uint8_t Red;
    std::uint8_t Reserved;
};
static_assert(sizeof(TRGBRecord) == 4);

struct TvexoBitmapArray {
    std::int32_t Left = 0;   // first column of the area in the bitmap
    std::int32_t Top = 0;    // first buffer row, counted from the bottom row of the bitmap
    std::int32_t Width = 0;  // in pixels
    std::int32_t Height = 0; // in pixels
    std::int32_t Size = 0;   // buffer bytes: Width * Height * 4
    PArray Bits = nullptr;   // the pixels; null when there is no buffer
};
using PvexoBitmapArray = TvexoBitmapArray*;

// The pixel count a record may address: Width * Height when positive and covered by Size,
// otherwise 0. Routines that are handed records built by hand use it so that an inconsistent
// record is treated as empty rather than read past its end.
constexpr std::int64_t UsablePixels(const TvexoBitmapArray& a) {
    if (a.Bits == nullptr || a.Width <= 0 || a.Height <= 0)
        return 0;
    const std::int64_t n = std::int64_t(a.Width) * a.Height;
    return n * 4 <= a.Size ? n : 0;
}

// Pixel value helpers for the 0x00RRGGBB layout.
constexpr std::uint32_t RedOf(std::uint32_t p) {
    return (p >> 16) & 0xFF;
}
constexpr std::uint32_t GreenOf(std::uint32_t p) {
    return (p >> 8) & 0xFF;
}
constexpr std::uint32_t BlueOf(std::uint32_t p) {
    return p & 0xFF;
}
constexpr std::uint32_t MakePixel(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (r << 16) | (g << 8) | b;
}

} // namespace vexo
