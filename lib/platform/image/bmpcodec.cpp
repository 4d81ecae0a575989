#include "platform/image/bmpcodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/image/bmpformat_p.h"
#include "platform/image/bmprle_p.h"

namespace vexo {

using namespace bmp;

namespace {

bool ValidCombination(TBmpCompression compression, int bitCount, bool topDown) {
    switch (compression) {
    case TBmpCompression::Rgb:
        return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32;
    case TBmpCompression::Rle8:
        return bitCount == 8 && !topDown; // a top-down picture cannot be compressed
    case TBmpCompression::Rle4:
        return bitCount == 4 && !topDown;
    case TBmpCompression::BitFields:
    case TBmpCompression::AlphaBitFields:
        return bitCount == 16 || bitCount == 32;
    }
    return false;
}

bool ValidHeaderSize(std::uint32_t size) {
    // OS/2 2.x headers (16 to 64 bytes) give other meanings to the compression codes, so they
    // are refused rather than misread.
    return size == CoreHeaderSize || size == InfoHeaderSize || size == 52 || size == 56 ||
           size == V4HeaderSize || size == 124;
}

bool ContiguousMask(std::uint32_t mask) {
    if (mask == 0)
        return false;
    mask >>= std::countr_zero(mask);
    return (mask & (mask + 1)) == 0;
}

// Red, green and blue must each be one non-empty run of bits; alpha may be absent. The masks
// must not overlap and must lie inside the pixel.
bool ValidMasks(const TBitFields& f, int bitCount) {
    const std::uint32_t limit = bitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    if (!ContiguousMask(f.Red) || !ContiguousMask(f.Green) || !ContiguousMask(f.Blue))
        return false;
    if (f.Alpha != 0 && !ContiguousMask(f.Alpha))
        return false;
    const std::uint32_t all = f.Red | f.Green | f.Blue | f.Alpha;
    if ((all & ~limit) != 0)
        return false;
    return std::popcount(f.Red) + std::popcount(f.Green) + std::popcount(f.Blue) +
               std::popcount(f.Alpha) ==
           std::popcount(all);
}

} // namespace

TBmpLayout ParseBmpHeader(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        Invalid();
    const std::uint32_t offBits = Get32(data + 10);
    const std::uint32_t headerSize = Get32(data + 14);
    if (!ValidHeaderSize(headerSize) || size - FileHeaderSize < headerSize)
        Invalid();
    const std::uint8_t* h = data + FileHeaderSize;

    TBmpLayout layout;
    layout.HeaderSize = int(headerSize);
    std::int64_t width;
    std::int64_t height;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::size_t entrySize;
    if (headerSize == CoreHeaderSize) {
        width = Get16(h + 4);
        height = Get16(h + 6);
        layout.BitCount = Get16(h + 10);
        entrySize = 3;
    } else {
        width = std::int32_t(Get32(h + 4));
        height = std::int32_t(Get32(h + 8));
        layout.BitCount = Get16(h + 14);
        compression = Get32(h + 16);
        coloursUsed = Get32(h + 32);
        entrySize = 4;
    }
    if (height < 0) {
        layout.TopDown = true;
        height = -height;
    }
    if (width < 0 || width > TBitmap::MaxDimension || height > TBitmap::MaxDimension)
        Invalid();
    layout.Width = int(width);
    layout.Height = int(height);
    layout.Compression = TBmpCompression(compression);
    if (!ValidCombination(layout.Compression, layout.BitCount, layout.TopDown))
        Invalid();

    std::size_t tableStart = FileHeaderSize + headerSize;
    if (layout.Compression == TBmpCompression::BitFields ||
        layout.Compression == TBmpCompression::AlphaBitFields) {
        const bool withAlpha = layout.Compression == TBmpCompression::AlphaBitFields;
        TBitFields& f = layout.BitFields;
        if (headerSize == InfoHeaderSize) {
            // The masks follow the 40-byte header.
            const std::size_t maskBytes = withAlpha ? 16 : 12;
            if (size - tableStart < maskBytes)
                Invalid();
            const std::uint8_t* m = data + tableStart;
            f = {Get32(m), Get32(m + 4), Get32(m + 8), withAlpha ? Get32(m + 12) : 0u};
            tableStart += maskBytes;
        } else {
            // Larger headers carry the masks themselves; alpha from 56 bytes on.
            f = {Get32(h + 40), Get32(h + 44), Get32(h + 48),
                 headerSize >= 56 ? Get32(h + 52) : 0u};
        }
        if (!ValidMasks(f, layout.BitCount))
            Invalid();
    }

    if (offBits < tableStart || offBits > size)
        Invalid();
    layout.PixelOffset = offBits;

    if (layout.BitCount <= 8) {
        const std::uint32_t full = 1u << layout.BitCount;
        std::uint32_t count = (coloursUsed == 0 || coloursUsed > full) ? full : coloursUsed;
        // A palette cut short by the pixel offset keeps the entries that fit; indices
        // beyond it are refused when the pixels are read.
        count = std::min<std::uint32_t>(count, std::uint32_t((offBits - tableStart) / entrySize));
        layout.Palette.resize(qsizetype(count));
        const std::uint8_t* e = data + tableStart;
        for (std::uint32_t i = 0; i < count; ++i, e += entrySize)
            layout.Palette[qsizetype(i)] =
                (std::uint32_t(e[2]) << 16) | (std::uint32_t(e[1]) << 8) | e[0];
        if (count == 0 && width > 0 && height > 0)
            Invalid();
    }

    const std::int64_t stride = TBitmap::RowBytesFor(layout.Width, layout.BitCount);
    const std::int64_t pixelBytes = stride * height;
    if (pixelBytes > TBitmap::MaxPixelBytes)
        Invalid();
    layout.Stride = std::size_t(stride);
    const std::size_t available = size - offBits;
    if (layout.IsCompressed()) {
        const std::uint32_t imageSize = Get32(h + 20);
        layout.PixelBytes =
            imageSize != 0 ? std::min<std::size_t>(imageSize, available) : available;
    } else {
        if (std::uint64_t(pixelBytes) > available)
            Invalid();
        layout.PixelBytes = std::size_t(pixelBytes);
    }
    return layout;
}

bool BmpRowInPalette(const TBmpLayout& layout, const std::uint8_t* row) {
    if (!layout.NeedsIndexCheck())
        return true;
    const int n = int(layout.Palette.size());
    const int w = layout.Width;
    switch (layout.BitCount) {
    case 8:
        for (int x = 0; x < w; ++x)
            if (row[x] >= n)
                return false;
        return true;
    case 4:
        for (int x = 0; x < w; ++x)
            if (((x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4)) >= n)
                return false;
        return true;
    default: // 1 bit: a palette of one entry allows index 0 only
        if (n == 0)
            return w == 0;
        for (int x = 0; x < w; ++x)
            if ((row[x >> 3] >> (7 - (x & 7))) & 1)
                return false;
        return true;
    }
}

TBitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const TBmpLayout& layout) {
    if (data == nullptr || layout.PixelOffset > size ||
        size - layout.PixelOffset < layout.PixelBytes)
        Invalid();
    TBitmap bitmap;
    // RLE leaves pixels it does not write at index 0; uncompressed rows are written whole.
    if (layout.IsCompressed())
        bitmap.Allocate(layout.Width, layout.Height, layout.BitCount);
    else
        bitmap.AllocateUninitialized(layout.Width, layout.Height, layout.BitCount);
    bitmap.SetPalette(layout.Palette);
    bitmap.SetBitFields(layout.BitFields);
    const std::uint8_t* pixels = data + layout.PixelOffset;
    const int paletteSize = int(layout.Palette.size());
    if (layout.Compression == TBmpCompression::Rle8) {
        DecodeRle8(pixels, layout.PixelBytes, paletteSize, bitmap);
        return bitmap;
    }
    if (layout.Compression == TBmpCompression::Rle4) {
        DecodeRle4(pixels, layout.PixelBytes, paletteSize, bitmap);
        return bitmap;
    }
    // Row copies; the padding of each row is cleared so that equal pictures compare equal.
    const std::size_t usedBits = std::size_t(layout.Width) * std::size_t(layout.BitCount);
    const std::size_t fullBytes = usedBits / 8;
    const int restBits = int(usedBits % 8);
    const std::size_t stride = std::size_t(bitmap.RowBytes());
    const bool checkIndices = layout.NeedsIndexCheck();
    for (int y = 0; y < layout.Height; ++y) {
        std::uint8_t* dst = bitmap.ScanLine(y);
        const std::uint8_t* src = BmpRow(data, layout, y);
        std::memcpy(dst, src, fullBytes);
        std::size_t done = fullBytes;
        if (restBits != 0)
            dst[done++] = std::uint8_t(src[fullBytes] & (0xFF << (8 - restBits)));
        std::memset(dst + done, 0, stride - done);
        if (checkIndices && !BmpRowInPalette(layout, dst))
            Invalid();
    }
    return bitmap;
}

