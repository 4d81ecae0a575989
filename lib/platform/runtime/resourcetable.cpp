#include "platform/runtime/resourcetable.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

namespace vexo {

TResourceTable::TResourceTable(QString folder) : folder_(std::move(folder)) {}

void TResourceTable::Register(const QString& name, const QString& path) {
    const QMutexLocker lock(&mutex_);
    registered_.insert(name.toUpper(), path);
}

void TResourceTable::Unregister(const QString& name) {
    const QMutexLocker lock(&mutex_);
    registered_.remove(name.toUpper());
}

QString TResourceTable::Find(const QString& name) const {
    if (name.isEmpty())
        return QString();
    {
        const QMutexLocker lock(&mutex_);
        const auto it = registered_.constFind(name.toUpper());
        if (it != registered_.constEnd())
            return it.value();
    }
    // The folder's files: the name alone or with an extension.
    const QFileInfoList files = QDir(folder_).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files)
        if (file.fileName().compare(name, Qt::CaseInsensitive) == 0 ||
            file.completeBaseName().compare(name, Qt::CaseInsensitive) == 0)
            return file.filePath();
    return QString();
}

QString TResourceTable::Get(const QString& name) const {
    const QString path = Find(name);
    if (path.isEmpty())
        throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
    return path;
}

} // namespace vexo
