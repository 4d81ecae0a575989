#pragma once
// libjpeg's error handling and decoding, shared by the JPEG picture and the BMP reader (BMP
// files may hold a JPEG stream).

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
// clang-format off
#include <jpeglib.h>
// clang-format on

#include "platform/runtime/exception.h"

namespace vexo::jpeg {

// libjpeg reports fatal errors through error_exit, which must not return. We jump back to
// the frame that called into libjpeg; those frames hold nothing with a destructor, so the
// jump skips no C++ clean-up, and the C++ caller turns the stored message into an exception.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
    char text[JMSG_LENGTH_MAX];
};

// Points libjpeg's error routines at `err`; a truncated stream counts as an error.
void Install(ErrorManager& err);
// "JPEG error #<n>: <libjpeg's text>".
EInvalidGraphic JpegError(const ErrorManager& err);

struct FreeDeleter {
    void operator()(unsigned char* p) const { std::free(p); }
};

// Decoded pixels: 3 bytes (red, green, blue) a pixel, rows packed, the top row first.
struct TRgbPixels {
    int Width = 0;
    int Height = 0;
    std::unique_ptr<unsigned char, FreeDeleter> Pixels;
};

// Decodes grey, YCbCr, RGB and CMYK streams. Raises EInvalidGraphic "JPEG error #<n>: ..."
// for damaged or truncated data, "JPEG image is too large" beyond the bitmap limits, and, when
// an expected size is given, "JPEG image has the wrong size" before decoding anything else.
TRgbPixels DecodeRgb(const std::uint8_t* data, std::size_t size, int expectWidth = -1,
                     int expectHeight = -1);

} // namespace vexo::jpeg