TBitmap ReadBmp(const std::uint8_t* data, std::size_t size) {
    return DecodeBmp(data, size, ParseBmpHeader(data, size));
}

TBitmap ReadBmp(const QByteArray& data) {
    return ReadBmp(reinterpret_cast<const std::uint8_t*>(data.constData()),
                   std::size_t(data.size()));
}

QByteArray WriteBmpHeader(int width, int height, int bitCount,
                          const QVector<std::uint32_t>& palette, const TBitFields& fields) {
    const bool validDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                            bitCount == 24 || bitCount == 32;
    if (!validDepth || width < 0 || height < 0 || width > TBitmap::MaxDimension ||
        height > TBitmap::MaxDimension)
        Invalid();
    const std::uint64_t imageBytes =
        std::uint64_t(TBitmap::RowBytesFor(width, bitCount)) * std::uint64_t(height);
    if (imageBytes > std::uint64_t(TBitmap::MaxPixelBytes))
        Invalid();
    const bool masked = (bitCount == 16 || bitCount == 32) && !fields.IsDefault();
    const bool alpha = masked && fields.Alpha != 0;
    // Plain masks follow a 40-byte header; an alpha mask needs a header that carries it.
    const int headerSize = alpha ? V4HeaderSize : InfoHeaderSize;
    const int maskBytes = masked && !alpha ? 12 : 0;
    const int colours =
        bitCount <= 8 ? int(std::min<qsizetype>(palette.size(), qsizetype(1) << bitCount)) : 0;
    const std::size_t offBits = FileHeaderSize + std::size_t(headerSize + maskBytes + 4 * colours);

    QByteArray out(qsizetype(offBits), '\0');
    auto* p = reinterpret_cast<std::uint8_t*>(out.data());
    p[0] = 'B';
    p[1] = 'M';
    Put32(p + 2, std::uint32_t(offBits + imageBytes));
    Put32(p + 10, std::uint32_t(offBits));
    std::uint8_t* h = p + FileHeaderSize;
    Put32(h, std::uint32_t(headerSize));
    Put32(h + 4, std::uint32_t(width));
    Put32(h + 8, std::uint32_t(height)); // positive: bottom-up
    Put16(h + 12, 1);
    Put16(h + 14, std::uint32_t(bitCount));
    Put32(h + 16, std::uint32_t(masked ? TBmpCompression::BitFields : TBmpCompression::Rgb));
    Put32(h + 20, std::uint32_t(imageBytes));
    Put32(h + 32, std::uint32_t(colours));
    std::uint8_t* m = alpha ? h + 40 : h + headerSize;
    if (masked) {
        Put32(m, fields.Red);
        Put32(m + 4, fields.Green);
        Put32(m + 8, fields.Blue);
    }
    if (alpha) {
        Put32(m + 12, fields.Alpha);
        Put32(h + 56, 0x73524742); // LCS_sRGB
    }
    std::uint8_t* e = h + headerSize + maskBytes;
    for (int i = 0; i < colours; ++i, e += 4) {
        const std::uint32_t c = palette[i];
        e[0] = std::uint8_t(c);
        e[1] = std::uint8_t(c >> 8);
        e[2] = std::uint8_t(c >> 16);
    }
    return out;
}

QByteArray WriteBmpHeader(const TBitmap& bitmap) {
    return WriteBmpHeader(bitmap.Width(), bitmap.Height(), bitmap.BitCount(), bitmap.Palette(),
                          bitmap.BitFields());
}

QByteArray WriteBmp(const TBitmap& bitmap) {
    const QByteArray header = WriteBmpHeader(bitmap);
    const std::size_t stride = std::size_t(bitmap.RowBytes());
    const int height = bitmap.Height();
    QByteArray out(header.size() + qsizetype(stride * std::size_t(height)), Qt::Uninitialized);
    std::memcpy(out.data(), header.constData(), std::size_t(header.size()));
    auto* dst = reinterpret_cast<std::uint8_t*>(out.data()) + header.size();
    for (int y = height - 1; y >= 0; --y, dst += stride)
        std::memcpy(dst, bitmap.ScanLine(y), stride);
    return out;
}

} // namespace vexo
