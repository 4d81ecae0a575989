#pragma once
// A BMP file read into a buffer that stays with the reader from file to file: whole, or its
// head and then a run of rows at a time, or straight into memory the caller owns.
//
// The file is copied with pread, never mapped. Another process may truncate a file while it is
// being read; a mapping would then raise SIGBUS on the first vanished page, which no exception
// can catch and which kills the whole program. A copy has no such hazard: a file that shrinks
// while it is read gives a short read, reported as an unreadable file, and bytes once read no
// longer depend on the file. Rows read in runs of about 256 KiB just before they are used are
// still in the processor's cache then.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/image/bitmap.h"

namespace vexo {

class VEXO_PLATFORM_EXPORT TBmpFileReader {
public:
    TBmpFileReader() = default;
    ~TBmpFileReader();
    TBmpFileReader(const TBmpFileReader&) = delete;
    TBmpFileReader& operator=(const TBmpFileReader&) = delete;

    // Open() followed by ReadOpened().
    void Read(const QString& path);

    // Opens `path` and notes its size. Only regular files pass (a named pipe is refused
    // rather than waited for). Raises EFOpenError "Cannot open file %s" with `path`.
    void Open(const QString& path);
    // Reads the open file whole, as large as it was when opened, and closes it. A file that
    // has shrunk since, or a read error, raises EFOpenError "Cannot open file %s"; the data
    // is then empty.
    void ReadOpened();

    // Reads the start of the open file: its first 4 KiB, or up to the pixel offset its BMP
    // file header names when that lies further (never past the end). Data() then holds
    // Size() bytes while the file stays open for ReadAt(); FileSize() is its whole size.
    void ReadHead();
    // Reads `length` bytes at `offset` of the open file into the buffer and returns them
    // (Data() from then on). A read past the end (the file has shrunk) or a read error raises
    // EFOpenError "Cannot open file %s".
    const std::uint8_t* ReadAt(std::size_t offset, std::size_t length);
    // As ReadAt, into `dest` instead of the buffer, which keeps what it holds.
    void ReadInto(std::uint8_t* dest, std::size_t offset, std::size_t length);

    // The bytes read last into the buffer; valid until the next read.
    const std::uint8_t* Data() const { return buffer_.get(); }
    std::size_t Size() const { return size_; }
    // The size of the open file when it was opened.
    std::size_t FileSize() const { return fileSize_; }

    // Frees the buffer when it has grown beyond what is worth keeping for the next file.
    void Trim();

private:
    [[noreturn]] void Fail();
    void Reserve(std::size_t bytes);
    void Close() noexcept;

    QString path_;
    int fd_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
    std::size_t fileSize_ = 0;
};

// Loads a BMP file as TBitmap::LoadFromFile does, with the same result and errors
// (EFOpenError "Cannot open file %s", EInvalidGraphic "Bitmap image is not valid"), but
// reads uncompressed rows straight into the bitmap: the file's bytes are never held beside
// the picture, so loading a picture takes its own size in memory, not twice that. Compressed
// files and the depths a bitmap holds in another format are read whole and decoded.
VEXO_PLATFORM_EXPORT TBitmap ReadBmpFile(const QString& path);

} // namespace vexo
