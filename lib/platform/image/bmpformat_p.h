#pragma once
// Private helpers shared by the BMP reader, the RLE decoders and the writer.

#include <cstdint>
#include <cstring>

#include "platform/image/bmpcodec.h"
#include "platform/runtime/exception.h"

namespace vexo::bmp {

constexpr std::size_t FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr int InfoHeaderSize = 40;
constexpr int V4HeaderSize = 108;
constexpr int Os2HeaderMaxSize = 64;

[[noreturn]] inline void Invalid() {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
}

inline std::uint16_t Get16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline std::uint32_t Get32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void Put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}

// Tidies a row of an uncompressed layout copied into a bitmap (Stride bytes): the bits beyond
// its pixels and its padding are cleared, so that equal pictures compare equal. False when
// the row holds a palette index beyond a short palette.
bool TidyRow(const TBmpLayout& layout, std::uint8_t* row);

} // namespace vexo::bmp
