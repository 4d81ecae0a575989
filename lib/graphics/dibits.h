#pragma once
// Transfers between a bitmap of any pixel format and 32-bit pixel buffers, in the layout of
// an uncompressed 32-bits-per-pixel device-independent bitmap (see vexobitmaparray.h).
//
// There is no device context here: the transfers work on the platform bitmap directly.

#include <cstdint>

#include "graphics/vexobitmaparray.h"
#include "platform/image/bitmap.h"
#include "vexo/graphics_export.h"

namespace vexo {

constexpr std::uint32_t BI_RGB = 0;

struct TBitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0; // positive: rows bottom-up
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 32;
    std::uint32_t biCompression = BI_RGB;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(TBitmapInfoHeader) == 40);

struct TBitmapInfo {
    TBitmapInfoHeader bmiHeader;
    std::uint32_t bmiColors[1] = {0};
};

// Fills `Info` with the header of a 32-bit bottom-up image of the bitmap's size and reads
// every row of the bitmap into `Area.Bits` (colours as TBitmap::PixelRgb gives them). Returns
// the number of rows read: 0 for an empty bitmap or when `Area` has no room for the whole
// bitmap (Bits null or Size too small); nothing is written then.
VEXO_GRAPHICS_EXPORT int InternalGetDIBits(const TBitmap& Bitmap, TBitmapInfo& Info,
                                           const TvexoBitmapArray& Area);

// Gives the bitmap the size held in `Info` (height, then width) and writes every row from
// `Area.Bits`. The bitmap keeps its own pixel format: depth, palette and masks stay, and each
// colour is converted into that format (nearest palette entry for paletted bitmaps). Returns
// the number of rows written; 0, with the bitmap untouched, when `Info` does not describe an
// uncompressed 32-bit image of positive size or `Area` holds fewer pixels than it.
VEXO_GRAPHICS_EXPORT int InternalSetDIBits(TBitmap& Bitmap, const TBitmapInfo& Info,
                                           const TvexoBitmapArray& Area);

// Fills `Info` for a 32-bit bottom-up image of the given size.
VEXO_GRAPHICS_EXPORT void FillBitmapInfo(TBitmapInfo& Info, int width, int height);

// Rectangle transfers shared by the whole-bitmap routines and the area paths of the bitmap
// graphic. The rectangle is `width` columns from `left` and `height` rows from buffer row
// `top` (counted from the bottom row of the bitmap); `pixels` holds it bottom-up without
// padding. The caller keeps the rectangle inside the bitmap.
VEXO_GRAPHICS_EXPORT void ReadDIBRect(const TBitmap& Bitmap, int left, int top, int width,
                                      int height, std::uint32_t* pixels);
VEXO_GRAPHICS_EXPORT void WriteDIBRect(TBitmap& Bitmap, int left, int top, int width, int height,
                                       const std::uint32_t* pixels);

} // namespace vexo
