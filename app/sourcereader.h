#pragma once
// A source bitmap read whole into a buffer that stays with the reader from file to file.
//
// The file is copied with pread, never mapped. Another process may truncate a source while
// the run works on it; a mapping would then raise SIGBUS on the first vanished page, which no
// exception can catch and which kills the whole program (half-written results included). A
// copy has no such hazard: a file that shrinks while it is read gives a short read, reported
// as an unreadable file, and once read the file no longer matters. Reading into a reused
// buffer also measured no slower than mapping with MAP_POPULATE (bench/batch), which pays
// for page tables and an unmap on every file.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace varnova {

class TSourceReader {
public:
    TSourceReader() = default;
    ~TSourceReader();
    TSourceReader(const TSourceReader&) = delete;
    TSourceReader& operator=(const TSourceReader&) = delete;

    // Open() followed by ReadOpened().
    void Read(const QString& path);

    // Opens `path` and notes its size. Only regular files pass (a named pipe is refused
    // rather than waited for). Raises EFOpenError "Cannot open file %s" with `path`.
    void Open(const QString& path);
    // Reads the open file whole, as large as it was when opened, and closes it. A file that
    // has shrunk since, or a read error, raises EFOpenError "Cannot open file %s"; the data
    // is then empty.
    void ReadOpened();

    // The bytes of the last file read; valid until the next Open().
    const std::uint8_t* Data() const { return buffer_.get(); }
    std::size_t Size() const { return size_; }

    // Frees the buffer when it has grown beyond what is worth keeping for the next file.
    void Trim();

private:
    [[noreturn]] void Fail();
    void Close() noexcept;

    QString path_;
    int fd_ = -1;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

} // namespace varnova
