#include "app/filelist.h"

#include <QFile>
#include <algorithm>
#include <dirent.h>

namespace varnova {

QStringList BuildFileList(const QString& sourceDir) {
    QStringList names;
    if (sourceDir.isEmpty())
        return names;
    DIR* dir = ::opendir(QFile::encodeName(sourceDir).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // Every entry the wildcard "*.bmp" matches: files, folders, hidden entries, links.
        if (name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
            names.append(name);
    }
    ::closedir(dir);
    SortFileNames(names);
    return names;
}

void SortFileNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        if (folded != 0)
            return folded < 0;
        return a < b;
    });
}

QStringList TakeShard(const QStringList& names, const TShard& shard) {
    if (shard.Count <= 1)
        return names;
    QStringList share;
    share.reserve(names.size() / shard.Count + 1);
    for (qsizetype i = shard.Index; i < names.size(); i += shard.Count)
        share.append(names[i]);
    return share;
}

bool ParseShard(const QString& text, TShard& shard) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return false;
    bool okK = false, okN = false;
    const int k = parts[0].toInt(&okK);
    const int n = parts[1].toInt(&okN);
    if (!okK || !okN || n < 1 || n > 1000000 || k < 1 || k > n)
        return false;
    shard = TShard{k - 1, n};
    return true;
}

} // namespace varnova
