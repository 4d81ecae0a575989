#include "app/resultfile.h"

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/exception.h"

namespace varnova {

namespace {

std::atomic<unsigned> tempCounter{0};

constexpr char PartSuffix[] = ".part";
// A file name may have at most this many bytes.
constexpr qsizetype MaxNameBytes = 255;

// This machine's name as temporary names carry it: a result folder may be shared by runs on
// several machines, and a process id means something on its own machine only.
const QByteArray& HostTag() {
    static const QByteArray tag = [] {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
            return QByteArray("localhost");
        QByteArray host(name);
        host.replace('/', '_');
        return host;
    }();
    return tag;
}

bool ProcessAlive(long long pid) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return false;
    // EPERM: it exists, it is just not ours to signal.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool AllDigits(const QByteArray& text) {
    if (text.isEmpty() || text.size() > 18)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The process id in a temporary name of this machine (".<name>.<host>.<pid>-<n>.part"), or
// -1 when the name is not one.
long long TemporaryOwner(const QByteArray& name) {
    const QByteArray& host = HostTag();
    if (!name.startsWith('.') || !name.endsWith(PartSuffix))
        return -1;
    QByteArray rest = name.chopped(qsizetype(sizeof PartSuffix - 1));
    const qsizetype dot = rest.lastIndexOf('.');
    if (dot < 0)
        return -1;
    const QByteArray id = rest.mid(dot + 1); // "<pid>-<n>"
    const qsizetype dash = id.indexOf('-');
    if (dash < 0 || !AllDigits(id.left(dash)) || !AllDigits(id.mid(dash + 1)))
        return -1;
    rest = rest.left(dot); // ".<name>.<host>"
    const qsizetype hostAt = rest.size() - host.size();
    if (hostAt < 3 || rest.mid(hostAt) != host || rest[hostAt - 1] != '.')
        return -1;
    return id.left(dash).toLongLong();
}

} // namespace

int TResultFile::RemoveDeadTemporaries(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    const int dirFd =
        ::open(path.isEmpty() ? "." : path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return 0;
    DIR* dir = ::fdopendir(dirFd);
    if (dir == nullptr) {
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    while (const dirent* e = ::readdir(dir)) {
        const long long pid = TemporaryOwner(QByteArray(e->d_name));
        if (pid < 0 || ProcessAlive(pid))
            continue;
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::unlinkat(dirFd, e->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

TResultFile::TResultFile(const QString& finalPath) : finalPath_(finalPath) {
    const int slash = finalPath.lastIndexOf(QLatin1Char('/'));
    const QByteArray folder = QFile::encodeName(finalPath.left(slash + 1));
    const QByteArray name = QFile::encodeName(finalPath.mid(slash + 1));
    const QByteArray owner = '.' + HostTag() + '.' + QByteArray::number(qint64(::getpid())) + '-';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray tail = owner + QByteArray::number(tempCounter.fetch_add(1)) + PartSuffix;
        // A long name is cut (between two characters) so that the temporary name stays within
        // the system's limit.
        qsizetype keep = std::min(name.size(), MaxNameBytes - 1 - tail.size());
        while (keep > 1 && keep < name.size() && (name[keep] & 0xC0) == 0x80)
            --keep;
        const QByteArray encoded = folder + '.' + name.left(std::max<qsizetype>(1, keep)) + tail;
        const QString temp = QFile::decodeName(encoded);
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
