#include "utils/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const QString pattern = name.mid(slash + 1);
    if (!pattern.contains(QLatin1Char('*')) && !pattern.contains(QLatin1Char('?'))) {
        const QFileInfo info(name);
        return info.exists() && !info.isDir();
    }
    const QDir dir(slash < 0 ? QStringLiteral(".") : name.left(slash + 1));
    return !dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System).isEmpty();
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
