#include "utils/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "utils/filesearch.h"
#include "utils/filesearch_p.h"

namespace vexo {

namespace {

QString ExecutablePath() {
    // Before an application object exists Qt cannot tell; /proc always can on Linux.
    if (QCoreApplication::instance() != nullptr)
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

} // namespace

QString GetRunDir() {
    const QString path = ExecutablePath();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return NormalDir(QDir::currentPath());
    return path.left(slash + 1);
}

QString ExtractFileNameOnly(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString DefaultName() {
    return ExtractFileNameOnly(ExecutablePath());
}

QString DefaultIniName() {
    return GetRunDir() + DefaultName() + QStringLiteral(".ini");
}

QString NormalDir(const QString& folder) {
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

bool FileExists(const QString& name) {
    if (name.isEmpty())
        return false;
    QString folder, pattern;
    SplitSearchPath(name, folder, pattern);
    const auto found = FindEntries(folder, pattern, faAnyFile & ~faDirectory);
    return found && !found->isEmpty();
}

bool DirectoryExists(const QString& folder) {
    if (folder.isEmpty())
        return false;
    QString path = folder;
    if (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return QFileInfo(path).isDir();
}

} // namespace vexo
