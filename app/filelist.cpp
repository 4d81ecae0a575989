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

} // namespace varnova
