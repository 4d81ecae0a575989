#pragma once
// Our own BMP reader and writer. The reader accepts every header and compression a BMP file
// may carry and refuses malformed files with EInvalidGraphic "Bitmap image is not valid",
// never reading or writing out of bounds.
//
// Besides the whole-file ReadBmp/WriteBmp there is a streaming interface for callers that
// map files into memory: ParseBmpHeader validates the headers without touching the pixels,
// BmpRow points straight into the mapped data (no copy), DecodeBmp decodes any file (RLE
// included) into a TBitmap, and WriteBmpHeader gives the exact bytes WriteBmp puts in front
// of the pixel rows, so a writer can stream rows out itself.
//
// Accepted: info headers of 12 (OS/2 core), 40, 52, 56, 108 and 124 bytes; BI_RGB at 1, 4, 8,
// 16, 24 and 32 bits; BI_RLE8 at 8 and BI_RLE4 at 4 bits (bottom-up only); BI_BITFIELDS and
// BI_ALPHABITFIELDS at 16 and 32 bits. Written: uncompressed, bottom-up, in the pixel format
// read (RLE pictures at their bit depth, 16-bit BI_RGB as 5-5-5).

#include <QByteArray>
#include <QVector>
#include <cstddef>
#include <cstdint>

#include "platform/image/bitmap.h"

namespace vexo {

enum class TBmpCompression : std::uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    AlphaBitFields = 6,
};

// Everything about a BMP file except its pixels, as found and validated by ParseBmpHeader.
struct TBmpLayout {
    int Width = 0;
    int Height = 0; // rows; always >= 0 (TopDown tells the direction)
    int BitCount = 0;
    TBmpCompression Compression = TBmpCompression::Rgb;
    bool TopDown = false;
    int HeaderSize = 0;             // size of the info header in the file
    QVector<std::uint32_t> Palette; // 0x00RRGGBB; only for 1, 4 and 8 bits
    TBitFields BitFields;           // all zero for BI_RGB, as TBitmap keeps them
    std::size_t PixelOffset = 0;    // where pixel data starts in the file
    std::size_t PixelBytes = 0;     // pixel bytes available: Stride * Height when uncompressed
    std::size_t Stride = 0;         // bytes per uncompressed row, padding included

    bool IsCompressed() const {
        return Compression == TBmpCompression::Rle8 || Compression == TBmpCompression::Rle4;
    }
    // True when the palette is shorter than the depth can address, so uncompressed rows may
    // hold indices beyond it (see BmpRowInPalette).
    bool NeedsIndexCheck() const {
        return BitCount <= 8 && Palette.size() < (qsizetype(1) << BitCount);
    }
};

// Parses and validates the file and info headers, the bit-field masks and the palette; for
// uncompressed files also checks that every row lies inside the data. Does not look at the
// pixels: a paletted file whose palette is short may still hold indices beyond it
// (NeedsIndexCheck, BmpRowInPalette); compressed data is checked while DecodeBmp runs.
// Raises EInvalidGraphic "Bitmap image is not valid".
VEXO_PLATFORM_EXPORT TBmpLayout ParseBmpHeader(const std::uint8_t* data, std::size_t size);

// Row y counted from the top of an uncompressed file, pointing into data (Stride bytes).
// The layout must come from ParseBmpHeader of the same data; y must be in [0, Height).
inline const std::uint8_t* BmpRow(const std::uint8_t* data, const TBmpLayout& layout, int y) {
    const std::size_t fileRow =
        layout.TopDown ? std::size_t(y) : std::size_t(layout.Height - 1 - y);
    return data + layout.PixelOffset + fileRow * layout.Stride;
}

// False when a row of a paletted layout holds a palette index beyond its palette.
VEXO_PLATFORM_EXPORT bool BmpRowInPalette(const TBmpLayout& layout, const std::uint8_t* row);

// Decodes the pixels of a file whose layout ParseBmpHeader gave, RLE included. Raises
// EInvalidGraphic for runs past the row or the picture, truncated data and palette indices
// beyond the palette. Pixels an RLE stream does not write stay index 0.
VEXO_PLATFORM_EXPORT TBitmap DecodeBmp(const std::uint8_t* data, std::size_t size,
                                       const TBmpLayout& layout);

VEXO_PLATFORM_EXPORT TBitmap ReadBmp(const std::uint8_t* data, std::size_t size);
VEXO_PLATFORM_EXPORT TBitmap ReadBmp(const QByteArray& data);

// The file header, info header, masks and palette that WriteBmp writes for a bitmap of this
// geometry and format; the pixel rows follow at once, bottom row first, each
// TBitmap::RowBytesFor(width, bitCount) bytes. Masks are used at 16 and 32 bits only (with an
// alpha mask the header is the 108-byte one), the palette at 1, 4 and 8 bits (at most
// 2^bitCount entries).
VEXO_PLATFORM_EXPORT QByteArray WriteBmpHeader(int width, int height, int bitCount,
                                               const QVector<std::uint32_t>& palette,
                                               const TBitFields& fields);
VEXO_PLATFORM_EXPORT QByteArray WriteBmpHeader(const TBitmap& bitmap);

VEXO_PLATFORM_EXPORT QByteArray WriteBmp(const TBitmap& bitmap);

} // namespace vexo
