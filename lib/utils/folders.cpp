#include "utils/folders.h"

#include <QFile>
#include <QStringList>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "utils/paths.h"
#include "utils/utilsmessages.h"
#include "utils/utilstexts.h"

namespace vexo {

namespace {

bool IsFolder(const QByteArray& path) {
    struct stat st {};
    return stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CannotCreate(const QString& folder) {
    UtilsInfoMsg(QString(vexoUtilsUnableCreateDir).replace(QLatin1String("%s"), folder));
    return false;
}

// Clears the open folder `dirfd`. `listedAll` tells whether its listing ended normally.
bool ClearEntries(int dirfd, bool removeFolders, bool& listedAll) {
    listedAll = false;
    const int listFd = dup(dirfd);
    DIR* dir = listFd >= 0 ? fdopendir(listFd) : nullptr;
    if (dir == nullptr) {
        if (listFd >= 0)
            close(listFd);
        return false;
    }
    // Names first, deletions after: a folder changing under readdir may skip entries.
    QList<QByteArray> names;
    errno = 0;
    while (const dirent* item = readdir(dir))
        if (item->d_name[0] != '.')
            names << QByteArray(item->d_name);
    listedAll = errno == 0;
    closedir(dir);

    struct stat folderStat {};
    if (fstat(dirfd, &folderStat) != 0)
        return false;
    bool ok = true;
    for (const QByteArray& name : names) {
        struct stat st {};
        if (fstatat(dirfd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) // gone meanwhile: nothing left to delete
                ok = false;
            continue;
        }
        if (!S_ISDIR(st.st_mode)) {
            // A read-only file needs no change on Linux: deleting is a right of the folder.
            if (unlinkat(dirfd, name.constData(), 0) != 0 && errno != ENOENT)
                ok = false;
            continue;
        }
        // Another file system mounted here is not part of this tree.
        if (st.st_dev != folderStat.st_dev) {
            ok = false;
            continue;
        }
        // The counterpart of clearing a read-only attribute: the owner may enter and change
        // a folder that is about to be deleted.
        if ((st.st_mode & S_IRWXU) != S_IRWXU)
            fchmodat(dirfd, name.constData(), (st.st_mode & 07777) | S_IRWXU, 0);
        const int sub = openat(dirfd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (sub < 0) {
            ok = false;
            continue;
        }
        bool subListed = false;
        const bool subOk = ClearEntries(sub, removeFolders, subListed);
        close(sub);
        if (!subOk)
            ok = false;
        else if (removeFolders && subListed && unlinkat(dirfd, name.constData(), AT_REMOVEDIR) != 0)
            ok = false;
    }
    return ok;
}

// The counterpart of a bare drive: "/" or the root of a mounted file system.
bool IsFileSystemRoot(const QByteArray& path) {
    struct stat self {
    }, parent{};
    if (stat(path.constData(), &self) != 0 || stat((path + "/..").constData(), &parent) != 0)
        return false;
    return self.st_dev != parent.st_dev || self.st_ino == parent.st_ino;
}

} // namespace

bool MakeDirectory(const QString& folder) {
    QString path = folder;
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty())
        return CannotCreate(folder);
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0777) == 0)
        return true;
    const int error = errno;
    // "Already there" counts only for a folder: a file of that name is no success.
    if (error == EEXIST || error == EACCES) {
        if (IsFolder(native))
            return true;
        return CannotCreate(path);
    }
    if (error == ENOENT) {
        const QString parent = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
        if (parent.isEmpty() || parent == path)
            return CannotCreate(path);
        MakeDirectory(parent);
        return mkdir(native.constData(), 0777) == 0 || (errno == EEXIST && IsFolder(native));
    }
    return CannotCreate(path);
}

bool ClearDir(const QString& folder, bool removeFolder) {
    if (!DirectoryExists(folder))
        return false;
    QString path = folder;
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const QByteArray native = QFile::encodeName(path);
    const int dirfd = open(native.constData(), O_RDONLY | O_DIRECTORY);
    if (dirfd < 0)
        return false;
    bool listedAll = false;
    const bool ok = ClearEntries(dirfd, removeFolder, listedAll);
    close(dirfd);
    if (!ok || !removeFolder || !listedAll || IsFileSystemRoot(native))
        return ok;
    return rmdir(native.constData()) == 0;
}

} // namespace vexo
