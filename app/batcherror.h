#pragma once
// Why one file of a batch run failed: the error's kind and its message, taken from the
// exception the per-file step raised. Front ends decide from the kind, never from the
// message text, whether the message already names a file.

#include <QString>
#include <exception>

namespace varnova {

enum TBatchErrorKind {
    ekNone = 0,
    ekCannotOpen,         // "Cannot open file %s": a source or the working picture
    ekCannotCreate,       // "Cannot create file %s": the result
    ekInvalidPicture,     // "Bitmap image is not valid", "Unknown picture file extension ..."
    ekNotBitmap,          // "Can only modify an image if it contains a bitmap"
    ekWorkImageOverwrite, // the result would replace the working picture
    ekOther,              // anything else (out of memory, a mode outside the table, ...)
};

struct TBatchError {
    TBatchErrorKind Kind = ekNone;
    QString Message;

    // The kind and message of an exception raised while a file was worked on.
    static TBatchError Of(const std::exception& e);
};

// True when messages of this kind name the file they are about.
constexpr bool MessageNamesFile(TBatchErrorKind kind) {
    return kind == ekCannotOpen || kind == ekCannotCreate;
}

} // namespace varnova
