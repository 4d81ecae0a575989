#include "utils/copyfiles.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "utils/filesearch.h"
#include "utils/filesearch_p.h"
#include "utils/folders.h"
#include "utils/paths.h"
#include "utils/utilsmessages.h"
#include "utils/utilstexts.h"

namespace vexo {

namespace {

// Well above the classic 4096-byte block: fewer system calls on large files.
constexpr std::size_t BlockSize = 64 * 1024;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Fd() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || close(fd) == 0;
    }

private:
    int fd_;
};

// A new file or link under a hidden temporary name in `folder`, removed again unless it was
// renamed onto its target.
class TempEntry {
public:
    explicit TempEntry(const QString& folder)
        : folder_(folder.isEmpty() ? QStringLiteral("./") : folder) {}
    ~TempEntry() {
        if (!path_.isEmpty())
            unlink(path_.constData());
    }
    TempEntry(const TempEntry&) = delete;
    TempEntry& operator=(const TempEntry&) = delete;

    // An empty file open for writing, private until its permissions are set; -1 on failure.
    int CreateFile() {
        return Create([](const QByteArray& path) {
            return open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        });
    }
    bool CreateLink(const QByteArray& linkTarget) {
        return Create([&](const QByteArray& path) {
                   return symlink(linkTarget.constData(), path.constData());
               }) >= 0;
    }
    const QByteArray& Path() const { return path_; }
    bool RenameTo(const QByteArray& target) {
        if (rename(path_.constData(), target.constData()) != 0)
            return false;
        path_.clear();
        return true;
    }

private:
    template <class Make> int Create(Make make) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray path =
                Native(folder_) + ".vexo-copy-" +
                QByteArray::number(QRandomGenerator::global()->generate64(), 36);
            const int result = make(path);
            if (result >= 0) {
                path_ = path;
                return result;
            }
            if (errno != EEXIST)
                return -1;
        }
        return -1;
    }

    QString folder_;
    QByteArray path_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

// The real path of a folder with a trailing "/"; empty when it cannot be resolved.
QString RealFolder(const QString& folder) {
    char* real = realpath(folder.isEmpty() ? "." : Native(folder).constData(), nullptr);
    if (real == nullptr)
        return QString();
    const QString result = NormalDir(QFile::decodeName(real));
    std::free(real);
    return result;
}

// Both real folders ending with "/": inner is outer or lies below it.
bool InsideOrSame(const QString& inner, const QString& outer) {
    return !inner.isEmpty() && !outer.isEmpty() && inner.startsWith(outer);
}

bool IsEveryName(const QString& name) {
    return name == QLatin1String("*.*") || name == QLatin1String("*");
}

class Copier {
public:
    explicit Copier(bool move) : move_(move) {}

    // One copy with its message: `literal` when the source's name is an entry met in a tree
    // rather than a pattern.
    bool Run(const QString& source, const QString& destination, bool literal) {
        QString error;
        const bool ok = Steps(source, destination, literal, error);
        if (!ok && !error.isEmpty())
            UtilsInfoMsg(error);
        return ok;
    }

private:
    bool Steps(const QString& source, const QString& destination, bool literal, QString& error);
    bool CopyFile(const QString& sourcePath, const QString& folder, const QString& name,
                  bool inTree, QString& error);
    bool CopyLink(const QByteArray& source, const QString& folder, const QString& target,
                  QString& error);

    bool move_;
};

bool Copier::Steps(const QString& source, const QString& destination, bool literal,
                   QString& error) {
    QString sourceFolder, sourceName, destFolder, destName;
    SplitSearchPath(source, sourceFolder, sourceName);
    SplitSearchPath(destination, destFolder, destName);
    if (sourceName.isEmpty())
        sourceName = QStringLiteral("*.*");
    if (destName.isEmpty())
        destName = QStringLiteral("*.*");

    const auto found = FindEntries(sourceFolder, sourceName, faAnyFile, literal);
    if (!found || found->isEmpty()) {
        error = vexoUtilsNotFound + source;
        return false;
    }
    if (!destFolder.isEmpty() && !MakeDirectory(destFolder)) {
        error = vexoUtilsNotCreated + destFolder;
        return false;
    }
    // By real path, so that "a/../a/" or a link to the source folder is seen for what it is.
    const QString sourceReal = RealFolder(sourceFolder);
    const QString destReal = RealFolder(destFolder);
    const bool sameFolder =
        sourceFolder == destFolder || (!sourceReal.isEmpty() && sourceReal == destReal);
    if (sameFolder && sourceName == destName) {
        error = vexoUtilsCopyToSelf + source;
        return false;
    }
    if (!literal && IsEveryName(sourceName) && InsideOrSame(destReal, sourceReal)) {
        error = source + vexoUtilsRecourceCopy;
        return false;
    }
    const bool many = !literal && HasWildcards(sourceName);
    if (many && !destName.contains(QLatin1Char('*'))) {
        error = vexoUtilsCopyManyToOne + source + QStringLiteral("=>") + destination;
        return false;
    }
    if (!many)
        return CopyFile(sourceFolder + sourceName, destFolder,
                        destName.contains(QLatin1Char('*')) ? sourceName : destName, literal,
                        error);

    for (const TFoundEntry& entry : *found) {
        if (entry.Name.startsWith(QLatin1Char('.')))
            continue;
        const QString from = sourceFolder + entry.Name;
        if ((entry.Attributes & faDirectory) != 0 && !entry.IsLink) {
            // A folder that holds the destination would be copied into itself without end.
            if (InsideOrSame(destReal, RealFolder(from))) {
                error = from + QLatin1Char('/') + sourceName + vexoUtilsRecourceCopy;
                return false;
            }
            if (!Run(from + QLatin1Char('/') + sourceName,
                     destFolder + entry.Name + QStringLiteral("/*"), false))
                return false;
        } else if (!Run(from, destFolder + entry.Name, true)) {
            return false;
        }
    }
    return true;
}

