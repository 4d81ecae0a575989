#include "platform/image/bmpcodec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#include "platform/image/bmpformat_p.h"
#include "platform/image/bmprle_p.h"
#include "platform/image/bmpstreams_p.h"

namespace vexo {

using namespace bmp;

namespace {

bool ValidCombination(TBmpCompression compression, int bitCount, bool topDown) {
    switch (compression) {
    case TBmpCompression::Rgb:
        return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
               bitCount == 24 || bitCount == 32 || bitCount == 64;
    case TBmpCompression::Rle8:
        return bitCount == 8 && !topDown; // a top-down picture cannot be compressed
    case TBmpCompression::Rle4:
        return bitCount == 4 && !topDown;
    case TBmpCompression::Rle24:
        return bitCount == 24 && !topDown;
    case TBmpCompression::BitFields:
    case TBmpCompression::AlphaBitFields:
        return bitCount == 16 || bitCount == 32;
    case TBmpCompression::Jpeg:
    case TBmpCompression::Png:
        return true; // the stream decides; its size must be the header's
    }
    return false;
}

bool WindowsHeaderSize(std::uint32_t size) {
    return size == InfoHeaderSize || size == 52 || size == 56 || size == V4HeaderSize ||
           size == 124;
}

// OS/2 2.x headers may be cut anywhere from 16 to 64 bytes; 40 is read as Windows'.
bool Os2HeaderSize(std::uint32_t size) {
    return size >= 16 && size <= Os2HeaderMaxSize && !WindowsHeaderSize(size);
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

// A 32-bit field of an info header, or 0 where a shortened (OS/2 2.x) header ends before it.
std::uint32_t Field32(const std::uint8_t* h, std::uint32_t headerSize, std::uint32_t at) {
    return at + 4 <= headerSize ? Get32(h + at) : 0u;
}

} // namespace

TBmpLayout ParseBmpHeader(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < FileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M')
        Invalid();
    const std::uint32_t offBits = Get32(data + 10);
    const std::uint32_t headerSize = Get32(data + 14);
    const bool core = headerSize == CoreHeaderSize;
    const bool os2 = Os2HeaderSize(headerSize);
    if ((!core && !os2 && !WindowsHeaderSize(headerSize)) || size - FileHeaderSize < headerSize)
        Invalid();
    const std::uint8_t* h = data + FileHeaderSize;

    TBmpLayout layout;
    layout.HeaderSize = int(headerSize);
    std::int64_t width;
    std::int64_t height;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::uint32_t imageSize = 0;
    if (core) {
        width = Get16(h + 4);
        height = Get16(h + 6);
        layout.BitCount = Get16(h + 10);
    } else {
        width = std::int32_t(Get32(h + 4));
        height = std::int32_t(Get32(h + 8));
        layout.BitCount = Get16(h + 14);
        compression = Field32(h, headerSize, 16);
        imageSize = Field32(h, headerSize, 20);
        coloursUsed = Field32(h, headerSize, 32);
    }
    if (os2) {
        // OS/2 numbers its codes differently: 3 is Huffman 1D (not read here), 4 RLE24.
        if (compression == 3 || compression > 4)
            Invalid();
        if (compression == 4)
            compression = std::uint32_t(TBmpCompression::Rle24);
    } else if (compression == std::uint32_t(TBmpCompression::Rle24)) {
        Invalid(); // our own number for OS/2's code, never a Windows code
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
    if (layout.Compression == TBmpCompression::Jpeg || layout.Compression == TBmpCompression::Png) {
        layout.BitCount = 0; // the stream's own format decides, at 4 bytes a pixel at most
        if (std::int64_t(layout.Width) * layout.Height * 4 > TBitmap::MaxPixelBytes)
            Invalid();
    }

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

    if (layout.BitCount >= 1 && layout.BitCount <= 8) {
        const std::uint32_t full = 1u << layout.BitCount;
        std::uint32_t count = (coloursUsed == 0 || coloursUsed > full) ? full : coloursUsed;
        const std::size_t room = offBits - tableStart;
        // OS/2 1.x palettes have 3-byte entries; OS/2 2.x ones 4, but some writers keep the
        // 3 of the older format. That shows where the pixel offset leaves room for fewer
        // entries than the palette has: a room of whole 3-byte entries but not of whole 4-byte
        // ones. (A room that is both, 12 bytes say, is read as 4-byte entries, the format's.)
        std::size_t entrySize = core ? 3 : 4;
        if (os2 && room < std::size_t(count) * 4 && room % 4 != 0 && room % 3 == 0)
            entrySize = 3;
        // A palette cut short by the pixel offset keeps the entries that fit; indices
        // beyond it are refused when the pixels are read.
        count = std::min<std::uint32_t>(count, std::uint32_t(room / entrySize));
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
    case 2:
        for (int x = 0; x < w; ++x)
            if (((row[x >> 2] >> (6 - 2 * (x & 3))) & 3) >= n)
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

namespace {

// 2-bit rows as 4-bit ones: each index keeps its value, in a nibble.
void Decode2Bit(const std::uint8_t* data, const TBmpLayout& layout, TBitmap& bitmap) {
    const int n = int(layout.Palette.size());
    for (int y = 0; y < layout.Height; ++y) {
        const std::uint8_t* src = BmpRow(data, layout, y);
        std::uint8_t* dst = bitmap.ScanLine(y);
        std::memset(dst, 0, std::size_t(bitmap.RowBytes()));
        for (int x = 0; x < layout.Width; ++x) {
            const std::uint8_t index = (src[x >> 2] >> (6 - 2 * (x & 3))) & 3;
            if (index >= n)
                Invalid();
            dst[x >> 1] |= std::uint8_t((x & 1) ? index : index << 4);
        }
    }
}

// 64-bit rows hold blue, green, red and alpha as signed 16-bit fixed-point numbers with 13
// fraction bits (8192 is 1.0), the colours in linear light, as Windows writes them. They
// become 32-bit rows with alpha: the range clamped to 0..1, the colours encoded as sRGB.
void Decode64Bit(const std::uint8_t* data, const TBmpLayout& layout, TBitmap& bitmap) {
    static constexpr int One = 8192;
    static const std::array<std::uint8_t, One + 1> toSrgb = [] {
        std::array<std::uint8_t, One + 1> table{};
        for (int i = 0; i <= One; ++i) {
            const double linear = double(i) / One;
            const double srgb =
                linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
            table[std::size_t(i)] = std::uint8_t(std::lround(srgb * 255));
        }
        return table;
    }();
    const auto clamped = [](const std::uint8_t* p) {
        return std::clamp<int>(std::int16_t(Get16(p)), 0, One);
    };
    for (int y = 0; y < layout.Height; ++y) {
        const std::uint8_t* src = BmpRow(data, layout, y);
        std::uint8_t* dst = bitmap.ScanLine(y);
        for (int x = 0; x < layout.Width; ++x, src += 8, dst += 4) {
            for (int c = 0; c < 3; ++c)
                dst[c] = toSrgb[std::size_t(clamped(src + 2 * c))];
            dst[3] = std::uint8_t((clamped(src + 6) * 255 + One / 2) / One);
        }
    }
}

// The layout's rows copied and tidied.
void CopyRows(const std::uint8_t* data, const TBmpLayout& layout, TBitmap& bitmap) {
    const std::size_t usedBytes =
        (std::size_t(layout.Width) * std::size_t(layout.BitCount) + 7) / 8;
    for (int y = 0; y < layout.Height; ++y) {
        std::uint8_t* dst = bitmap.ScanLine(y);
        std::memcpy(dst, BmpRow(data, layout, y), usedBytes);
        if (!TidyRow(layout, dst))
            Invalid();
    }
}

} // namespace

bool bmp::TidyRow(const TBmpLayout& layout, std::uint8_t* row) {
    const std::size_t usedBits = std::size_t(layout.Width) * std::size_t(layout.BitCount);
    std::size_t done = usedBits / 8;
    const int restBits = int(usedBits % 8);
    if (restBits != 0) {
        row[done] = std::uint8_t(row[done] & (0xFF << (8 - restBits)));
        ++done;
    }
    std::memset(row + done, 0, layout.Stride - done);
    return !layout.NeedsIndexCheck() || BmpRowInPalette(layout, row);
}

TBitmap DecodeBmp(const std::uint8_t* data, std::size_t size, const TBmpLayout& layout) {
    if (data == nullptr || layout.PixelOffset > size ||
        size - layout.PixelOffset < layout.PixelBytes)
        Invalid();
    const std::uint8_t* pixels = data + layout.PixelOffset;
    // A JPEG or PNG stream's picture must have the header's size.
    if (layout.Compression == TBmpCompression::Jpeg)
        return DecodeJpegStream(pixels, layout.PixelBytes, layout.Width, layout.Height);
    if (layout.Compression == TBmpCompression::Png)
        return DecodePngStream(pixels, layout.PixelBytes, layout.Width, layout.Height);
    TBitmap bitmap;
    const int paletteSize = int(layout.Palette.size());
    switch (layout.Compression) {
    case TBmpCompression::Rle8:
    case TBmpCompression::Rle4:
    case TBmpCompression::Rle24:
        // RLE leaves pixels it does not write at 0.
        bitmap.Allocate(layout.Width, layout.Height, layout.BitCount);
        bitmap.SetPalette(layout.Palette);
        if (layout.Compression == TBmpCompression::Rle8)
            DecodeRle8(pixels, layout.PixelBytes, paletteSize, bitmap);
        else if (layout.Compression == TBmpCompression::Rle4)
            DecodeRle4(pixels, layout.PixelBytes, paletteSize, bitmap);
        else
            DecodeRle24(pixels, layout.PixelBytes, bitmap);
        return bitmap;
    default:
        break;
    }
    if (layout.BitCount == 2) {
        bitmap.AllocateUninitialized(layout.Width, layout.Height, 4);
        bitmap.SetPalette(layout.Palette);
        Decode2Bit(data, layout, bitmap);
    } else if (layout.BitCount == 64) {
        bitmap.AllocateUninitialized(layout.Width, layout.Height, 32);
        bitmap.SetBitFields(AlphaFields);
        Decode64Bit(data, layout, bitmap);
    } else {
        bitmap.AllocateUninitialized(layout.Width, layout.Height, layout.BitCount);
        bitmap.SetPalette(layout.Palette);
        bitmap.SetBitFields(layout.BitFields);
        CopyRows(data, layout, bitmap);
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
