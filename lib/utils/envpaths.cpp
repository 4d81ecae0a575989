#include "utils/envpaths.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "utils/paths.h"

namespace vexo {

QString GetPathToTemp() {
    // Linux counterpart of the system's temporary path: TMPDIR as glibc and mktemp honour it.
    const QString tmpdir = qEnvironmentVariable("TMPDIR");
    if (tmpdir.startsWith(QLatin1Char('/')) && QFileInfo(tmpdir).isDir())
        return NormalDir(tmpdir);
    return QStringLiteral("/tmp/");
}

QString GetPathToLocalTemp() {
    // Per user: in a shared /tmp a folder named after the program alone could belong to
    // anyone, so the user's id is part of the name and ownership is checked before use.
    const uid_t uid = getuid();
    const QString folder =
        GetPathToTemp() + DefaultName() + QLatin1Char('-') + QString::number(uid);
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return QString();
    struct stat st {};
    if (lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid)
        return QString();
    if ((st.st_mode & 077) != 0 && chmod(path.constData(), 0700) != 0)
        return QString();
    return folder + QLatin1Char('/');
}

QString GetShortFileName(const QString& path) {
    return path;
}

QString GetEnvVar(const QString& name) {
    if (name.isEmpty() || name.contains(QLatin1Char('=')))
        return QString();
    if (qEnvironmentVariableIsSet(name.toLocal8Bit().constData()))
        return qEnvironmentVariable(name.toLocal8Bit().constData());
    return qEnvironmentVariable(name.toUpper().toLocal8Bit().constData());
}

} // namespace vexo
