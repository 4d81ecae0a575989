#include "utils/xdgpaths_p.h"

#include <QDir>

#include "utils/paths.h"

namespace vexo {

QString XdgDataHome() {
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    if (home.startsWith(QLatin1Char('/')))
        return NormalDir(home);
    return NormalDir(QDir::homePath()) + QStringLiteral(".local/share/");
}

QStringList XdgDataFolders() {
    QStringList folders{XdgDataHome()};
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (dir.startsWith(QLatin1Char('/')))
            folders << NormalDir(dir);
    return folders;
}

} // namespace vexo
