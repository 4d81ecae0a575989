#include "platform/image/bmprle_p.h"

#include <cstring>

#include "platform/image/bmpformat_p.h"

namespace vexo::bmp {

namespace {

inline void SetNibble(std::uint8_t* line, int x, std::uint8_t index) {
    std::uint8_t& byte = line[x >> 1];
    byte =
        (x & 1) ? std::uint8_t((byte & 0xF0) | index) : std::uint8_t((byte & 0x0F) | (index << 4));
}

// The formats share one stream grammar: (count, value) runs and escapes after a zero count
// (0 end of line, 1 end of bitmap, 2 delta, n >= 3 an absolute run of n pixels padded to a
// 16-bit boundary). Only how pixels are held differs: two or one per byte for RLE4 and RLE8
// (palette indices), three bytes each for OS/2's RLE24, whose runs carry a 3-byte value.
template <int Bits>
void Decode(const std::uint8_t* data, std::size_t size, int paletteSize, TBitmap& bitmap) {
    constexpr std::size_t RunBytes = Bits == 24 ? 4 : 2; // count and value
    const int width = bitmap.Width();
    const int height = bitmap.Height();
    int x = 0;
    int row = 0; // from the bottom, as the stream counts
    std::size_t p = 0;
    for (;;) {
        if (size - p < 2) {
            // A stream may stop without end-of-bitmap once end-of-line has closed the top row.
            if (p == size && row >= height)
                return;
            Invalid();
        }
        const int count = data[p];
        if (count > 0) {
            if (size - p < RunBytes || row >= height || count > width - x)
                Invalid();
            const std::uint8_t* value = data + p + 1;
            p += RunBytes;
            std::uint8_t* line = bitmap.ScanLine(height - 1 - row);
            if constexpr (Bits == 24) {
                for (int i = 0; i < count; ++i)
                    std::memcpy(line + 3 * (x + i), value, 3);
            } else if constexpr (Bits == 8) {
                if (value[0] >= paletteSize)
                    Invalid();
                std::memset(line + x, value[0], std::size_t(count));
            } else {
                const std::uint8_t high = value[0] >> 4;
                const std::uint8_t low = value[0] & 0x0F;
                if (high >= paletteSize || (count > 1 && low >= paletteSize))
                    Invalid();
                int i = 0;
                if (x & 1) { // up to a byte boundary
                    SetNibble(line, x, high);
                    i = 1;
                }
                // Whole bytes: the pair in the order it falls on them.
                const std::uint8_t pair = (i == 0) ? value[0] : std::uint8_t((low << 4) | high);
                const int pairs = (count - i) / 2;
                std::memset(line + ((x + i) >> 1), pair, std::size_t(pairs));
                for (i += 2 * pairs; i < count; ++i)
                    SetNibble(line, x + i, (i & 1) ? low : high);
            }
            x += count;
            continue;
        }
        const std::uint8_t escape = data[p + 1];
        p += 2;
        switch (escape) {
        case 0: // end of line
            x = 0;
            if (++row > height)
                Invalid();
            break;
        case 1: // end of bitmap
            return;
        case 2: // delta: move right and up
            if (size - p < 2)
                Invalid();
            x += data[p];
            row += data[p + 1];
            p += 2;
            if (x > width || row > height)
                Invalid();
            break;
        default: { // absolute run
            const int n = escape;
            const std::size_t bytes =
                Bits == 4 ? std::size_t(n + 1) / 2 : std::size_t(n) * std::size_t(Bits / 8);
            const std::size_t padded = (bytes + 1) & ~std::size_t(1);
            if (size - p < padded || row >= height || n > width - x)
                Invalid();
            std::uint8_t* line = bitmap.ScanLine(height - 1 - row);
            const std::uint8_t* src = data + p;
            if constexpr (Bits == 24) {
                std::memcpy(line + 3 * x, src, bytes);
            } else if constexpr (Bits == 8) {
                if (paletteSize < 256)
                    for (int i = 0; i < n; ++i)
                        if (src[i] >= paletteSize)
                            Invalid();
                std::memcpy(line + x, src, bytes);
            } else {
                if (paletteSize < 16)
                    for (int i = 0; i < n; ++i)
                        if (((i & 1) ? (src[i >> 1] & 0x0F) : (src[i >> 1] >> 4)) >= paletteSize)
                            Invalid();
                int i = 0;
                if ((x & 1) == 0) { // whole bytes at once
                    std::memcpy(line + (x >> 1), src, std::size_t(n >> 1));
                    i = n & ~1;
                }
                for (; i < n; ++i)
                    SetNibble(line, x + i, (i & 1) ? (src[i >> 1] & 0x0F) : (src[i >> 1] >> 4));
            }
            x += n;
            p += padded;
            break;
        }
        }
    }
}

} // namespace

void DecodeRle8(const std::uint8_t* data, std::size_t size, int paletteSize, TBitmap& bitmap) {
    Decode<8>(data, size, paletteSize, bitmap);
}

void DecodeRle4(const std::uint8_t* data, std::size_t size, int paletteSize, TBitmap& bitmap) {
    Decode<4>(data, size, paletteSize, bitmap);
}

void DecodeRle24(const std::uint8_t* data, std::size_t size, TBitmap& bitmap) {
    Decode<24>(data, size, 0, bitmap);
}

} // namespace vexo::bmp
