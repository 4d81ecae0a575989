#include "app/resultfile.h"

#include <QFile>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "platform/runtime/exception.h"

namespace varnova {

namespace {

std::atomic<unsigned> tempCounter{0};

} // namespace

TResultFile::TResultFile(const QString& finalPath) : finalPath_(finalPath) {
    const int slash = finalPath.lastIndexOf(QLatin1Char('/'));
    const QString folder = finalPath.left(slash + 1);
    const QString name = finalPath.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temp = folder + QLatin1Char('.') + name + QLatin1Char('.') +
                             QString::number(::getpid()) + QLatin1Char('-') +
                             QString::number(tempCounter.fetch_add(1)) + QStringLiteral(".part");
        const QByteArray encoded = QFile::encodeName(temp);
        // 0666 and the umask: results get the permissions of any newly created file.
        const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            tempPath_ = temp;
            tempName_ = encoded;
            return;
        }
        if (errno != EEXIST)
            break;
    }
    throw vexo::EFCreateError(QStringLiteral("Cannot create file %1").arg(finalPath_));
}

TResultFile::~TResultFile() {
    Discard();
}

TResultFile::TResultFile(TResultFile&& other) noexcept
    : finalPath_(std::move(other.finalPath_)), tempPath_(std::move(other.tempPath_)),
      tempName_(std::move(other.tempName_)), fd_(other.fd_) {
    other.fd_ = -1;
    other.tempPath_.clear();
    other.tempName_.clear();
}

TResultFile& TResultFile::operator=(TResultFile&& other) noexcept {
    if (this != &other) {
        Discard();
        finalPath_ = std::move(other.finalPath_);
        tempPath_ = std::move(other.tempPath_);
        tempName_ = std::move(other.tempName_);
        fd_ = other.fd_;
        other.fd_ = -1;
        other.tempPath_.clear();
        other.tempName_.clear();
    }
    return *this;
}

void TResultFile::Write(const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Fail();
        p += n;
        size -= std::size_t(n);
    }
}

void TResultFile::Commit() {
    if (fd_ < 0)
        Fail();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        Fail();
    if (::rename(tempName_.constData(), QFile::encodeName(finalPath_).constData()) != 0)
        Fail();
    tempPath_.clear();
    tempName_.clear();
}

void TResultFile::Discard() noexcept {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempName_.isEmpty()) {
        ::unlink(tempName_.constData());
        tempName_.clear();
        tempPath_.clear();
    }
}

void TResultFile::Fail() {
    Discard();
    throw vexo::EFCreateError(QStringLiteral("Cannot create file %1").arg(finalPath_));
}

} // namespace varnova
