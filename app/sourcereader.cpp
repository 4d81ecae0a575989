#include "app/sourcereader.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/exception.h"

namespace varnova {

namespace {

// A buffer up to this size is kept for the next file; sources of a run are usually alike, so
// this saves an allocation (and its page faults) per file. A larger one, from an unusually
// big source, is given back.
constexpr std::size_t RetainBytes = std::size_t(64) * 1024 * 1024;

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
    const QByteArray name = QFile::encodeName(path);
    // Non-blocking so that a named pipe cannot stall the run; only regular files pass.
    fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0)
        Fail();
    const auto size = static_cast<unsigned long long>(st.st_size);
    if (size > std::size_t(-1) / 2)
        Fail();
    size_ = std::size_t(size);
    if (size_ > capacity_) {
        buffer_.reset(); // the old buffer goes before the new one is taken
        capacity_ = 0;
        buffer_.reset(new std::uint8_t[size_]); // uninitialised: every byte is read over
        capacity_ = size_;
    }
}

void TSourceReader::ReadOpened() {
    if (fd_ < 0)
        Fail();
    std::size_t done = 0;
    while (done < size_) {
        const ssize_t n = ::pread(fd_, buffer_.get() + done, size_ - done, off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // a read error, or the end of a file that has shrunk
            Fail();
        done += std::size_t(n);
    }
    Close();
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
