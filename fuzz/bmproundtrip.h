#pragma once
// The property the BMP reader fuzz target checks, shared with the replay test of the normal
// test suite: a file is either refused with EInvalidGraphic or read into a bitmap that
// survives WriteBmp + ReadBmp unchanged. Any other exception escapes to the caller.

#include <cstddef>
#include <cstdint>

#include "platform/image/bmpcodec.h"
#include "platform/runtime/exception.h"

namespace vexo::fuzzing {

// A few bytes of RLE may rightly describe a picture of up to TBitmap::MaxPixelBytes; such
// pictures are parsed but not decoded here, to keep a fuzzing run's memory small.
constexpr std::size_t MaxDecodedBytes = std::size_t(16) << 20;

// False when a file that was read does not come back equal after writing and reading again.
inline bool BmpInputHolds(const std::uint8_t* data, std::size_t size) {
    TBitmap bitmap;
    try {
        const TBmpLayout layout = ParseBmpHeader(data, size);
        // At most 8 bytes a pixel in the file (64-bit), at most 4 decoded.
        if (std::size_t(layout.Width) * std::size_t(layout.Height) * 8 > MaxDecodedBytes)
            return true;
        bitmap = DecodeBmp(data, size, layout);
    } catch (const EInvalidGraphic&) {
        return true;
    }
    const QByteArray written = WriteBmp(bitmap);
    return ReadBmp(written) == bitmap;
}

} // namespace vexo::fuzzing
