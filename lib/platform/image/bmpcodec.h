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
// Accepted: info headers of 12 (OS/2 1.x core), 40, 52, 56, 108 and 124 bytes (Windows) and
// every other size from 16 to 64 bytes (OS/2 2.x, whose fields beyond the header's size are
// zero, and whose palette entries are 4 bytes, or 3 where the pixel offset leaves room for no
// more); BI_RGB at 1, 2, 4, 8, 16, 24, 32 and 64 bits; BI_RLE8 at 8 and BI_RLE4 at 4 bits and
// OS/2's RLE24 at 24 bits (bottom-up only); BI_BITFIELDS and BI_ALPHABITFIELDS at 16 and 32
// bits; a JPEG (BI_JPEG) or PNG (BI_PNG) stream as the pixel data.
//
// Pictures keep their pixel format where a bitmap can hold it. The others are decoded into
// the nearest format a bitmap holds, which is also the format they are written in: 2-bit
// pictures become 4-bit with the same palette; 64-bit ones (16-bit fixed point per channel,
// 8192 = 1.0, colours in linear light) 32-bit with an alpha mask, clamped to 0..1 and the
// colours encoded as sRGB; JPEG streams 24-bit; PNG streams 24-bit or, with transparency,
// 32-bit with an alpha mask.
//
// Written: uncompressed, bottom-up, in the bitmap's pixel format (RLE pictures at their bit
// depth, 16-bit BI_RGB as 5-5-5).

#include <QByteArray>
#include <QVector>
#include <cstddef>
#include <cstdint>

#include "platform/image/bitmap.h"

namespace vexo {

// The compression codes of Windows headers; OS/2 2.x headers number theirs differently, and
// their RLE24 (code 4 there) is kept apart from BI_JPEG here.
enum class TBmpCompression : std::uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3,
    Jpeg = 4,
    Png = 5,
    AlphaBitFields = 6,
    Rle24 = 0x104, // OS/2 2.x code 4
};

// Everything about a BMP file except its pixels, as found and validated by ParseBmpHeader.
struct TBmpLayout {
    int Width = 0;
    int Height = 0;   // rows; always >= 0 (TopDown tells the direction)
    int BitCount = 0; // as the file says; 0 for JPEG and PNG streams
    TBmpCompression Compression = TBmpCompression::Rgb;
    bool TopDown = false;
    int HeaderSize = 0;             // size of the info header in the file
    QVector<std::uint32_t> Palette; // 0x00RRGGBB; only for 1, 2, 4 and 8 bits
    TBitFields BitFields;           // all zero for BI_RGB, as TBitmap keeps them
    std::size_t PixelOffset = 0;    // where pixel data starts in the file
    std::size_t PixelBytes = 0;     // pixel bytes available: Stride * Height when uncompressed
    std::size_t Stride = 0;         // bytes per uncompressed row, padding included

    // Run-length encoded, or a JPEG or PNG stream: the pixels are not rows in the file.
    bool IsCompressed() const {
        return Compression == TBmpCompression::Rle8 || Compression == TBmpCompression::Rle4 ||
               Compression == TBmpCompression::Rle24 || Compression == TBmpCompression::Jpeg ||
               Compression == TBmpCompression::Png;
    }
    // True when the file's rows are not rows of a bitmap in the file's own format: compressed
    // data, and the 2 and 64-bit depths, which a bitmap holds in another format. DecodeBmp
    // gives the bitmap then.
    bool NeedsDecoding() const { return IsCompressed() || BitCount == 2 || BitCount == 64; }
    // True when the palette is shorter than the depth can address, so uncompressed rows may
    // hold indices beyond it (see BmpRowInPalette).
    bool NeedsIndexCheck() const {
        return BitCount >= 1 && BitCount <= 8 && Palette.size() < (qsizetype(1) << BitCount);
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

// Decodes the pixels of a file whose layout ParseBmpHeader gave, compressed ones included,
// into a bitmap in the format described above. Raises EInvalidGraphic for runs past the row
// or the picture, truncated data, palette indices beyond the palette, and JPEG or PNG
// streams that are damaged or whose size is not the header's. Pixels an RLE stream does not
// write stay index 0 (black at 24 bits).
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
