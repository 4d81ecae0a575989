#pragma once
// RLE8, RLE4 and (OS/2) RLE24 decoders of the BMP reader.

#include <cstddef>
#include <cstdint>

#include "platform/image/bitmap.h"

namespace vexo::bmp {

// Decodes the compressed stream [data, data + size) into a zero-filled bitmap of the layout's
// size and depth (8 bits for RLE8, 4 bits for RLE4), counting rows from the bottom as the
// stream does. paletteSize bounds the indices. Raises EInvalidGraphic on a run past its row,
// a move past the picture, an index beyond the palette or a stream that ends before the
// end-of-bitmap escape (a stream whose last end-of-line closed the top row may omit it).
void DecodeRle8(const std::uint8_t* data, std::size_t size, int paletteSize, TBitmap& bitmap);
void DecodeRle4(const std::uint8_t* data, std::size_t size, int paletteSize, TBitmap& bitmap);
// The same grammar with 3-byte (blue, green, red) pixels into a zero-filled 24-bit bitmap.
void DecodeRle24(const std::uint8_t* data, std::size_t size, TBitmap& bitmap);

} // namespace vexo::bmp
