#include "app/sourcereader.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/exception.h"

namespace varnova {

namespace {

// A buffer up to this size is kept for the next file; sources of a run are usually alike, so
// this saves an allocation (and its page faults) per file. A larger one, from an unusually
// big source, is given back.
constexpr std::size_t RetainBytes = std::size_t(64) * 1024 * 1024;
// What ReadHead takes at least: the largest headers, masks and palette (1.2 KiB) fit.
constexpr std::size_t HeadBytes = 4 * 1024;

} // namespace

TSourceReader::~TSourceReader() {
    Close();
}

void TSourceReader::Read(const QString& path) {
    Open(path);
    ReadOpened();
}

void TSourceReader::Open(const QString& path) {
    Close();
    path_ = path;
    size_ = 0;
    fileSize_ = 0;
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking so that a named pipe cannot stall the run; only regular files pass.
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        Fail();
    const auto size = static_cast<unsigned long long>(st.st_size);
    if (size > std::size_t(-1) / 2)
        Fail();
    fileSize_ = std::size_t(size);
}

void TSourceReader::ReadOpened() {
    if (fd_ < 0)
        Fail();
    Reserve(fileSize_);
    ReadInto(buffer_.get(), 0, fileSize_);
    size_ = fileSize_;
    Close();
}

void TSourceReader::ReadHead() {
    if (fd_ < 0)
        Fail();
    std::size_t head = std::min(fileSize_, HeadBytes);
    Reserve(head);
    ReadInto(buffer_.get(), 0, head);
    size_ = head;
    if (head < 14)
        return;
    // The file header's pixel offset (little-endian at byte 10): headers, masks and palette
    // all lie before it.
    const std::uint8_t* b = buffer_.get();
    const std::size_t offBits = std::size_t(b[10]) | (std::size_t(b[11]) << 8) |
                                (std::size_t(b[12]) << 16) | (std::size_t(b[13]) << 24);
    if (offBits > head) {
        head = std::min(offBits, fileSize_);
        Reserve(head);
        ReadInto(buffer_.get(), 0, head);
        size_ = head;
    }
}

const std::uint8_t* TSourceReader::ReadAt(std::size_t offset, std::size_t length) {
    if (fd_ < 0)
        Fail();
    Reserve(length);
    ReadInto(buffer_.get(), offset, length);
    size_ = length;
    return buffer_.get();
}

void TSourceReader::Reserve(std::size_t bytes) {
    size_ = 0;
    if (bytes <= capacity_)
        return;
    buffer_.reset(); // the old buffer goes before the new one is taken
    capacity_ = 0;
    buffer_.reset(new std::uint8_t[bytes]); // uninitialised: every byte used is read over
    capacity_ = bytes;
}

void TSourceReader::ReadInto(std::uint8_t* dest, std::size_t offset, std::size_t length) {
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, dest + done, length - done, off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // a read error, or the end of a file that has shrunk
            Fail();
        done += std::size_t(n);
    }
}

void TSourceReader::Trim() {
    if (capacity_ > RetainBytes) {
        buffer_.reset();
        capacity_ = 0;
        size_ = 0;
    }
}

void TSourceReader::Fail() {
    Close();
    size_ = 0;
    throw vexo::EFOpenError(QStringLiteral("Cannot open file %1").arg(path_));
}

void TSourceReader::Close() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

} // namespace varnova
