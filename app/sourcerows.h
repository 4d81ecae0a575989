#pragma once
// The rows of one source bitmap, however they are best read:
// - plain bottom-up rows, the usual case, are read a run of about 256 KiB at a time in file
//   order while they are combined, so they are still in the processor's cache then;
// - other uncompressed layouts (top-down, or a short palette whose indices are all in range)
//   are read whole and used where they lie;
// - everything else (run-length encoded data, JPEG and PNG streams, 2 and 64-bit pixels,
//   indices beyond a short palette) is decoded, which raises for bad data.
// The reader and its buffer stay from file to file.

#include <QString>
#include <cstdint>

#include "platform/image/bitmap.h"
#include "platform/image/bmpcodec.h"
#include "platform/image/bmpfilereader.h"
#include "platform/image/pixelformat.h"

namespace varnova {

class TSourceRows {
public:
    // Opens `path` and reads its headers, and, unless its rows are streamed, the whole file.
    // Raises what loading it as a picture would: EFOpenError "Cannot open file %s" (with
    // `path`) for a file that cannot be read, EInvalidGraphic "Bitmap image is not valid".
    void Open(const QString& path);

    int Width() const { return layout_.Width; }
    int Height() const { return layout_.Height; }
    // The pixel format of the rows Row() returns.
    vexo::TPixelFormat Format() const;

    // Row y counted from the top, 0 <= y < Height(). Streamed rows must be asked for bottom
    // row first (y falling), as a BMP file holds them; a row asked for out of that order is
    // read again. A file that shrinks meanwhile raises EFOpenError.
    const std::uint8_t* Row(int y);

    // Gives back an unusually large buffer once the file is done with.
    void Finish();

private:
    enum TMode { smStreamed, smInPlace, smDecoded };

    vexo::TBmpFileReader reader_;
    vexo::TBmpLayout layout_;
    TMode mode_ = smStreamed;
    vexo::TBitmap decoded_;
    // Streamed rows: file rows [runFirst_, runFirst_ + runRows_) are at run_.
    int rowsPerRun_ = 1;
    int runFirst_ = 0;
    int runRows_ = 0;
    const std::uint8_t* run_ = nullptr;
};

} // namespace varnova
