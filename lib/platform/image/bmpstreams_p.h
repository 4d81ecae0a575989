#pragma once
// Pictures that a BMP file holds as a JPEG or PNG stream (BI_JPEG, BI_PNG).

#include <cstddef>
#include <cstdint>

#include "platform/image/bitmap.h"

namespace vexo::bmp {

// 32-bit pixels with alpha: blue, green, red and alpha bytes in memory order.
inline constexpr TBitFields AlphaFields{0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};

// The JPEG stream [data, data + size) as a 24-bit bitmap. Raises EInvalidGraphic "Bitmap
// image is not valid" for a damaged stream and for one whose picture is not width x height.
TBitmap DecodeJpegStream(const std::uint8_t* data, std::size_t size, int width, int height);

// The PNG stream [data, data + size) as a 24-bit bitmap, or, when it has transparency (an
// alpha channel or a transparent colour), a 32-bit one with AlphaFields; 16-bit samples are
// scaled to 8 bits. Raises as DecodeJpegStream.
TBitmap DecodePngStream(const std::uint8_t* data, std::size_t size, int width, int height);

} // namespace vexo::bmp