bool Copier::CopyFile(const QString& sourcePath, const QString& folder, const QString& name,
                      bool inTree, QString& error) {
    const QString target = folder + name;
    const QByteArray source = Native(sourcePath);
    const QByteArray targetNative = Native(target);
    struct stat sourceStat {};
    if (inTree && lstat(source.constData(), &sourceStat) == 0 && S_ISLNK(sourceStat.st_mode))
        return CopyLink(source, folder, target, error);

    // Non-blocking, so that a FIFO cannot stall the open; only regular files are copied.
    FileHandle in(
        open(source.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (inTree ? O_NOFOLLOW : 0)));
    if (in.Fd() < 0 || fstat(in.Fd(), &sourceStat) != 0 || !S_ISREG(sourceStat.st_mode)) {
        error = vexoUtilsOpenError + sourcePath;
        return false;
    }
    struct stat old {};
    if (stat(targetNative.constData(), &old) == 0) {
        if (old.st_dev == sourceStat.st_dev && old.st_ino == sourceStat.st_ino) {
            error = vexoUtilsCopyToSelf + sourcePath;
            return false;
        }
        // A folder, or a file its owner made read-only, is not replaced.
        if (S_ISDIR(old.st_mode) || (old.st_mode & S_IWUSR) == 0) {
            error = vexoUtilsOpenError + target;
            return false;
        }
    }
    TempEntry temp(folder);
    FileHandle out(temp.CreateFile());
    if (out.Fd() < 0) {
        error = vexoUtilsOpenError + target;
        return false;
    }
    std::vector<char> buffer(BlockSize);
    for (;;) {
        const ssize_t got = read(in.Fd(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = vexoUtilsReadError + sourcePath;
            return false;
        }
        if (got == 0)
            break;
        if (!WriteAll(out.Fd(), buffer.data(), std::size_t(got))) {
            error = vexoUtilsWriteError + target;
            return false;
        }
    }
    const timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    // fsync before the rename: after a crash the target is the old file or the whole copy.
    if (fchmod(out.Fd(), sourceStat.st_mode & 0777) != 0 || futimens(out.Fd(), times) != 0 ||
        fsync(out.Fd()) != 0 || !out.Close() || !temp.RenameTo(targetNative)) {
        error = vexoUtilsWriteError + target;
        return false;
    }
    in.Close();
    return !move_ || unlink(source.constData()) == 0;
}

bool Copier::CopyLink(const QByteArray& source, const QString& folder, const QString& target,
                      QString& error) {
    std::vector<char> linkTarget(PATH_MAX + 1);
    const ssize_t length = readlink(source.constData(), linkTarget.data(), PATH_MAX);
    if (length < 0) {
        error = vexoUtilsOpenError + QFile::decodeName(source);
        return false;
    }
    struct stat old {};
    const QByteArray targetNative = Native(target);
    if (lstat(targetNative.constData(), &old) == 0 && S_ISDIR(old.st_mode)) {
        error = vexoUtilsOpenError + target;
        return false;
    }
    TempEntry temp(folder);
    if (!temp.CreateLink(QByteArray(linkTarget.data(), length))) {
        error = vexoUtilsOpenError + target;
        return false;
    }
    struct stat sourceStat {};
    if (lstat(source.constData(), &sourceStat) == 0) {
        const timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
        utimensat(AT_FDCWD, temp.Path().constData(), times, AT_SYMLINK_NOFOLLOW);
    }
    if (!temp.RenameTo(targetNative)) {
        error = vexoUtilsWriteError + target;
        return false;
    }
    return !move_ || unlink(source.constData()) == 0;
}

} // namespace

bool CopyFiles(const QString& source, const QString& destination, bool move) {
    return Copier(move).Run(source, destination, false);
}

} // namespace vexo
